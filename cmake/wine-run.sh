#!/usr/bin/env bash
# Runs a Windows test program under wine64. The caller (scripts/test) provides
# WINEPREFIX and DISPLAY; without them the program is run in a default prefix.
# VELTO_WINE_DPI runs it with Wine at that many dots per inch, restored afterwards.
WINE=/usr/lib/wine/wine64
# A 32-bit test program needs a kernel that runs 32-bit programs, or qemu-i386 registered.
# scripts/test has decided that once for every program (VELTO_X86_RUNNER); a program run
# by hand decides it here.
if [ -z "${VELTO_X86_RUNNER:-}" ]; then
  source "$(dirname "$0")/../scripts/x86-runner.sh"
  x86_runner_ensure >/dev/null 2>&1 || true
fi
DESKTOP='HKCU\Control Panel\Desktop'
if [ -z "${VELTO_WINE_DPI:-}" ]; then
  exec "$WINE" "$@"
fi
"$WINE" reg add "$DESKTOP" /v LogPixels /t REG_DWORD /d "$VELTO_WINE_DPI" /f >/dev/null 2>&1
"$WINE" "$@"
status=$?
"$WINE" reg delete "$DESKTOP" /v LogPixels /f >/dev/null 2>&1
exit $status
