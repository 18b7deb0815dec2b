#include "ui/next_time_reading.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace velto::ui {
namespace {

constexpr std::uint32_t kMargin = NextTimeReading::kMarginMilliseconds;

TEST(NextTimeReading, IsDueBeforeTheFirstReadingAndAfterTheSystemTimeWasSet) {
  NextTimeReading next;
  EXPECT_TRUE(next.Due(0));
  next.Read(5000, 0);
  EXPECT_FALSE(next.Due(5001));
  next.Forget();
  EXPECT_TRUE(next.Due(5001));
}

// Read 300 ms into a second, the next whole second comes 700 ms later: from the margin
// before it on, every ask reads again.
TEST(NextTimeReading, WaitsUntilTheMarginBeforeTheNextWholeSecond) {
  NextTimeReading next;
  next.Read(10000, 300);
  EXPECT_FALSE(next.Due(10000));
  EXPECT_FALSE(next.Due(10000 + 700 - kMargin - 1));
  EXPECT_TRUE(next.Due(10000 + 700 - kMargin));
  EXPECT_TRUE(next.Due(10000 + 700));
  EXPECT_TRUE(next.Due(10000 + 5000)) << "a tick that came late reads too";
}

TEST(NextTimeReading, ReadsAtOnceWithinTheMarginOrPastTheSecond) {
  NextTimeReading next;
  next.Read(10000, static_cast<int>(1000 - kMargin));
  EXPECT_TRUE(next.Due(10000));
  next.Read(10000, 999);
  EXPECT_TRUE(next.Due(10000));
  next.Read(10000, 1000);  // a leap second's 1000th millisecond
  EXPECT_TRUE(next.Due(10000));
}

// The tick count wraps to 0 after 49.7 days; the time since the reading still counts.
TEST(NextTimeReading, KeepsCountingAcrossTheTickCountsWrap) {
  NextTimeReading next;
  const std::uint32_t nearTheEnd = 0xFFFFFF00u;
  next.Read(nearTheEnd, 0);
  EXPECT_FALSE(next.Due(nearTheEnd + 0x100u)) << "256 ms later, past the wrap";
  EXPECT_TRUE(next.Due(nearTheEnd + 1000u - kMargin));
}

}  // namespace
}  // namespace velto::ui
