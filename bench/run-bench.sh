#!/usr/bin/env bash
# Downloads a 256 MiB body from 127.0.0.1 with our client (native, and win64 under Wine) and
# with curl, and prints each throughput and the ratio to curl's.
# Usage: bench/run-bench.sh [BUILD_ROOT]  (optimised builds go to BUILD_ROOT/native and /win64)
set -euo pipefail
cd "$(dirname "$0")/.."
builds=${1:-$PWD/build/bench}
native=$builds/native
win64=$builds/win64
cmake -S bench -B "$native" -G Ninja >/dev/null && cmake --build "$native" >/dev/null
cmake -S bench -B "$win64" -G Ninja --toolchain "$PWD/cmake/mingw-x86_64.cmake" >/dev/null && cmake --build "$win64" >/dev/null
work=$(mktemp -d /tmp/http-bench.XXXXXX)
server=
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  [ -d "$win64/wineprefix" ] && WINEPREFIX=$win64/wineprefix /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

"$native/HttpBench" serve "$work/port" &
server=$!
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
url=http://127.0.0.1:$(cat "$work/port")/big.bin

mibps() { sed -n 's/.*mibps=\([0-9.]*\).*/\1/p'; }
ours=$("$native/HttpBench" get "$url")
echo "native client: $ours"
curl_rate=$(curl -s -o /dev/null -w '%{speed_download}' "$url")
curl_mibps=$(python3 -c "print(f'{$curl_rate / 1048576:.1f}')")
echo "curl:          mibps=$curl_mibps"
python3 -c "print(f'native ratio to curl: {$(echo "$ours" | mibps) / $curl_mibps:.2f}')"
wine=$(timeout 300 tools/wine-run.sh "$win64/wineprefix" "$win64/HttpBench.exe" get "$url" | tr -d '\r')
echo "win64 client under Wine: $wine"
python3 -c "print(f'Wine ratio to curl: {$(echo "$wine" | mibps) / $curl_mibps:.2f}')"
