#!/usr/bin/env bash
# The private rooms in click order, back to the main window, then Alt+F4 on it.
set -euo pipefail
source "$(dirname "$0")/e2e_lib.sh"
trap e2e_stop EXIT
e2e_start
load_layout
start_standin
start_up_with_handle ""
wait_for_records CHAT 2

click Form2 Label12  # Privite rooms
wait_for_form Form3
screenshot rooms
labels=(Label1 Label2 Label3 Label4 Label5 Label6 Label7 Label8)
rooms=(Mp3 icp vb4 vb progz vb6 phishy vb4)
for i in "${!labels[@]}"; do
  click Form3 "${labels[$i]}"
  wait_for_records KEYWORD $((i + 1))
  expect_record KEYWORD $((i + 1)) "aol://2719:2-2-${rooms[$i]}"
done
click Form3 Label9  # Exit
wait_for_form Form2

# Closing the main window by the system's means says the unload line, then ends.
# The keys go to the active window: a click on the main window's empty background (its
# lower right corner) makes it so, as it would for a user.
read -r left top width height <<<"$(awk '$1 == "Form2" && $2 == "-" { print $3, $4, $5, $6 }' "$LAYOUT")"
xdotool mousemove $((left + width - 12)) $((top + height - 12)) click 1
give_keys_to_window "$(form_window Form2)" $((left + width - 12)) $((top + height - 12)) \
  "Alt+F4 on the main window"
xdotool key alt+F4
wait_until 30 has_records CHAT 3 || fail "Alt+F4 on the main window, the active window: no unload line after 30 s"
wait_for_records CHAT 3
expect_record CHAT 3 '<> Velto Idle \x8b\x9b By: Vrel'
wait_until 20 idler_gone || fail "velto-idler.exe still runs after Alt+F4"
[ "$(count_records CHAT)" -eq 3 ] || fail "unexpected lines"
echo "rooms_and_close: passed"
