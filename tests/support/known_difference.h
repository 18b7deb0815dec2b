#pragma once

#include <functional>
#include <string>

namespace velto::testing {

// True in a Windows test program that runs under Wine.
bool RunningUnderWine();

// Wine's todo_wine for GoogleTest: runs `check` in every case. Where `differs` (a known
// divergence of the platform under the test, e.g. Wine from Windows), the check's
// failures are printed as known and not counted, and a check that passes fails the test:
// the divergence is gone and the mark must go with it.
void ExpectKnownDifference(bool differs, const std::string& why,
                           const std::function<void()>& check);

}  // namespace velto::testing
