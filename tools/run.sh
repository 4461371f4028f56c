#!/usr/bin/env bash
# The run command: installs what is missing, builds (win64), and opens each demo under Wine on
# an X display (a private Xvfb when there is none), saving a screenshot of each under out/.
# Every process it starts, it ends. Further demos are appended as steps at the bottom.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash tools/setup.sh
build=${BUILD_DIR:-$root/build/win64}
mkdir -p "$build" out
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" -- -j2 >"$build/run-build.log" 2>&1 || { tail -n 40 "$build/run-build.log"; exit 1; }

# A prefix of its own whose graphics driver is x11: the test prefix draws nothing.
prefix=$build/wineprefix-x11
started=()
cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -d "$prefix" ] && WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

start_display() {
  [ -n "${DISPLAY:-}" ] && return
  local n=77
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  started+=($!)
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  export DISPLAY=:$n
}

# Runs a Windows program under Wine for a while, then saves the screen: demo SECONDS PNG PROGRAM [ARGS...]
demo() {
  local seconds=$1 png=$2; shift 2
  WINE_GRAPHICS=x11 tools/wine-run.sh "$prefix" "$@" >/dev/null 2>&1 &
  local pid=$!
  started+=($pid)
  sleep "$seconds"
  kill -0 "$pid" 2>/dev/null || { echo "run: $* ended early" >&2; return 1; }
  tools/screenshot.sh "$png"
  kill "$pid" 2>/dev/null || true
  echo "run: saved $png"
}

start_display
# Prefix creation alone takes a while: make it before the first timed demo.
WINE_GRAPHICS=x11 tools/wine-run.sh "$prefix" cmd /c exit >/dev/null 2>&1 || true
# Xvfb has no window manager: Wine draws the caption and frame itself.
WINE_GRAPHICS=x11 tools/wine-run.sh "$prefix" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true

demo 8 out/registry-browser.png "$build/browser/TaviskHost.exe" X64
