# Sourced by scripts/test: the stages of a test run, what each came to, and the summary.
# A stage is passed, failed or not run (with the reason); its time and, for the test
# suites, its test counts are kept for the table at the end.

declare -A built=()
STAGE_NAMES=()
declare -A STAGE_RESULT=() STAGE_SECONDS=() STAGE_PASSED=() STAGE_FAILED=() STAGE_NOTE=()
FAILED_STAGES=0
RUN_STARTED=$(date +%s)
STAGE_STATUS=""

stage_begin() {
  CURRENT_STAGE=$1
  CURRENT_STARTED=$(date +%s)
  echo "== $1"
}

stage_record() {
  local name=$1 result=$2 passed=$3 failed=$4 note=$5 seconds=$6
  STAGE_NAMES+=("$name")
  STAGE_RESULT[$name]=$result
  STAGE_PASSED[$name]=$passed
  STAGE_FAILED[$name]=$failed
  STAGE_NOTE[$name]=$note
  STAGE_SECONDS[$name]=$seconds
  STAGE_STATUS=$result
  [ "$result" != failed ] || FAILED_STAGES=$((FAILED_STAGES + 1))
}

# Ends the current stage by a command's exit status; $2 is how many tests it counts for
# (the checks that are one test each) or 0 for steps that are no test. Whatever fails
# counts as at least one failed test, so the last line never reads "0 failed" then.
stage_end_by_status() {
  local status=$1 tests=$2 seconds=$(($(date +%s) - CURRENT_STARTED))
  if [ "$status" -eq 0 ]; then
    stage_record "$CURRENT_STAGE" passed "$tests" 0 "" "$seconds"
  else
    local failed=$tests
    [ "$tests" -gt 0 ] || failed=1
    stage_record "$CURRENT_STAGE" failed 0 "$failed" "exit status $status" "$seconds"
  fi
}

# Ends the current stage by what ctest printed: "N% tests passed, M tests failed out of T".
# A suite that found no test, or whose summary line is missing, did not pass.
stage_end_by_ctest() {
  local log=$1 seconds=$(($(date +%s) - CURRENT_STARTED)) line failed total
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$line" ]; then
    stage_record "$CURRENT_STAGE" failed 0 1 "ctest printed no result" "$seconds"
    return
  fi
  failed=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  if [ "$failed" -eq 0 ] && [ "$total" -gt 0 ]; then
    stage_record "$CURRENT_STAGE" passed "$total" 0 "" "$seconds"
  else
    local names
    names=$(sed -n '/The following tests FAILED/,$p' "$log" | grep -oE '^\s+[0-9]+ - [^ ]+' |
      awk '{ print $3 }' | paste -sd, -)
    [ "$total" -gt 0 ] || failed=1
    stage_record "$CURRENT_STAGE" failed $((total - failed)) "$failed" "${names:-no tests}" "$seconds"
  fi
}

# Adds to the note of a stage already recorded (how it ran, say), before any note it had.
stage_note_add() {
  local name=$1 text=$2
  STAGE_NOTE[$name]="$text${STAGE_NOTE[$name]:+; ${STAGE_NOTE[$name]}}"
}

# A stage that could not run. "failed" as $3 counts it as a failure of the run: a stage
# that every machine of ours can run is never quietly left out.
stage_not_run() {
  local result="not run" failed=0
  [ "${3:-}" != failed ] || { result=failed; failed=1; }
  echo "== $1: not run: $2"
  stage_record "$1" "$result" 0 "$failed" "not run: $2" 0
}

# Says something nobody may miss, at once and again in the summary.
LOUD_LINES=()
loud() {
  local line
  for line in "$@"; do
    echo "!! $line"
    LOUD_LINES+=("$line")
  done
}

print_summary() {
  local name passed=0 failed=0 total=$(($(date +%s) - RUN_STARTED))
  echo
  echo "== Summary of the test run ($(date -u '+%Y-%m-%d %H:%M UTC'), commit $(git rev-parse --short HEAD 2>/dev/null || echo unknown))"
  printf '%-32s %-8s %7s %7s %7s  %s\n' stage result passed failed seconds note
  for name in "${STAGE_NAMES[@]}"; do
    printf '%-32s %-8s %7s %7s %7s  %s\n' "$name" "${STAGE_RESULT[$name]}" \
      "${STAGE_PASSED[$name]}" "${STAGE_FAILED[$name]}" "${STAGE_SECONDS[$name]}" \
      "${STAGE_NOTE[$name]}"
    passed=$((passed + STAGE_PASSED[$name]))
    failed=$((failed + STAGE_FAILED[$name]))
  done
  echo "total time: $total s"
  local line
  for line in "${LOUD_LINES[@]}"; do echo "!! $line"; done
  [ "$FAILED_STAGES" -eq 0 ] || echo "!! $FAILED_STAGES stage(s) failed or could not run"
  echo "$passed passed, $failed failed"
}
