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

source tools/x11-desktop.sh
start_display

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
