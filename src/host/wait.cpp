#include "host/wait.h"

#include <algorithm>

#include "host/window_search.h"

namespace velto::host {

double SecondsSince(Platform& platform, double start) {
  return platform.Clock() - start;
}

namespace {

enum class WaitEnd { kHeld, kBound, kQuit };

WaitEnd LoopUntil(Platform& platform, const std::function<bool()>& done, double boundSeconds,
                  double pollSeconds) {
  const double deadline = platform.Clock() + boundSeconds;
  for (;;) {
    platform.PumpEvents();
    if (platform.QuitRequested())
      return WaitEnd::kQuit;
    if (done())
      return WaitEnd::kHeld;
    const double left = deadline - platform.Clock();
    if (left <= 0)
      return WaitEnd::kBound;
    platform.WaitForEvent(std::min(pollSeconds, left));
  }
}

// The loop, told to the platform as one wait of its kind once it ends.
WaitEnd WaitUntil(Platform& platform, std::string_view kind, const std::function<bool()>& done,
                  double boundSeconds, double pollSeconds) {
  const double start = platform.Clock();
  const WaitEnd end = LoopUntil(platform, done, boundSeconds, pollSeconds);
  platform.WaitEnded(kind, SecondsSince(platform, start), end == WaitEnd::kHeld);
  return end;
}

// A wait is one of the few places that know how a call went: it held, or ran out, or
// the program is quitting.
bool Told(Platform& platform, WaitEnd end) {
  switch (end) {
    case WaitEnd::kHeld:
      platform.Outcomes().Record(Outcome::kDone);
      return true;
    case WaitEnd::kBound:
      platform.Outcomes().Record(Outcome::kTimedOut);
      return false;
    case WaitEnd::kQuit:
      platform.Outcomes().Record(Outcome::kQuitRequested);
      return false;
  }
  return false;
}

}  // namespace

bool WaitFor(Platform& platform, const std::function<bool()>& done, double boundSeconds,
             double pollSeconds) {
  return Told(platform, WaitUntil(platform, "wait", done, boundSeconds, pollSeconds));
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
  if (hostGone)
    platform.Outcomes().Record(Outcome::kNothingToActOn);
  return held && !hostGone;
}

bool WaitWithoutPump(Platform& platform, const std::function<bool()>& done, double boundSeconds,
                     double pollSeconds) {
  const double start = platform.Clock();
  const auto ended = [&](WaitEnd end) {
    platform.WaitEnded("wait without pump", SecondsSince(platform, start), end == WaitEnd::kHeld);
    return Told(platform, end);
  };
  for (;;) {
    if (platform.QuitRequested())
      return ended(WaitEnd::kQuit);
    if (done())
      return ended(WaitEnd::kHeld);
    if (SecondsSince(platform, start) >= boundSeconds)
      return ended(WaitEnd::kBound);
    platform.Sleep(pollSeconds);
  }
}

void Pause(Platform& platform, double seconds) {
  if (seconds <= 0)
    return;
  // A pause that runs its full length went as it should; only a quit tells.
  const WaitEnd end = WaitUntil(
      platform, "pause", [] { return false; }, seconds, seconds);
  if (end == WaitEnd::kQuit)
    platform.Outcomes().Record(Outcome::kQuitRequested);
}

}  // namespace velto::host
