# Sourced by the scripts that run Windows programs: a Wine prefix of our own and a
# virtual display, both started on demand and stopped by wine_env_stop.

REPO_ROOT=${REPO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$REPO_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
WINE=/usr/lib/wine/wine64
XVFB_PID=""

wine_env_start() {
  if [ -z "${DISPLAY:-}" ] || [ "${VELTO_OWN_DISPLAY:-1}" = 1 ]; then
    local n=$((90 + RANDOM % 800))
    while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
  fi
  # A prefix made before 32-bit Wine was installed lacks its 32-bit half: make it anew.
  # (The mark says which Wine made it; a machine that runs no 32-bit programs still gets
  # an empty 32-bit half, and that is not worth remaking every time.)
  if [ -f "$WINEPREFIX/.velto-ready" ] && [ -e /usr/lib/wine/wine ] &&
    ! grep -qx wow64 "$WINEPREFIX/.velto-ready"; then
    rm -f "$WINEPREFIX/.velto-ready"
  fi
  if [ ! -f "$WINEPREFIX/.velto-ready" ]; then
    mkdir -p "$WINEPREFIX"
    $WINE wineboot --init >/dev/null 2>&1 || true
    # Without a window manager, hiding a window would stall 2 s unless Wine manages none.
    $WINE reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    /usr/lib/wine/wineserver -w || true
    # Wine draws with the fonts of the prefix's Fonts folder: without its own Marlett the
    # caption buttons read "0 1 r", and without its MS Sans Serif the labels' text is wider
    # than on Windows.
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    if [ -e /usr/lib/wine/wine ]; then echo wow64; else echo win64; fi >"$WINEPREFIX/.velto-ready"
  fi
}

# The dots per inch Wine gives its programs (Windows' "LogPixels"); 96 is Wine's default.
wine_set_dpi() {
  if [ "$1" = 96 ]; then
    $WINE reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
  else
    $WINE reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  fi
}

wine_env_stop() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  /usr/lib/wine/wineserver -w >/dev/null 2>&1 || true
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
}
