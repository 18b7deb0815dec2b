#include "support/known_difference.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace velto::testing {

void ExpectKnownDifference(bool differs, const std::string& why,
                           const std::function<void()>& check) {
  if (!differs) {
    check();
    return;
  }
  ::testing::TestPartResultArray failures;
  {
    const ::testing::ScopedFakeTestPartResultReporter intercept(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    check();
  }
  if (failures.size() == 0) {
    ADD_FAILURE() << "known difference no longer seen (" << why << "): remove its mark";
    return;
  }
  for (int i = 0; i < failures.size(); ++i) {
    const ::testing::TestPartResult& failure = failures.GetTestPartResult(i);
    std::printf("known difference (%s) at %s:%d:\n%s\n", why.c_str(),
                failure.file_name() ? failure.file_name() : "?", failure.line_number(),
                failure.message());
  }
}

}  // namespace velto::testing
