#!/usr/bin/env bash
# velto.dll drives standin-host.exe under Wine, called as a script language calls it:
# dll-caller.exe loads the DLL with LoadLibrary and finds each function with
# GetProcAddress. A routine of every family, checked against what it returns and what the
# stand-in host logged, and the bad-argument results. Needs DLL_CALLER, VELTO_DLL, HOST_DIR.
set -euo pipefail
REPO_ROOT=${REPO_ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
APP_DIR=$HOST_DIR
source "$REPO_ROOT/tests/e2e/e2e_lib.sh"
trap e2e_stop EXIT
e2e_start
DLL=$(winepath_of "$VELTO_DLL")

# call <routine> <signature> [arguments...]: calls velto_<routine>; the result and each
# buffer, a line each, in $OUT.
call() {
  local routine=velto_$1
  shift
  OUT=$("$WINE" "$DLL_CALLER" "$DLL" "$routine" "$@" 2>"$E2E_WORK/stderr" | tr -d '\r') || {
    local status=$?
    fail "dll-caller $* ended with $status: $(cat "$E2E_WORK/stderr")"
  }
}
expect_output() {
  [ "$OUT" = "$1" ] || fail "expected [$1] got [$OUT]"
}

start_standin --name=Tester --people=Alice,Bob --im=close
chat_room_open() { call FindChatRoom W && [ "$OUT" != 0 ]; }
wait_until 30 chat_room_open || fail "velto_FindChatRoom found no chat room"
room=$OUT

echo "-- host routines: SendChatLine with the five marks, as the host's single bytes"
call SendChatLine It "‹ ¬ · › • and 日本"
expect_output -1
wait_for_records CHAT 1
expect_record CHAT 1 $'\x8b \xac \xb7 \x9b \x95 and ??'
call OpenKeyword It "news"
expect_output -1
wait_for_records KEYWORD 1
expect_record KEYWORD 1 "news"
call SendInstantMessage Itt Alice "hi there"
expect_output 0  # VELTO_IM_TAKEN
wait_for_records IM 1
expect_record IM 1 "Alice hi there"
call GetScreenName Io
expect_output $'6\nTester'
call GetWindowCaption Iwo "$room"
caption=$(sed -n 2p <<<"$OUT")
[ -n "$caption" ] || fail "velto_GetWindowCaption gave the chat room no caption"

echo "-- window primitives: GetControlText reads the same caption"
call GetControlText Iwo "$room"
[ "$(sed -n 2p <<<"$OUT")" = "$caption" ] || fail "GetControlText [$OUT] is not the caption [$caption]"

echo "-- chat and people: CountChatPeople"
call CountChatPeople I
expect_output 2

echo "-- mail: no mailbox and no write window open"
call FindMailboxWindow W
expect_output 0
call CountMailTab1 I
expect_output 0

echo "-- files: WriteIniValue, then ReadIniValue writes the lower-cased key back"
ini="$E2E_WORK/settings.ini"
call WriteIniValue Itttt Idler reason "out to lunch ›" "$(winepath_of "$ini")"
expect_output 0
call ReadIniValue Itbto Idler REASON "$(winepath_of "$ini")"
expect_output $'14\nreason\nout to lunch ›'

echo "-- text tools and text art, beyond Windows-1252"
call ReverseText Ito "a😀日"
expect_output $'4\n日😀a'
call ReplaceText Ibtto "abc" "b" "X"
expect_output $'3\naXc\naXc'

echo "-- bad arguments: a handle naming no window, a window of the wrong class"
call GetWindowCaption Iwo 12345678
expect_output -2
call ListChatPeople Iwi "$room" -1
expect_output -2

echo "-- nothing else reached the host"
[ "$(count_records CHAT)" = 1 ] && [ "$(count_records KEYWORD)" = 2 ] &&
  [ "$(count_records IM)" = 1 ] || fail "unexpected records"

echo "velto.dll end to end: all as expected"
