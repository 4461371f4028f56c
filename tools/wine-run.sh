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
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 9>&-
    /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "${WINE_GRAPHICS:-null}" /f >/dev/null 2>&1 9>&-
    # The desktop came up with the default driver: restart so every process uses the one just set.
    /usr/lib/wine/wineserver -k 9>&- 2>/dev/null || true
    /usr/lib/wine/wineserver -w 9>&- 2>/dev/null || true
    touch "$prefix/.ready"
  fi
  # A freshly started server gets its system processes booted here, with no pipe of the caller
  # open: a test's own wine process would otherwise start them holding its output, and the test
  # runner would wait for them forever.
  if /usr/lib/wine/wineserver -p >/dev/null 2>&1 9>&- </dev/null; then
    /usr/lib/wine/wine64 wineboot >/dev/null 2>&1 9>&- </dev/null
  fi
) 9>"$prefix.lock"
exec /usr/lib/wine/wine64 "$@"
