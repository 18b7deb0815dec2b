#include "host/wait.h"

#include <algorithm>

#include "host/timings.h"

namespace velto::host {

double SecondsSince(Platform& platform, double start) {
  double elapsed = platform.Clock() - start;
  if (elapsed < 0)
    elapsed += timings::kSecondsPerDay;  // the clock restarted at midnight
  return elapsed;
}

bool WaitFor(Platform& platform, const std::function<bool()>& done, double boundSeconds,
             double pollSeconds) {
  const double start = platform.Clock();
  for (;;) {
    platform.PumpEvents();
    if (done())
      return true;
    const double elapsed = SecondsSince(platform, start);
    if (elapsed >= boundSeconds)
      return false;
    platform.WaitForEvent(std::min(pollSeconds, boundSeconds - elapsed));
  }
}

void Pause(Platform& platform, double seconds) {
  if (seconds <= 0)
    return;
  WaitFor(
      platform, [] { return false; }, seconds, seconds);
}

}  // namespace velto::host
