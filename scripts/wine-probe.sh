# Sourced by scripts/test after wine-env.sh: whether this machine runs our Windows
# programs of each bitness, decided by running one of ours and reading what it printed
# (an exit status alone proves nothing: wine64 ends a 32-bit program it cannot start with
# status 0 and no output), and, when it does not, which reason the evidence shows.
# Sets x64_runs / x86_runs (yes or no) and x64_reason / x86_reason. How 32-bit programs
# run at all (natively or emulated) was settled by x86_runner_ensure in wine_env_start.

# Runs velto-layout.exe; true when it printed the main window's place and ended with 0.
# Its output and status are kept in $2.
prints_layout() {
  local exe=$1 log=$2 status
  timeout 120 "$WINE" "$exe" 96 >"$log" 2>"$log.err"
  status=$?
  echo "exit status $status" >>"$log.err"
  [ "$status" -eq 0 ] && tr -d '\r' <"$log" | grep -qE '^Form2 - [0-9]+ [0-9]+ [0-9]+ [0-9]+$'
}

# What the failed program left behind, for the reason.
what_it_printed() {
  local out
  out=$(tr -d '\r' <"$1" | head -c 200)
  echo "it printed [${out}], then: $(tr -d '\r' <"$1.err" | grep -v '^$' | tail -3 | paste -sd';' -)"
}

package_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# Why a 32-bit program of ours did not run, from what can be seen.
why_no_32bit() {
  local install_log=$1 probe_log=$2
  if ! package_installed wine32:i386; then
    local mirror
    mirror=$(grep -aoE 'Failed to fetch [^ ]*i386[^ ]*|File has unexpected size[^.]*\. Mirror sync in progress\?' \
      "$install_log" 2>/dev/null | head -2 | paste -sd' ' -)
    if [ -n "$mirror" ]; then
      echo "32-bit Wine (wine32:i386) is not installed: the package mirror's i386 index could not be had ($mirror)"
    else
      echo "32-bit Wine (wine32:i386) is not installed (see $install_log)"
    fi
  elif [ "$X86_RUNNER" = none ]; then
    echo "32-bit Wine is installed, but cannot run here: $X86_RUNNER_EVIDENCE"
  elif ! wine_prefix_has_32bit_half; then
    echo "the Wine prefix $WINEPREFIX has no 32-bit half (no syswow64/kernel32.dll)"
  else
    echo "32-bit Wine is installed and the prefix has its 32-bit half, but the 32-bit velto-layout.exe failed: $(what_it_printed "$probe_log")"
  fi
}

probe_windows_programs() {
  local install_log=$1
  x64_runs=no x86_runs=no
  if prints_layout build/windows-x64/src/app/velto-layout.exe "$LOGS/probe-x64.txt"; then
    x64_runs=yes
    echo "64-bit Windows programs run here: the x64 velto-layout.exe printed its layout."
  elif [ "${built[windows-x64]}" != passed ]; then
    x64_reason="the windows-x64 build failed"
  else
    x64_reason="the 64-bit velto-layout.exe failed under wine64: $(what_it_printed "$LOGS/probe-x64.txt")"
  fi
  if [ "${built[windows-x86]}" != passed ]; then
    x86_reason="the windows-x86 build failed"
  elif prints_layout build/windows-x86/src/app/velto-layout.exe "$LOGS/probe-x86.txt"; then
    x86_runs=yes
    echo "32-bit Windows programs run here $(x86_runner_words): the x86 velto-layout.exe printed its layout ($X86_RUNNER_EVIDENCE)."
  else
    x86_reason=$(why_no_32bit "$install_log" "$LOGS/probe-x86.txt")
  fi
}
