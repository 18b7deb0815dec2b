#pragma once

#include <functional>

#include "host/platform.h"

namespace velto::host {

// Seconds on the platform's monotonic clock since `start`.
double SecondsSince(Platform& platform, double start);

// The one wait loop: run the pump, test `done`, then sleep on the event queue until an
// event arrives or the next test is due. Gives up after `boundSeconds`, or at once when
// the program is asked to quit; returns whether `done` held. Handlers of the program's
// own windows run inside the pump.
bool WaitFor(Platform& platform, const std::function<bool()>& done, double boundSeconds,
             double pollSeconds);

// WaitFor for a host window: also gives up, at the next test, once the host's frame is
// no longer there (the host quit or never ran), as nothing it waits for can then come.
bool WaitForHost(Platform& platform, const std::function<bool()>& done, double boundSeconds,
                 double pollSeconds);

// The one wait that does not run the pump, for the moments when no handler of ours may
// run (one could take the focus from a host's popup menu before its keys arrive): tests
// `done`, sleeping `pollSeconds` between tests. Gives up after `boundSeconds`, or at once
// when the program has been asked to quit; returns whether `done` held.
bool WaitWithoutPump(Platform& platform, const std::function<bool()>& done, double boundSeconds,
                     double pollSeconds);

// Waits `seconds` while the program's windows stay responsive. Never returns early,
// except that a quit request ends it; a positive duration runs the pump at least once;
// 0 or less returns at once.
void Pause(Platform& platform, double seconds);

}  // namespace velto::host
