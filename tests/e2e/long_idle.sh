#!/usr/bin/env bash
# Ten real minutes of idling: the idler's USER and GDI objects, handles and memory,
# sampled every minute, stay flat; the figures are printed.
set -euo pipefail
source "$(dirname "$0")/e2e_lib.sh"
trap e2e_stop EXIT
MINUTES=${MINUTES:-10}
sample() { "$WINE" "$PROBE" resources 2>/dev/null | tr -d '\r'; }
field() { echo "$1" | awk -v k="$2" '{ for (i = 1; i < NF; i++) if ($i == k) print $(i + 1) }'; }

e2e_start
load_layout
start_standin
start_up_with_handle "Ann Lee"
click Form2 Label1
wait_for_records CHAT 3
first=$(sample)
echo "minute 0: $first"
for minute in $(seq "$MINUTES"); do
  sleep 60
  echo "minute $minute: $(sample)"
done
last=$(sample)
wait_for_records CHAT $((3 + 2 * MINUTES)) 30
for key in user_objects gdi_objects handles; do
  [ "$(field "$last" $key)" -le "$(field "$first" $key)" ] ||
    fail "$key grew from $(field "$first" $key) to $(field "$last" $key)"
done
grown=$(($(field "$last" working_set_kb) - $(field "$first" working_set_kb)))
[ "$grown" -le 1024 ] || fail "the working set grew by $grown KB"
echo "long_idle: passed"
