# Sourced by the scripts that show windows: an X display (a private Xvfb when there is none) and
# a Wine prefix of its own whose graphics driver is x11, since the test prefix draws nothing.
# Needs $build; every process started through it is ended on exit.
prefix=$build/wineprefix-x11
started=()
cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -d "$prefix" ] && WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

wine() { WINE_GRAPHICS=x11 tools/wine-run.sh "$prefix" "$@"; }

start_display() {
  if [ -z "${DISPLAY:-}" ]; then
    local n=77
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    started+=($!)
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    export DISPLAY=:$n
  fi
  # Prefix creation alone takes a while: make it before anything is timed.
  wine cmd /c exit >/dev/null 2>&1 || true
  # Xvfb has no window manager: Wine draws the caption and frame itself.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
}
