#include "host/outcome.h"

namespace velto::host {

const char* OutcomeName(Outcome outcome) {
  switch (outcome) {
    case Outcome::kDone:
      return "done";
    case Outcome::kNothingToActOn:
      return "nothing to act on";
    case Outcome::kHostDidNotAnswer:
      return "the host did not answer";
    case Outcome::kTimedOut:
      return "timed out";
    case Outcome::kQuitRequested:
      return "quit requested";
    case Outcome::kBadArgument:
      return "bad argument";
    case Outcome::kFailed:
      return "failed";
  }
  return "failed";
}

void OutcomeRecord::Record(Outcome outcome) {
  if (quietDepth_ > 0 || outcome_ == Outcome::kQuitRequested)
    return;
  if (outcome == Outcome::kDone && outcome_ != Outcome::kNothingToActOn)
    return;
  outcome_ = outcome;
}

}  // namespace velto::host
