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

source tools/x11-desktop.sh

# Runs a Windows program under Wine for a while, then saves the screen: demo SECONDS PNG PROGRAM [ARGS...]
demo() {
  local seconds=$1 png=$2; shift 2
  wine "$@" >/dev/null 2>&1 &
  local pid=$!
  started+=($pid)
  sleep "$seconds"
  kill -0 "$pid" 2>/dev/null || { echo "run: $* ended early" >&2; return 1; }
  tools/screenshot.sh "$png"
  kill "$pid" 2>/dev/null || true
  echo "run: saved $png"
}

start_display

demo 8 out/registry-browser.png "$build/browser/TaviskHost.exe" X64
bash tools/run-updater-demo.sh "$build"
