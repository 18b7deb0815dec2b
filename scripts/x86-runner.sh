# Sourced by the scripts that run our 32-bit Windows programs: how this machine runs
# 32-bit x86 programs at all. Some kernels run none (every 32-bit execve answers "Exec
# format error"); there the kernel can hand them to qemu-i386-static, registered with
# binfmt_misc. Decided by evidence: a kernel that runs the 32-bit Wine loader itself is
# never registered, since a registration would take precedence over its own loader.
# x86_runner_ensure sets X86_RUNNER (native, qemu-i386 or none) and X86_RUNNER_EVIDENCE.
# The paths can be pointed elsewhere, so that the decision itself can be tested.

WINE32_LOADER=${WINE32_LOADER:-/usr/lib/wine/wine}
QEMU_I386=${QEMU_I386:-/usr/bin/qemu-i386-static}
BINFMT_DIR=${BINFMT_DIR:-/proc/sys/fs/binfmt_misc}
X86_RUNNER=none
X86_RUNNER_EVIDENCE=""

# 32-bit x86 ELF executables, as QEMU's and Debian's binfmt configurations match them.
# F opens the interpreter now, so it works inside any mount namespace; P passes it the
# program's own argv[0].
I386_ELF_MAGIC='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
I386_ELF_MASK='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
I386_REGISTRATION_NAME=qemu-i386
I386_MAGIC_AS_LISTED=7f454c4601010100000000000000000002000300

# What running the 32-bit loader printed, in one line; true when it ran.
x86_loader_answer() {
  local answer
  answer=$("$WINE32_LOADER" --version 2>&1)
  local status=$?
  # bash names itself and the line before the loader's own words; only those are evidence.
  tr '\n' ' ' <<<"$answer" | sed -e "s|^.*: line [0-9]*: ||" -e 's/ *$//'
  return $status
}

# The name of an enabled binfmt_misc entry that takes 32-bit x86 ELF programs, if any.
x86_enabled_registration() {
  local entry
  for entry in "$BINFMT_DIR"/*; do
    case "$(basename "$entry")" in register | status) continue ;; esac
    [ -f "$entry" ] || continue
    grep -qx enabled "$entry" && grep -qx "magic $I386_MAGIC_AS_LISTED" "$entry" &&
      { basename "$entry"; return 0; }
  done
  return 1
}

# Mounts binfmt_misc where the kernel has it but nobody mounted it.
x86_binfmt_mounted() {
  [ -e "$BINFMT_DIR/register" ] && return 0
  mount -t binfmt_misc binfmt_misc "$BINFMT_DIR" 2>/dev/null && [ -e "$BINFMT_DIR/register" ]
}

# Registers qemu-i386-static for 32-bit x86 ELF programs, unless an entry of that name is
# there already (enabled or not, it is somebody's, and stays as it is). Says why not.
x86_register_qemu() {
  if [ ! -x "$QEMU_I386" ]; then
    echo "$QEMU_I386 is not installed (package qemu-user-static)"
    return 1
  fi
  if ! x86_binfmt_mounted; then
    echo "binfmt_misc is not mounted on $BINFMT_DIR and could not be mounted (as user $(id -un))"
    return 1
  fi
  if [ -e "$BINFMT_DIR/$I386_REGISTRATION_NAME" ]; then
    echo "an existing registration $BINFMT_DIR/$I386_REGISTRATION_NAME was left as it is"
    return 0
  fi
  if [ ! -w "$BINFMT_DIR/register" ]; then
    echo "registering with binfmt_misc needs root, and this is user $(id -un)"
    return 1
  fi
  local line=":$I386_REGISTRATION_NAME:M::$I386_ELF_MAGIC:$I386_ELF_MASK:$QEMU_I386:FP"
  if ! printf '%s\n' "$line" >"$BINFMT_DIR/register" 2>/dev/null; then
    echo "writing the registration to $BINFMT_DIR/register was refused"
    return 1
  fi
  echo "registered $QEMU_I386 for 32-bit x86 programs with binfmt_misc"
}

# The test programs read the decision from VELTO_X86_RUNNER (Wine passes it on to them).
x86_runner_ensure() {
  x86_runner_decide
  local status=$?
  export VELTO_X86_RUNNER=$X86_RUNNER
  return $status
}

x86_runner_decide() {
  X86_RUNNER=none
  if [ ! -e "$WINE32_LOADER" ]; then
    X86_RUNNER_EVIDENCE="there is no 32-bit Wine loader $WINE32_LOADER"
    return 1
  fi
  local answer registration
  if answer=$(x86_loader_answer); then
    if registration=$(x86_enabled_registration); then
      X86_RUNNER=qemu-i386
      X86_RUNNER_EVIDENCE="the kernel hands 32-bit programs to binfmt_misc's $registration"
    else
      X86_RUNNER=native
      X86_RUNNER_EVIDENCE="the kernel runs the 32-bit Wine loader itself ([$answer])"
    fi
    return 0
  fi
  case "$answer" in
    *"Exec format error"*) ;;
    *)
      X86_RUNNER_EVIDENCE="the 32-bit Wine loader failed: [$answer]"
      return 1
      ;;
  esac
  local refusal=$answer how
  if ! how=$(x86_register_qemu); then
    X86_RUNNER_EVIDENCE="this kernel runs no 32-bit programs ([$refusal]), and $how"
    return 1
  fi
  echo "This kernel runs no 32-bit programs ([$refusal]): $how." >&2
  if ! answer=$(x86_loader_answer); then
    X86_RUNNER_EVIDENCE="this kernel runs no 32-bit programs ([$refusal]); $how, yet the 32-bit Wine loader still says [$answer]"
    return 1
  fi
  registration=$(x86_enabled_registration) || registration=$I386_REGISTRATION_NAME
  X86_RUNNER=qemu-i386
  X86_RUNNER_EVIDENCE="this kernel runs no 32-bit programs ([$refusal]); binfmt_misc's $registration runs them under qemu-i386"
}

# How the x86 rows of the summary say they ran.
x86_runner_words() {
  case "$X86_RUNNER" in
    native) echo "natively" ;;
    qemu-i386) echo "under qemu-i386 emulation" ;;
    *) echo "not at all" ;;
  esac
}
