#!/usr/bin/env bash
# What the library sees, against standin-host.exe: velto-run's --tree names the room, a
# room still opening (with the control it lacks) and the instant-message window; its
# --trace of a chat line and of an instant message shows the very bytes the stand-in
# logged, and of a hung stand-in the send it did not answer; velto.dll's
# DescribeHostWindows gives the same tree. Needs VELTO_RUN, DLL_CALLER, VELTO_DLL.
set -euo pipefail
source "$(dirname "$0")/e2e_lib.sh"
trap e2e_stop EXIT
e2e_start

# run <arguments...>: velto-run's standard output in $OUT, its standard error in $ERR.
run() {
  local status=0
  OUT=$("$WINE" "$VELTO_RUN" "$@" 2>"$E2E_WORK/stderr" | tr -d '\r'; exit "${PIPESTATUS[0]}") || status=$?
  ERR=$(tr -d '\r' <"$E2E_WORK/stderr")
  STATUS=$status
}
# The tree's line of the window with this class and caption (handle and indent left off).
tree_line() { grep -F " \"$1\" \"$2\" " <<<"$OUT" | head -1 | sed 's/^ *0x[0-9a-f]* //' || true; }
expect_tree_line() {
  local line
  line=$(tree_line "$1" "$2")
  [ "$line" = "\"$1\" \"$2\" $3" ] || fail "the tree's line for \"$2\": expected [\"$1\" \"$2\" $3] got [$line]"
}
# The bytes a trace line shows as text "..." (its \xNN escapes made bytes again).
traced_text() { sed -n 's/.* text "\(.*\)" -> .*/\1/p' <<<"$1" | sed 's/\\"/"/g' | xargs -0 printf '%b'; }

echo "-- no host: the tree says so and there is nothing to act on"
run --tree
[ "$STATUS" = 3 ] || fail "--tree without a host ended $STATUS"
[ -z "$OUT" ] && [[ "$ERR" == *"nothing to act on"* ]] || fail "said [$OUT] [$ERR]"

CONTROL="$E2E_WORK/control.txt"
: >"$CONTROL"
start_standin --room=Lobby --decoy-room="Lobby 2" --control="$(winepath_of "$CONTROL")"

echo "-- the tree: the room, the room still opening, the instant-message window"
run OpenKeyword "aol://9293:Bob"
# The stand-in makes the window's controls one by one after the window: its text box,
# then ten icons, "Send" the ninth.
im_open() {
  run --tree &&
    [ "$(grep -A11 -F '"AOL Child" "Send Instant Message"' <<<"$OUT" | grep -c '"_AOL_Icon"')" = 10 ]
}
wait_until 20 im_open || fail "no instant-message window in the tree: $OUT"
expect_tree_line "AOL Frame25" "America Online" "visible  <- the host's frame (FindHostFrame)"
expect_tree_line "AOL Child" "Lobby" "visible  <- the chat room FindChatRoom uses"
expect_tree_line "AOL Child" "Lobby 2" \
  "visible  <- not the chat room (FindChatRoom): no \"_AOL_Listbox\""
expect_tree_line "AOL Child" "Send Instant Message" \
  "visible  <- an instant-message window (SendInstantMessage)"
expect_tree_line "_AOL_Icon" "Send" "visible  <- the instant message's send button (SendInstantMessage)"
first=$(head -1 <<<"$OUT")
[[ "$first" == 0x*' "AOL Frame25" '* ]] || fail "the frame is not the first line: $first"
cli_tree=$OUT

echo "-- velto.dll: DescribeHostWindows gives the same tree"
OUT=$("$WINE" "$DLL_CALLER" "$(winepath_of "$VELTO_DLL")" velto_DescribeHostWindows Io 2>/dev/null | tr -d '\r')
[ "$(sed 1d <<<"$OUT")" = "$cli_tree" ] || fail "the DLL's tree differs: $(diff <(sed 1d <<<"$OUT") <(echo "$cli_tree") | head -5)"

echo "-- the stand-in's system menu: its own tree, as the library reads it"
probe system-command "America Online" 0x0200 >/dev/null
wait_until 20 window_exists "The window tree as the library reads it" || fail "no window of the tree"
shown=$(probe child-text "The window tree as the library reads it")
grep -qF '"AOL Child" "Lobby 2" visible  <- not the chat room (FindChatRoom): no "_AOL_Listbox"' <<<"$shown" ||
  fail "the stand-in's own tree lacks the room still opening: $shown"

echo "-- the trace of SendChatLine: the bytes the stand-in logged, then the return"
run --trace SendChatLine "hi ‹›"
[ "$STATUS" = 0 ] || fail "SendChatLine ended $STATUS: $ERR"
echo "$ERR"
wait_for_records CHAT 1
settext=$(grep -F 'WM_SETTEXT wParam 0 text "hi \x8b\x9b" -> 1, answered' <<<"$ERR") ||
  fail "no WM_SETTEXT of the line's bytes: $ERR"
[ "$(traced_text "$settext")" = "$(record_text CHAT 1)" ] || fail "the traced bytes are not the logged ones"
grep -q 'WM_CHAR wParam 13 lParam 0x0 -> ' <<<"$ERR" || fail "no return typed: $ERR"
[ "$(tail -1 <<<"$ERR" | sed 's/^ *[0-9.]* ms  //')" = "outcome done" ] || fail "the last line is not the outcome"

echo "-- the trace of SendInstantMessage: the keyword, the text, the click, the waits"
run --trace SendInstantMessage Alice "see you ›"
[ "$STATUS" = 0 ] || fail "SendInstantMessage ended $STATUS: $ERR"
wait_for_records IM 1
message=$(grep -F '"RICHCNTL" "" WM_SETTEXT wParam 0 text "see you \x9b"' <<<"$ERR") ||
  fail "no WM_SETTEXT of the message: $ERR"
[ "Alice $(traced_text "$message")" = "$(record_text IM 1)" ] || fail "the traced message is not the logged one"
grep -q '"_AOL_Icon" "Send" WM_LBUTTONUP' <<<"$ERR" || fail "no click on the send button: $ERR"
[ "$(grep -c '  wait [0-9.]* ms, held$' <<<"$ERR")" -ge 2 ] || fail "the waits are not shown: $ERR"

echo "-- a hung stand-in: the send it did not answer, and the outcome"
echo hang:20 >>"$CONTROL"
sleep 2  # the stand-in reads its orders every 0.2 s
run --trace SendChatLine "into the hang"
[ "$STATUS" = 4 ] || fail "SendChatLine into the hang ended $STATUS"
grep -q 'WM_SETTEXT wParam 0 text "into the hang" -> not answered in time' <<<"$ERR" ||
  fail "the unanswered send is not shown: $ERR"
[ "$(tail -1 <<<"$ERR" | sed 's/^ *[0-9.]* ms  //')" = "outcome the host did not answer" ] ||
  fail "the last line is not the outcome: $ERR"
echo "seeing what the library sees: passed"
