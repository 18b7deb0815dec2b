#include <gtest/gtest.h>

#include "host/host_routines.h"
#include "host/messages.h"
#include "host/substitute_desktop.h"
#include "host/wait.h"
#include "support/message_sequence.h"

namespace velto::testing {
namespace {

class PauseTest : public ::testing::Test {
 protected:
  // Counts pumps by an event that re-arms itself every 50 ms, as the clock timer once did.
  void StartTicker() {
    desktop_.Schedule(0.05, [this] {
      ++ticks_;
      StartTicker();
    });
  }
  host::SubstituteDesktop desktop_;
  int ticks_ = 0;
};

TEST_F(PauseTest, NeverReturnsEarlyAndRunsThePump) {
  bool handled = false;
  desktop_.Schedule(0, [&] { handled = true; });
  const double start = desktop_.Now();
  host::Pause(desktop_, 0.2);
  EXPECT_GE(desktop_.Now() - start, 0.2);
  EXPECT_LT(desktop_.Now() - start, 0.2 + 1e-6) << "and blocks to its deadline, no later";
  EXPECT_TRUE(handled);
}

TEST_F(PauseTest, ZeroOrLessReturnsAtOnceWithoutPumping) {
  bool handled = false;
  desktop_.Schedule(0, [&] { handled = true; });
  host::Pause(desktop_, 0);
  host::Pause(desktop_, -1);
  EXPECT_FALSE(handled);
  EXPECT_EQ(desktop_.Now(), 0);
}

TEST_F(PauseTest, HandlersRunInsideAndANestedPauseOnlyLengthensIt) {
  StartTicker();
  desktop_.Schedule(0.1, [&] { host::Pause(desktop_, 0.5); });
  const double start = desktop_.Now();
  host::Pause(desktop_, 0.2);
  EXPECT_GE(desktop_.Now() - start, 0.6);
  EXPECT_GE(ticks_, 11);
}

TEST_F(PauseTest, APauseSpanningMidnightEndsOnceTheTimeHasPassed) {
  desktop_.SetTimeOfDay(86399.9);
  const double start = desktop_.Now();
  host::Pause(desktop_, 0.5);
  EXPECT_NEAR(desktop_.Now() - start, 0.5, 1e-6);
}

// The wait without a pump sleeps between its looks and gives up at its bound, not a
// poll later.
TEST(WaitWithoutPumpTest, LooksUntilItsBound) {
  host::SubstituteDesktop desktop;
  int looks = 0;
  EXPECT_FALSE(host::WaitWithoutPump(
      desktop, [&] { return ++looks, false; }, 1.0, 0.5));
  EXPECT_EQ(looks, 3) << "at 0, 0.5 and 1 s";
  EXPECT_EQ(desktop.Now(), 1.0);
  EXPECT_TRUE(host::WaitWithoutPump(
      desktop, [&] { return ++looks == 5; }, 1.0, 0.5));
  EXPECT_EQ(desktop.Now(), 1.5);
}

TEST(DragFormTest, ReleasesCaptureThenSendsTheMoveCommand) {
  host::SubstituteDesktop desktop;
  std::size_t releasedBeforeMove = 0;
  const host::WindowHandle form = desktop.AddWindow(host::kNoWindow, "VeltoForm", "",
                                                    [&](auto& d, host::WindowHandle, const auto&) {
                                                      releasedBeforeMove = d.CaptureReleases();
                                                      return std::intptr_t{0};
                                                    });
  host::DragForm(desktop, form);
  ExpectSequence(desktop, {SentZeroReference16(form, WM_SYSCOMMAND, 0xFFFFF012)}, "drag");
  EXPECT_EQ(releasedBeforeMove, 1u);
  EXPECT_EQ(desktop.CaptureReleases(), 1u);
}

TEST(DragFormTest, NoWindowNoCaptureReleasedNothingSent) {
  host::SubstituteDesktop desktop;
  host::DragForm(desktop, host::kNoWindow);
  EXPECT_EQ(desktop.CaptureReleases(), 0u);
  ExpectSequence(desktop, {}, "no drag");
}

// The 32-bit build computes with x87 registers wider than a double: the clock just read
// can come out a hair below the same reading stored a moment before. Such a reading is no
// time at all, and never the end of a wait (it once looked like a midnight turn, a whole
// day passed, and ended every wait at once on x86).
class ClockReadingAHairEarlier : public host::SubstituteDesktop {
 public:
  double Clock() override {
    const double now = host::SubstituteDesktop::Clock();
    return (++reads_ % 2 == 0) ? now - 1e-9 : now;
  }

 private:
  int reads_ = 0;
};

TEST(WaitOnAWiderClock, AReadingAHairEarlierEndsNoWait) {
  ClockReadingAHairEarlier desktop;
  host::Pause(desktop, 0.2);
  EXPECT_GE(desktop.Now(), 0.2 - 1e-6);
  const double start = desktop.Now();
  EXPECT_FALSE(host::WaitFor(
      desktop, [] { return false; }, 60, 0.012));
  EXPECT_GE(desktop.Now() - start, 60 - 1e-6) << "the wait ran to its bound";
}

}  // namespace
}  // namespace velto::testing
