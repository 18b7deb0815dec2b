#!/usr/bin/env bash
# velto.dll drives standin-host.exe under Wine, called as a script language calls it:
# dll-caller.exe loads the DLL with LoadLibrary and finds each function with
# GetProcAddress. A routine of every family, checked against what it returns and what the
# stand-in host logged, the bad-argument results, and each call's outcome against the
# stand-in's misbehaviour (a hang, a room that closes, an IM window that never opens, a
# quit). Needs DLL_CALLER, VELTO_DLL, HOST_DIR.
set -euo pipefail
REPO_ROOT=${REPO_ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
APP_DIR=$HOST_DIR
source "$REPO_ROOT/tests/e2e/e2e_lib.sh"
trap e2e_stop EXIT
e2e_start
DLL=$(winepath_of "$VELTO_DLL")

CONTROL="$E2E_WORK/control.txt"
: >"$CONTROL"
order() { echo "$1" >>"$CONTROL"; }

# call <routine> <signature> [arguments...]: calls velto_<routine>; the result and each
# buffer, a line each, in $OUT; the call's outcome ("<code> <name>") in $OUTCOME.
call() {
  local routine=velto_$1
  shift
  OUT=$("$WINE" "$DLL_CALLER" "$DLL" "$routine" "$@" 2>"$E2E_WORK/stderr" | tr -d '\r') || {
    local status=$?
    fail "dll-caller $* ended with $status: $(cat "$E2E_WORK/stderr")"
  }
  OUTCOME=$(tr -d '\r' <"$E2E_WORK/stderr" | sed -n 's/^outcome: //p')
}
expect_output() {
  [ "$OUT" = "$1" ] || fail "expected [$1] got [$OUT]"
}
expect_outcome() {
  [ "$OUTCOME" = "$1" ] || fail "expected the outcome [$1] got [$OUTCOME]"
}

start_standin --name=Tester --people=Alice,Bob --im=close --control="$(winepath_of "$CONTROL")"
chat_room_open() { call FindChatRoom W && [ "$OUT" != 0 ]; }
wait_until 30 chat_room_open || fail "velto_FindChatRoom found no chat room"
room=$OUT

echo "-- host routines: SendChatLine with the five marks, as the host's single bytes"
call SendChatLine It "‹ ¬ · › • and 日本"
expect_output -1
expect_outcome "0 done"
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
expect_outcome "5 bad argument"
call ListChatPeople Iwi "$room" -1
expect_output -2
echo "   a flag never reads as true for a bad argument"
call ClickControl Iw 12345678
expect_output 0
expect_outcome "5 bad argument"

echo "-- nothing else reached the host"
[ "$(count_records CHAT)" = 1 ] && [ "$(count_records KEYWORD)" = 2 ] &&
  [ "$(count_records IM)" = 1 ] || fail "unexpected records"

echo "-- outcomes: a hung host did not answer, within the 5 s bound"
order hang:20
sleep 2  # the stand-in reads its orders every 0.2 s
started=$(date +%s%N)
call SendChatLine It "into the hang"
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
expect_output 0
expect_outcome "2 the host did not answer"
echo "   the call ended in ${elapsed_ms} ms"
# The bound is 5 s; the rest is the caller's own start under Wine (or emulation).
[ "$elapsed_ms" -lt 12000 ] || fail "the hung send took ${elapsed_ms} ms"
host_answers() { call GetControlText Iwo "$room" && [ "$OUTCOME" = "0 done" ]; }
wait_until 40 host_answers || fail "the host did not come back from its hang"

echo "-- outcomes: an IM window that never opens times out"
order never-open-im
sleep 2  # read by the stand-in within 0.2 s of its next look
call SendInstantMessage Itt Alice "lost"
expect_output 2  # VELTO_IM_TIMED_OUT
expect_outcome "3 timed out"

echo "-- outcomes: a room that closes as the line arrives, then no room"
order close-room
sleep 2
call SendChatLine It "the last line"
expect_output 0
expect_outcome "2 the host did not answer"
room_gone() { call FindChatRoom W && [ "$OUT" = 0 ]; }
wait_until 10 room_gone || fail "the room did not close"
call SendChatLine It "to no room"
expect_outcome "1 nothing to act on"

echo "-- outcomes: no host at all"
order quit
host_gone() { ! window_exists "America Online"; }
wait_until 30 host_gone || fail "the stand-in host did not quit"
call OpenKeyword It "news"
expect_output 0
expect_outcome "1 nothing to act on"

echo "velto.dll end to end: all as expected"
