# Sourced by the scripts that run Windows programs: a Wine prefix of our own and a
# virtual display, both started on demand and stopped by wine_env_stop.

REPO_ROOT=${REPO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$REPO_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
WINE=/usr/lib/wine/wine64
XVFB_PID=""
source "$REPO_ROOT/scripts/x86-runner.sh"

# 32-bit programs are made runnable first (where the kernel needs qemu-i386 for them), so
# that a prefix made now gets its 32-bit half.
wine_env_start() {
  x86_runner_ensure || true
  if [ -z "${DISPLAY:-}" ] || [ "${VELTO_OWN_DISPLAY:-1}" = 1 ]; then
    wine_display_start || return 1
  fi
  wine_prefix_ready || wine_prefix_make
}

# A virtual display of our own. The server picks a free display number itself and says
# which once it accepts connections, so runs started side by side never share one.
wine_display_start() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 300); do
    if [ -s "$number_file" ]; then
      export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
      rm -f "$number_file"
      return 0
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number_file"
  echo "!! no virtual display could be started" >&2
  kill "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
  return 1
}

# What a prefix holds once wineboot has made each half of it.
wine_prefix_has_64bit_half() { [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]; }
wine_prefix_has_32bit_half() { [ -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; }

# The halves a prefix was made with, as its mark records them.
wine_prefix_halves() { if wine_prefix_has_32bit_half; then echo wow64; else echo win64; fi; }

# A prefix is used only when it was booted to the end and has every half this machine can
# run: wineboot never adds the 32-bit half to a prefix made without it, which a prefix made
# before 32-bit Wine was installed, or while the kernel could not run it, is.
wine_prefix_ready() {
  [ -f "$WINEPREFIX/.velto-ready" ] && wine_prefix_has_64bit_half || return 1
  # x86_runner_ensure has decided, by evidence, whether 32-bit programs run here.
  if ! wine_prefix_has_32bit_half && [ "${X86_RUNNER:-none}" != none ]; then
    echo "The Wine prefix $WINEPREFIX has no 32-bit half, which this machine now runs; making it anew." >&2
    return 1
  fi
}

# Makes the prefix from scratch. A failed boot leaves no prefix behind to be used.
wine_prefix_make() {
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  local log="$WINEPREFIX.boot.log"
  if ! WINEDEBUG=err+all "$WINE" wineboot --init >"$log" 2>&1 ||
    ! /usr/lib/wine/wineserver -w || ! wine_prefix_has_64bit_half; then
    echo "!! wineboot could not make the Wine prefix $WINEPREFIX; its output:" >&2
    tail -20 "$log" >&2
    rm -rf "$WINEPREFIX"
    return 1
  fi
  # Without a window manager, hiding a window would stall 2 s unless Wine manages none.
  $WINE reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -w || true
  # Wine draws with the fonts of the prefix's Fonts folder: without its own Marlett the
  # caption buttons read "0 1 r", and without its MS Sans Serif the labels' text is wider
  # than on Windows.
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wine_prefix_halves >"$WINEPREFIX/.velto-ready"
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
