// The calling thread's last outcome, natively (libvelto.so).
#include "dll/dll_boundary.h"

namespace velto::dll {
namespace {

thread_local host::Outcome lastOutcome = host::Outcome::kDone;

}  // namespace

void KeepOutcome(host::Outcome outcome) {
  lastOutcome = outcome;
}

host::Outcome KeptOutcome() {
  return lastOutcome;
}

}  // namespace velto::dll
