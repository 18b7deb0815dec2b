#!/usr/bin/env bash
# Start-up and the main window's commands with Wine at the dpi given ($1): each window
# shows at its size in inches (the layout at that dpi, so 1.5 times the pixels at 144),
# and the clicks, made where the layout puts the labels at that dpi, land.
set -euo pipefail
export E2E_DPI=${1:?usage: startup_at_dpi.sh dpi}
source "$(dirname "$0")/e2e_lib.sh"
trap e2e_stop EXIT
e2e_start
load_layout
start_standin --im=close

start_up_with_handle "Ann Lee"  # each form is found only at its size at this dpi
wait_for_records CHAT 2
expect_record CHAT 2 '< font . color=#1e90ff > \x8b\xac\xb7 < font . color=#f00f00 > Loaded by: Ann Lee \x8b\x9b '
screenshot "main-window-${E2E_DPI}dpi"

click Form2 Label1  # Start
wait_for_records CHAT 3
expect_record KEYWORD 1 'aol://2719:2-2-idle'
click Form2 Label2  # Stop
wait_for_records CHAT 4
expect_record CHAT 4 '< font . color=#1e90ff > \x8b\xac\xb7 < font . color=#f00f00 > Velto Idle \x8b\x9b [ Stopped ]'
click Form2 Label12  # the private rooms
wait_for_form Form3
click Form3 Label9  # Exit
click Form2 Label7  # x
wait_until 20 idler_gone || fail "velto-idler.exe still runs after x"
echo "startup_at_dpi $E2E_DPI: passed"
