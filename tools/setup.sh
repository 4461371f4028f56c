#!/usr/bin/env bash
# Installs, with apt-get, only the build and run tools that are missing; silent when all are there.
set -euo pipefail
need=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 cmake ninja-build g++
      xvfb xauth imagemagick curl python3 util-linux)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "setup: installing ${missing[*]}"
sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
if dpkg-query -W -f='${Status}' wine32 2>/dev/null | grep -q "ok installed"; then
  echo "setup: wine32 is installed; these machines cannot run 32-bit code, remove it" >&2
  exit 1
fi
