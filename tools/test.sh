#!/usr/bin/env bash
# The full test command: setup, configure and build all three presets, run every test
# (win64 under Wine, native with sanitizers), stop our wineserver, fail when anything fails.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash tools/setup.sh || exit 1
prefix=$root/build/win64/wineprefix
stop_wine() { [ -d "$prefix" ] && WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null; true; }
trap stop_wine EXIT
status=0
for p in win32 win64 native; do
  cmake --preset "$p" >/dev/null || { echo "configure $p failed"; exit 1; }
  cmake --build --preset "$p" -- -j2 >"build/$p.build.log" 2>&1 || { tail -n 60 "build/$p.build.log"; echo "build $p failed"; exit 1; }
done
for p in win64 native; do
  ctest --preset "$p" || status=1
done
exit $status
