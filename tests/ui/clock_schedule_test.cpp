#include "ui/clock_schedule.h"

#include <gtest/gtest.h>

namespace velto::ui {
namespace {

// Each tick asks for the next just past the coming whole second, however late or early
// it came itself, so lateness never adds up; past 999 (a leap second) it asks at once.
TEST(ClockSchedule, TheNextTickIsDueJustPastTheComingWholeSecond) {
  EXPECT_EQ(MillisecondsToNextClockTick(0), 1000 + kPastTheSecondMilliseconds);
  EXPECT_EQ(MillisecondsToNextClockTick(kPastTheSecondMilliseconds + 7), 993);
  EXPECT_EQ(MillisecondsToNextClockTick(998), 2 + kPastTheSecondMilliseconds)
      << "a tick that came before its second turned asks again for the rest";
  EXPECT_EQ(MillisecondsToNextClockTick(1000), kPastTheSecondMilliseconds);
}

}  // namespace
}  // namespace velto::ui
