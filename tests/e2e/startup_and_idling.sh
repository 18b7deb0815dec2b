#!/usr/bin/env bash
# Start-up, one real idle minute, Stop, then x while idling.
set -euo pipefail
source "$(dirname "$0")/e2e_lib.sh"
trap e2e_stop EXIT
e2e_start
load_layout
start_standin --im=close

start_up_with_handle "Ann Lee"
wait_for_records CHAT 2
expect_record CHAT 1 '< font . color=#1e90ff > \x8b\xac\xb7 < font . color=#f00f00  > Velto Idle by: Vrel'
expect_record CHAT 2 '< font . color=#1e90ff > \x8b\xac\xb7 < font . color=#f00f00 > Loaded by: Ann Lee \x8b\x9b '
expect_gap CHAT 1 2 0.45 0.9
screenshot startup

click Form2 Label1  # Start
wait_for_records KEYWORD 1
expect_record KEYWORD 1 'aol://2719:2-2-idle'
wait_for_records CHAT 3
expect_record CHAT 3 '< font . color=#1e90ff > \x8b\xac\xb7 < font . color=#f00f00 >Velto Idler \x8b\x9b [ Started  ]'

# One real minute: the banner, then the idle line 0.2 s later with the count and reason.
wait_for_records CHAT 5 90
expect_record CHAT 4 '< font . color=#1e90ff > \x8b\xac\xb7 < font . color=#f00f00 > Velto Idle By Vrel \x8b\x9b'
expect_record CHAT 5 '< font . color=#1e90ff > \x8b\xac\xb7 < font . color=#f00f00 > [<b>1</b>] Min \x95 [Reason???]    '
expect_gap CHAT 3 4 59 62
expect_gap CHAT 4 5 0.15 0.6
screenshot idling

click Form2 Label2  # Stop
wait_for_records CHAT 6
expect_record CHAT 6 '< font . color=#1e90ff > \x8b\xac\xb7 < font . color=#f00f00 > Velto Idle \x8b\x9b [ Stopped ]'

click Form2 Label1  # Start again, then x while idling
wait_for_records CHAT 7
click Form2 Label7
wait_for_records CHAT 9
expect_record CHAT 8 '< font . color=#1e90ff > \x8b\xac\xb7 < font . color=#f00f00 > Velto Idle By Vrel \x8b\x9b'
expect_record CHAT 9 '< font . color=#1e90ff > \x8b\xac\xb7 < font . color=#f00f00 > Unloaded \x8b\x9b '
wait_until 20 idler_gone || fail "velto-idler.exe still runs after x"
sleep 1
[ "$(count_records CHAT)" -eq 9 ] || fail "lines after x"
echo "startup_and_idling: passed"
