#include "host/platform.h"

namespace velto::host {

void Platform::BeginCall() {
  outcomes_->Begin();
  if (QuitRequested())
    outcomes_->Record(Outcome::kQuitRequested);
}

void Platform::WaitEnded(std::string_view /*kind*/, double /*seconds*/, bool /*held*/) {}

void Platform::RecordDelivery(WindowHandle window, bool answered) {
  if (!window) {
    outcomes_->Record(Outcome::kNothingToActOn);
  } else {
    outcomes_->Record(answered ? Outcome::kDone : Outcome::kHostDidNotAnswer);
  }
}

}  // namespace velto::host
