#include "host/wait.h"

#include <algorithm>

#include "host/window_search.h"

namespace velto::host {

double SecondsSince(Platform& platform, double start) {
  return platform.Clock() - start;
}

bool WaitFor(Platform& platform, const std::function<bool()>& done, double boundSeconds,
             double pollSeconds) {
  const double deadline = platform.Clock() + boundSeconds;
  for (;;) {
    platform.PumpEvents();
    if (platform.QuitRequested())
      return false;
    if (done())
      return true;
    const double left = deadline - platform.Clock();
    if (left <= 0)
      return false;
    platform.WaitForEvent(std::min(pollSeconds, left));
  }
}

bool WaitForHost(Platform& platform, const std::function<bool()>& done, double boundSeconds,
                 double pollSeconds) {
  bool hostGone = false;
  const bool held = WaitFor(
      platform,
      [&] {
        hostGone = !FindHostFrame(platform);
        return hostGone || done();
      },
      boundSeconds, pollSeconds);
  return held && !hostGone;
}

bool WaitWithoutPump(Platform& platform, const std::function<bool()>& done, double boundSeconds,
                     double pollSeconds) {
  const double start = platform.Clock();
  for (;;) {
    if (platform.QuitRequested())
      return false;
    if (done())
      return true;
    if (SecondsSince(platform, start) >= boundSeconds)
      return false;
    platform.Sleep(pollSeconds);
  }
}

void Pause(Platform& platform, double seconds) {
  if (seconds <= 0)
    return;
  WaitFor(
      platform, [] { return false; }, seconds, seconds);
}

}  // namespace velto::host
