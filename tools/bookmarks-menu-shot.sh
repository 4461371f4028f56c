#!/usr/bin/env bash
# Saves out/bookmarks-menu.png: the browser window under Xvfb with a few bookmarks stored and its
# Bookmarks menu open, the second item highlighted. Every process it starts, it ends.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${BUILD_DIR:-$root/build/win64}
mkdir -p "$build" out
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" --target TaviskHost OpenBookmarksMenu -- -j2 >"$build/shot-build.log" 2>&1 ||
  { tail -n 40 "$build/shot-build.log"; exit 1; }

prefix=$build/wineprefix-x11
started=()
cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -d "$prefix" ] && WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

n=77
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
started+=($!)
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
export DISPLAY=:$n

wine() { WINE_GRAPHICS=x11 tools/wine-run.sh "$prefix" "$@"; }
wine cmd /c exit >/dev/null 2>&1 || true
# Xvfb has no window manager: Wine draws the caption and frame itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
store='HKCU\Software\Dunmora\Registry Browser'
wine reg delete "$store" /f >/dev/null 2>&1 || true
n=0
for path in 'HKEY_CURRENT_USER\Software' 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion' \
            'HKEY_CLASSES_ROOT\.txt' 'HKEY_CURRENT_USER\Control Panel\Desktop'; do
  wine reg add "$store" /v "Key$n" /d "$path" /f >/dev/null 2>&1
  n=$((n + 1))
done

wine "$build/browser/TaviskHost.exe" X64 >/dev/null 2>&1 &
started+=($!)
wine "$build/tests/bookmarks/OpenBookmarksMenu.exe" 1
sleep 1
tools/screenshot.sh out/bookmarks-menu.png
echo "bookmarks-menu-shot: saved out/bookmarks-menu.png"
