// The substitute desktop's virtual clock and its queue of scheduled events: waiting jumps
// the clock to the next due event, so no test ever sleeps.

#include "host/substitute_desktop.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "host/timings.h"

namespace velto::host {
namespace {

constexpr double kForever = std::numeric_limits<double>::infinity();

}  // namespace

void SubstituteDesktop::SetTimeOfDay(double secondsSinceMidnight) {
  timeOfDayAtStart_ = secondsSinceMidnight - now_;
}

double SubstituteDesktop::TimeOfDay() const {
  const double day = timings::kSecondsPerDay;
  return std::fmod(std::fmod(timeOfDayAtStart_ + now_, day) + day, day);
}

double SubstituteDesktop::Clock() {
  ++platformCalls_;
  return now_;
}

void SubstituteDesktop::Schedule(double delaySeconds, std::function<void()> action) {
  events_.push(Event{now_ + std::max(0.0, delaySeconds), nextSequence_++, std::move(action)});
}

bool SubstituteDesktop::HasDueEvent() const {
  return !events_.empty() && events_.top().due <= now_;
}

void SubstituteDesktop::PumpEvents() {
  ++platformCalls_;
  while (HasDueEvent()) {
    // Take the event off the queue first: its action may pump again.
    std::function<void()> action = events_.top().action;
    events_.pop();
    action();
  }
}

void SubstituteDesktop::WaitForEvent(double seconds) {
  ++platformCalls_;
  if (HasDueEvent())
    return;
  ++wakes_;
  double until = now_ + std::max(0.0, seconds);
  if (!events_.empty())
    until = std::min(until, events_.top().due);
  // A wait always lets some time pass, even one too short to change the clock's value,
  // so that a loop waiting for a deadline always reaches it.
  now_ = seconds > 0 ? std::max(until, std::nextafter(now_, kForever)) : until;
}

void SubstituteDesktop::RunFor(double seconds) {
  const double end = now_ + seconds;
  for (;;) {
    PumpEvents();
    if (now_ >= end)
      return;
    WaitForEvent(end - now_);
  }
}

void SubstituteDesktop::Sleep(double seconds) {
  ++platformCalls_;
  RunFor(seconds);
}

}  // namespace velto::host
