# Drives velto-idler.exe and standin-host.exe under Wine on a virtual display, with
# real X input, and reads what the stand-in host received from its log.
# Sourced by the scenario scripts and by scripts/run. Needs: APP_DIR (the folder with
# both programs), REPO_ROOT. IDLER_DIR and HOST_DIR, when set, take the idler and the
# stand-in host from other folders (a 64-bit idler beside a 32-bit host, say); E2E_DPI
# runs the programs at that many dots per inch (96 unless set).

source "$REPO_ROOT/scripts/wine-env.sh"

IDLER_DIR=${IDLER_DIR:-$APP_DIR}
HOST_DIR=${HOST_DIR:-$APP_DIR}
E2E_DPI=${E2E_DPI:-96}

E2E_WORK=${E2E_WORK:-$(mktemp -d /tmp/velto-e2e.XXXXXX)}
HOST_LOG="$E2E_WORK/host.log"
LAYOUT="$E2E_WORK/layout.txt"
STANDIN_PID=""
IDLER_PID=""

fail() {
  echo "FAIL: $*" >&2
  echo "--- host log:" >&2
  cat "$HOST_LOG" >&2 2>/dev/null || true
  local program
  for program in standin idler; do
    [ -s "$E2E_WORK/$program.err" ] || continue
    echo "--- what Wine said while running the $program:" >&2
    tail -20 "$E2E_WORK/$program.err" >&2
  done
  screenshot failure
  exit 1
}

screenshot() {
  import -window root "$E2E_WORK/$1.png" 2>/dev/null && echo "screenshot: $E2E_WORK/$1.png" >&2
}

# Stops everything a scenario started; the scenario's own exit status stands.
e2e_stop() {
  local status=$?
  if [ "$E2E_DPI" != 96 ]; then wine_set_dpi 96; fi
  if [ -n "$IDLER_PID" ]; then kill "$IDLER_PID" 2>/dev/null || true; fi
  if [ -n "$STANDIN_PID" ]; then kill "$STANDIN_PID" 2>/dev/null || true; fi
  wine_env_stop
  exit "$status"
}

# Waits until `condition` (a command) succeeds, for at most $1 seconds.
wait_until() {
  local seconds=$1
  shift
  local deadline=$(($(date +%s%N) + seconds * 1000000000))
  until "$@"; do
    [ "$(date +%s%N)" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# The prefix, the display and the dpi a scenario runs in.
e2e_start() {
  wine_env_start
  if [ "$E2E_DPI" != 96 ]; then wine_set_dpi "$E2E_DPI"; fi
}

# --- the stand-in host's log ---

count_records() { grep -c " $1 " "$HOST_LOG" 2>/dev/null || true; }
has_records() { [ "$(count_records "$1")" -ge "$2" ]; }
# Waits for the log to hold at least $2 records of kind $1 (CHAT, KEYWORD, IM).
wait_for_records() {
  wait_until "${3:-30}" has_records "$1" "$2" || fail "expected $2 $1 records within ${3:-30} s"
}
# The text of the n-th (1-based) record of a kind, as bytes.
record_text() { grep -a " $1 " "$HOST_LOG" | sed -n "${2}p" | cut -d' ' -f3-; }
record_time() { grep -a " $1 " "$HOST_LOG" | sed -n "${2}p" | cut -d' ' -f1; }

# Compares the n-th record of a kind with the expected bytes (given as printf format).
expect_record() {
  local kind=$1 n=$2 expected
  expected=$(printf "$3")
  local actual
  actual=$(record_text "$kind" "$n")
  [ "$actual" = "$expected" ] || fail "$kind record $n: expected [$(printf %q "$expected")] got [$(printf %q "$actual")]"
}

# The gap between two records in seconds lies within [low, high].
expect_gap() {
  local t1 t2
  t1=$(record_time "$1" "$2")
  t2=$(record_time "$1" "$3")
  awk -v a="$t1" -v b="$t2" -v lo="$4" -v hi="$5" 'BEGIN { d = b - a; exit !(d >= lo && d <= hi) }' ||
    fail "gap between $1 records $2 and $3 is $t1 -> $t2, expected $4..$5 s"
}

# --- the programs ---

start_standin() {
  : >"$HOST_LOG"
  WINEDEBUG=-all,err+all "$WINE" "$HOST_DIR/standin-host.exe" --log="$(winepath_of "$HOST_LOG")" "$@" >/dev/null \
    2>>"$E2E_WORK/standin.err" &
  STANDIN_PID=$!
  wait_until 90 window_exists "America Online" ||
    fail "the stand-in host did not come up in 90 s (its process $(process_alive "$STANDIN_PID" && echo still runs || echo has ended))"
  # It activates its window a moment after showing it; once it is the active window it
  # takes the X focus from nobody else.
  wait_until 30 standin_active || fail "the stand-in host did not become the active window"
}
standin_active() {
  local frame X Y WIDTH HEIGHT
  frame=$(xdotool search --name '^America Online$' 2>/dev/null | head -1)
  [ -n "$frame" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$frame" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  "$WINE" "$PROBE" foreground-at $((X + WIDTH / 2)) $((Y + 12)) >/dev/null 2>&1
}

start_idler() {
  WINEDEBUG=-all,err+all "$WINE" "$IDLER_DIR/velto-idler.exe" >/dev/null 2>>"$E2E_WORK/idler.err" &
  IDLER_PID=$!
}

# Whether a process we started still runs (an ended one stays a zombie until reaped).
# Only our own: other programs on the machine may run another idler.
process_alive() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
  [[ "$state" != Z* ]]
}
idler_running() { process_alive "$IDLER_PID"; }
idler_gone() { ! process_alive "$IDLER_PID"; }

winepath_of() { echo "Z:${1//\//\\}"; }

window_exists() { xdotool search --name "^$1\$" >/dev/null 2>&1; }

# --- the user ---

load_layout() {
  "$WINE" "$IDLER_DIR/velto-layout.exe" "$E2E_DPI" 2>/dev/null | tr -d '\r' >"$LAYOUT"
  [ -s "$LAYOUT" ] || fail "no layout"
}

# The centre of a window's control, in screen pixels.
control_centre() {
  awk -v f="$1" -v c="$2" '$1 == f && $2 == c { print int($3 + $5 / 2), int($4 + $6 / 2) }' "$LAYOUT"
}

click() {
  local xy
  xy=$(control_centre "$1" "$2")
  [ -n "$xy" ] || fail "no control $1 $2"
  # shellcheck disable=SC2086
  xdotool mousemove $xy click 1
}

# --- where the keys go ---
# No window manager runs on the virtual display, so nobody gives a clicked window the X
# keyboard focus, and another Wine program that activates a window of its own late (the
# stand-in host starting up) takes the X focus from the window it was given to. So the
# tests give the X focus as a window manager would, and give it again while it is
# elsewhere; keys are typed only once both the X focus and the program's own focus
# (which velto-probe reads) are where they must go, and what they did is read back. A
# lost key fails the step that lost it, saying where the keys would have gone instead.
#
# The X focus is moved only once the program has made the window its active one. Moved
# earlier, it races Wine: the program that is still active sees its X focus go to a
# window it does not own and makes the desktop the active window, and with the X focus
# already in place nothing would ever activate the window again. Until it is active, the
# window is clicked at a point where a click does nothing else, as a user clicks a window
# that is not the active one.

probe() { "$WINE" "$PROBE" "$@" 2>&1 | tr -d '\r'; }
x_focus() { xdotool getwindowfocus 2>/dev/null; }

# True when keys typed now would reach X window $1, the window at screen point $3 $4,
# where a click is harmless; $2 is what else velto-probe must find true at that point
# (foreground-at or focus-at).
keys_would_reach() {
  local window=$1 check=$2 x=$3 y=$4
  if ! "$WINE" "$PROBE" foreground-at "$x" "$y" >/dev/null 2>&1; then
    xdotool mousemove "$x" "$y" click 1
    return 1
  fi
  [ "$(x_focus)" = "$window" ] || xdotool windowfocus --sync "$window" 2>/dev/null || return 1
  "$WINE" "$PROBE" "$check" "$x" "$y" >/dev/null 2>&1 && [ "$(x_focus)" = "$window" ]
}

# Waits until keys typed now would reach window $1 (an X window id) as the active window;
# $2 $3 is a point inside it where a click is harmless, $4 names the step for the failure.
give_keys_to_window() {
  wait_until 30 keys_would_reach "$1" foreground-at "$2" "$3" ||
    fail "$4: keys would not reach it after 30 s (X focus on $(x_focus), wanted $1; $(probe foreground-at "$2" "$3" | tr '\n' ';'))"
}

# Clicks into a text box as a user does, waits until typed keys would reach it, empties
# it, types the text, and checks that the box holds exactly that text.
type_into() {
  local form=$1 control=$2 text=$3 window xy
  window=$(form_window "$form") || fail "$form is not on the screen"
  xy=$(control_centre "$form" "$control")
  [ -n "$xy" ] || fail "no control $form $control"
  click "$form" "$control"
  # shellcheck disable=SC2086
  wait_until 30 keys_would_reach "$window" focus-at $xy ||
    fail "typing into $form $control: keys would not reach it after 30 s (X focus on $(x_focus), wanted $window; $(probe focus-at $xy | tr '\n' ';'))"
  xdotool key --delay 20 End
  for _ in $(seq 40); do xdotool key BackSpace; done
  [ -z "$text" ] || xdotool type --delay 30 "$text"
  # shellcheck disable=SC2086
  wait_until 30 control_holds "$text" $xy ||
    fail "typed [$text] into $form $control: it holds [$(probe text-at $xy)] after 30 s"
}
control_holds() { [ "$(probe text-at "$2" "$3")" = "$1" ]; }

# The start-up box has no text and an OK button, which holds the box's focus: Enter
# presses it once the box is the active window. Its left edge, inside the frame, is
# empty: the button sits in the middle. Wine may still move the box after it first shows,
# so its place is read again on every look.
box_gone() { ! window_exists "Velto idle"; }
startup_box_point() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  echo "$((X + 6)) $((Y + HEIGHT - 8))"
}
startup_box_takes_keys() {
  # shellcheck disable=SC2046
  keys_would_reach "$1" foreground-at $(startup_box_point "$1")
}
confirm_startup_box() {
  wait_until 90 window_exists "Velto idle" || fail "no start-up box"
  local box
  box=$(xdotool search --name '^Velto idle$' 2>/dev/null | head -1)
  [ -n "$box" ] || fail "the start-up box went before it was confirmed"
  # shellcheck disable=SC2046
  wait_until 30 startup_box_takes_keys "$box" ||
    fail "confirming the start-up box: keys would not reach it after 30 s (X focus on $(x_focus), wanted $box; $(probe foreground-at $(startup_box_point "$box") | tr '\n' ';'))"
  xdotool key Return
  wait_until 30 box_gone || fail "Enter on the start-up box, the active window: the box still shows after 30 s"
}

# The X window of the program's form, when it is on the screen at its stored place and
# size; nothing otherwise.
form_window() {
  local want
  want=$(awk -v f="$1" '$1 == f && $2 == "-" { print $3 "," $4 " " $5 "x" $6 }' "$LAYOUT")
  local w
  for w in $(xdotool search --onlyvisible --class velto-idler.exe 2>/dev/null); do
    local geometry
    geometry=$(xdotool getwindowgeometry "$w" | awk '/Position/ { p = $2 } /Geometry/ { g = $2 } END { print p " " g }')
    if [ "$geometry" = "$want" ]; then
      echo "$w"
      return 0
    fi
  done
  return 1
}
form_visible() { form_window "$1" >/dev/null; }
wait_for_form() { wait_until "${2:-20}" form_visible "$1" || fail "$1 did not show"; }

# Start-up as a user goes through it: the box, then the handle.
start_up_with_handle() {
  start_idler
  confirm_startup_box
  wait_for_form Form1
  type_into Form1 Text1 "$1"
  sleep 0.5
  click Form1 Label2
  wait_for_form Form2
}
