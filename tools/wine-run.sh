#!/usr/bin/env bash
# Runs a Windows program under wine64 in the given prefix: usage wine-run.sh PREFIX PROGRAM [ARGS...]
# The prefix is made on first use, with the null graphics driver so windows exist without a display,
# and a persistent wineserver so later runs start fast (tools/test.sh stops it at the end).
set -euo pipefail
prefix=$1; shift
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export WINELOADER=/usr/lib/wine/wine64 WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/.ready" ]; then
    mkdir -p "$prefix"
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
    /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "${WINE_GRAPHICS:-null}" /f >/dev/null 2>&1
    touch "$prefix/.ready"
  fi
  /usr/lib/wine/wineserver -p 2>/dev/null || true
) 9>"$prefix.lock"
exec /usr/lib/wine/wine64 "$@"
