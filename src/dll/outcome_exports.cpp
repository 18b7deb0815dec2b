// The outcome of the calling thread's last call, as velto.h declares it.
#include "dll/dll_boundary.h"
#include "dll/velto.h"

namespace dll = velto::dll;
using velto::host::Outcome;

static_assert(VELTO_OUTCOME_DONE == static_cast<int>(Outcome::kDone) &&
                  VELTO_OUTCOME_NOTHING_TO_ACT_ON == static_cast<int>(Outcome::kNothingToActOn) &&
                  VELTO_OUTCOME_HOST_DID_NOT_ANSWER ==
                      static_cast<int>(Outcome::kHostDidNotAnswer) &&
                  VELTO_OUTCOME_TIMED_OUT == static_cast<int>(Outcome::kTimedOut) &&
                  VELTO_OUTCOME_QUIT_REQUESTED == static_cast<int>(Outcome::kQuitRequested) &&
                  VELTO_OUTCOME_BAD_ARGUMENT == static_cast<int>(Outcome::kBadArgument) &&
                  VELTO_OUTCOME_FAILED == static_cast<int>(Outcome::kFailed),
              "velto.h's outcome codes are the library's outcomes");

namespace {

constexpr int kNameCount = static_cast<int>(Outcome::kFailed) + 1;

// An outcome's name as UTF-16 text, widened while compiling from the library's own.
struct WideName {
  char16_t text[32] = {};
};
constexpr WideName Widened(Outcome outcome) {
  WideName name;
  const char* narrow = velto::host::OutcomeName(outcome);
  for (int i = 0; narrow[i] != '\0'; ++i) name.text[i] = static_cast<char16_t>(narrow[i]);
  return name;
}

// Lives as long as the DLL, one per code.
constexpr WideName kNames[kNameCount] = {Widened(Outcome::kDone),
                                         Widened(Outcome::kNothingToActOn),
                                         Widened(Outcome::kHostDidNotAnswer),
                                         Widened(Outcome::kTimedOut),
                                         Widened(Outcome::kQuitRequested),
                                         Widened(Outcome::kBadArgument),
                                         Widened(Outcome::kFailed)};

}  // namespace

int VELTO_CALL velto_LastOutcome(void) {
  return static_cast<int>(dll::KeptOutcome());
}

const VELTO_CHAR* VELTO_CALL velto_OutcomeName(int code) {
  if (code < 0 || code >= kNameCount)
    return nullptr;
  return reinterpret_cast<const VELTO_CHAR*>(kNames[code].text);
}
