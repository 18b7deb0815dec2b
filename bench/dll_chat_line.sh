#!/usr/bin/env bash
# Runs dll-chat-line-bench under Wine against standin-host.exe (x64 build).
#   bench/dll_chat_line.sh [lines of each kind]
set -euo pipefail
REPO_ROOT=$(cd "$(dirname "$0")/.." && pwd)
build=$REPO_ROOT/build/windows-x64
APP_DIR=$build/src/app
PROBE=$build/tests/e2e/velto-probe.exe
source "$REPO_ROOT/tests/e2e/e2e_lib.sh"
trap e2e_stop EXIT
e2e_start
start_standin --name=Tester
"$WINE" "$build/bench/dll-chat-line-bench.exe" "$(winepath_of "$build/src/dll/velto.dll")" "${1:-500}" | tr -d '\r'
