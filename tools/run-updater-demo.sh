#!/usr/bin/env bash
# The updater demo: serves a few files from 127.0.0.1, writes an "Update.ini" for them into a
# program folder with a copy of Nebrok.exe, runs it under Wine and reports what arrived.
# Usage: tools/run-updater-demo.sh [BUILD_DIR]  (a win64 build holding Nebrok.exe and the tests)
# Every process it starts, it ends; the Wine prefix is its own, inside the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-$root/build/win64}
nebrok=$build/updater/Nebrok.exe
marker=$build/tests/updater/updater_marker.exe
for f in "$nebrok" "$marker"; do [ -f "$f" ] || { echo "updater demo: $f is missing; build win64 first" >&2; exit 1; }; done

prefix=$build/wineprefix-updater-demo
work=$(mktemp -d /tmp/updater-demo.XXXXXX)
server_pid=
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  [ -d "$prefix" ] && WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# What the server offers: a program (started at the end) and two data files.
mkdir -p "$work/site/files" "$work/program"
cp "$marker" "$work/site/files/app.exe"
printf 'Release notes of the new version\r\n' > "$work/site/files/readme.txt"
head -c 300000 /dev/urandom > "$work/site/files/data.bin"

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$work/site" >"$work/server.log" 2>&1 &
server_pid=$!
for _ in $(seq 50); do python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" 2>/dev/null && break; sleep 0.1; done

cp "$nebrok" "$work/program/"
printf 'old notes\r\n' > "$work/program/readme.txt"  # an older copy: it becomes readme.BAK
url=http://127.0.0.1:$port/files
printf '[Version]\r\nVer=1.1\r\n[HTTP]\r\nApp=%s/app.exe\r\nNotes=%s/readme.txt\r\nData=%s/data.bin\r\n' \
  "$url" "$url" "$url" > "$work/program/Update.ini"

# A fresh prefix starts its desktop before the null graphics driver is set; restart it once.
if [ ! -f "$prefix/.ready" ]; then
  tools/wine-run.sh "$prefix" cmd.exe /c ver >/dev/null 2>&1 || true
  WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
  WINEPREFIX=$prefix /usr/lib/wine/wineserver -w 2>/dev/null || true
fi
echo "updater demo: running Nebrok.exe in $work/program against $url"
timeout 120 tools/wine-run.sh "$prefix" "$work/program/Nebrok.exe" || { echo "updater demo: Nebrok.exe did not end" >&2; exit 1; }
for _ in $(seq 100); do [ -f "$work/program/started.marker" ] && break; sleep 0.1; done

status=0
for name in app.exe readme.txt data.bin; do
  if cmp -s "$work/site/files/$name" "$work/program/$name"; then
    echo "  arrived: $name ($(stat -c %s "$work/program/$name") bytes)"
  else
    echo "  MISSING or different: $name"; status=1
  fi
done
[ "$(cat "$work/program/readme.BAK" 2>/dev/null)" = $'old notes\r' ] && echo "  backup:  readme.BAK holds the old readme.txt" || { echo "  backup readme.BAK missing"; status=1; }
[ -f "$work/program/started.marker" ] && echo "  started: app.exe (the first row) left its marker" || { echo "  app.exe was not started"; status=1; }
echo "  requests served:"; grep -o '"GET [^"]*"' "$work/server.log" | sed 's/^/    /'
exit $status
