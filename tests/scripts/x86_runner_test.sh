#!/usr/bin/env bash
# The decision of scripts/x86-runner.sh, on a stand-in kernel: a 32-bit loader that runs or
# answers "Exec format error" until qemu-i386 is registered, and a binfmt_misc folder of
# our own. Every case asserts what was written to the registration file.
set -uo pipefail
REPO_ROOT=$(cd "$(dirname "$0")/../.." && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
failures=0

check() {
  local what=$1 expected=$2 actual=$3
  if [ "$expected" != "$actual" ]; then
    echo "FAIL: $what: expected [$expected], got [$actual]"
    failures=$((failures + 1))
  fi
}

# A kernel of the given kind: "native" runs the loader; "refusing" runs it only once a
# registration line has reached binfmt_misc, and then lists the entry as the kernel would.
make_kernel() {
  local kind=$1
  rm -rf "$WORK/binfmt" && mkdir -p "$WORK/binfmt" && : >"$WORK/binfmt/register"
  cat >"$WORK/loader" <<LOADER
#!/usr/bin/env bash
if [ "$kind" = refusing ] && ! grep -q ':qemu-i386:M::' "$WORK/binfmt/register"; then
  echo "$WORK/loader: cannot execute binary file: Exec format error" >&2
  exit 126
fi
[ "$kind" = native ] || printf 'enabled\\nmagic 7f454c4601010100000000000000000002000300\\n' >"$WORK/binfmt/qemu-i386"
echo wine-8.0
LOADER
  chmod +x "$WORK/loader"
  touch "$WORK/qemu" && chmod +x "$WORK/qemu"
}

decide() {
  # A fresh shell each time, as each script that sources the runner is.
  WINE32_LOADER=$WORK/loader QEMU_I386=${1:-$WORK/qemu} BINFMT_DIR=$WORK/binfmt bash -c \
    "source '$REPO_ROOT/scripts/x86-runner.sh'; x86_runner_ensure 2>/dev/null; echo \"\$X86_RUNNER|\$X86_RUNNER_EVIDENCE\""
}
registrations() { grep -c . "$WORK/binfmt/register"; }

make_kernel native
check "a kernel that runs 32-bit programs" native "$(decide | cut -d'|' -f1)"
check "a kernel that runs 32-bit programs is never registered" 0 "$(registrations)"

make_kernel refusing
check "a refusing kernel" qemu-i386 "$(decide | cut -d'|' -f1)"
check "a refusing kernel gets one registration" 1 "$(registrations)"
check "a second decision" qemu-i386 "$(decide | cut -d'|' -f1)"
check "a second decision registers nothing more" 1 "$(registrations)"
check "the registration" ":qemu-i386:M::\\x7fELF\\x01\\x01\\x01\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x02\\x00\\x03\\x00:\\xff\\xff\\xff\\xff\\xff\\xfe\\xfe\\x00\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xfe\\xff\\xff\\xff:$WORK/qemu:FP" \
  "$(cat "$WORK/binfmt/register")"

make_kernel refusing
printf 'disabled\ninterpreter /somebody/else\n' >"$WORK/binfmt/qemu-i386"
outcome=$(decide)
check "beside somebody's disabled registration" none "${outcome%%|*}"
check "somebody's registration is left alone" 0 "$(registrations)"
check "somebody's registration is left as it was" "disabled" "$(head -1 "$WORK/binfmt/qemu-i386")"
[[ "$outcome" == *"left as it is"* ]] || { echo "FAIL: the evidence does not say so: $outcome"; failures=$((failures + 1)); }

make_kernel refusing
outcome=$(decide "$WORK/no-such-qemu")
check "without qemu-i386" none "${outcome%%|*}"
[[ "$outcome" == *"Exec format error"*"qemu-user-static"* ]] ||
  { echo "FAIL: the evidence names neither the refusal nor the package: $outcome"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "all runner decisions as expected"
exit $((failures > 0))
