#!/usr/bin/env bash
# Runs a Windows test program under wine64. The caller (scripts/test) provides
# WINEPREFIX and DISPLAY; without them the program is run in a default prefix.
exec /usr/lib/wine/wine64 "$@"
