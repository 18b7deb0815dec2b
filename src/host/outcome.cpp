#include "host/outcome.h"

namespace velto::host {

void OutcomeRecord::Record(Outcome outcome) {
  if (quietDepth_ > 0 || outcome_ == Outcome::kQuitRequested)
    return;
  if (outcome == Outcome::kDone && outcome_ != Outcome::kNothingToActOn)
    return;
  outcome_ = outcome;
}

}  // namespace velto::host
