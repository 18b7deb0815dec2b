#!/usr/bin/env bash
# Im off, then im on, under the host answer given as $1 (close, box or never).
set -euo pipefail
source "$(dirname "$0")/e2e_lib.sh"
answer=${1:?close, box or never}
trap e2e_stop EXIT
e2e_start
load_layout
start_standin --im="$answer"
start_up_with_handle "me"
wait_for_records CHAT 2

click Form2 Label10  # Im off
wait_for_records KEYWORD 1
expect_record KEYWORD 1 'aol://9293:$IM_OFF'
if [ "$answer" = never ]; then
  # The host never opens the window: nothing may be announced, and the program stays
  # usable while it waits; x still quits.
  sleep 5
  [ "$(count_records CHAT)" -eq 2 ] || fail "announced although nothing happened"
  click Form2 Label7
  wait_for_records CHAT 4
  wait_until 20 idler_gone || fail "velto-idler.exe still runs after x"
  echo "instant_messages $answer: passed"
  exit 0
fi
wait_for_records IM 1 20
expect_record IM 1 '$IM_OFF Vrel owns you'
wait_for_records CHAT 3 20
expect_record CHAT 3 '< font . color=#1e90ff > \x8b\xac\xb7 < font . color=#f00f00 >Velto Idler \x8b\x9b [ ims are now off  ]'

click Form2 Label11  # im on
wait_for_records IM 2 20
expect_record IM 2 '$IM_ON Vrel owns you'
wait_for_records CHAT 4 20
expect_record CHAT 4 '< font . color=#1e90ff > \x8b\xac\xb7 < font . color=#f00f00 >Velto Idler \x8b\x9b [ ims are now on  ]"'
sleep 1
window_exists "Send Instant Message" && fail "an instant-message window was left open"
echo "instant_messages $answer: passed"
