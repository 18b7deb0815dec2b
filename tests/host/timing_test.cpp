// The virtual time each waiting routine takes: it ends as soon as what it waits for has
// happened (within one poll), and runs out exactly its bound when it never happens.

#include <gtest/gtest.h>

#include "host/host_routines.h"
#include "host/messages.h"
#include "host/timings.h"
#include "support/host_fixture.h"

namespace velto::testing {
namespace {

using host::InstantMessageOutcome;
using standin::InstantMessageAnswer;
using standin::StandinHost;

// Waits for host windows look again every 10 to 15 ms: often enough that the user sees
// no delay, seldom enough not to burn a core.
constexpr double kPoll = 0.015;
constexpr double kBound = host::timings::kInstantMessageWaitSeconds;
constexpr double kTiny = 1e-6;

// Elapsed virtual time must lie in [least, least + slack].
#define EXPECT_TOOK(elapsed, least, slack)       \
  do {                                           \
    const double took_ = (elapsed);              \
    EXPECT_GE(took_, (least)-kTiny);             \
    EXPECT_LE(took_, (least) + (slack) + kTiny); \
  } while (0)

class InstantMessageTiming : public HostTest {
 protected:
  double Send(InstantMessageAnswer answer, InstantMessageOutcome expected) {
    standin_.SetInstantMessageAnswer(answer);
    const double start = desktop_.Now();
    EXPECT_EQ(host::SendInstantMessage(desktop_, "$IM_OFF", "Vrel owns you"), expected);
    return desktop_.Now() - start;
  }
};

TEST_F(InstantMessageTiming, TakenEndsWithinAPollOfTheWindowClosing) {
  EXPECT_TOOK(Send(InstantMessageAnswer::kCloseWindow, InstantMessageOutcome::kTaken),
              StandinHost::kInstantMessageOpenSeconds + StandinHost::kInstantMessageAnswerSeconds,
              2 * kPoll);
}

TEST_F(InstantMessageTiming, RefusedEndsWithinAPollOfTheHostsBox) {
  EXPECT_TOOK(Send(InstantMessageAnswer::kMessageBox, InstantMessageOutcome::kRefused),
              StandinHost::kInstantMessageOpenSeconds + StandinHost::kInstantMessageAnswerSeconds,
              2 * kPoll);
}

TEST_F(InstantMessageTiming, AWindowThatNeverOpensCostsExactlyTheBound) {
  EXPECT_TOOK(Send(InstantMessageAnswer::kNeverOpen, InstantMessageOutcome::kTimedOut), kBound,
              kTiny);
}

TEST_F(InstantMessageTiming, AnAnswerThatNeverComesCostsTheOpeningAndThenTheBound) {
  EXPECT_TOOK(Send(InstantMessageAnswer::kNeverAnswer, InstantMessageOutcome::kTimedOut),
              StandinHost::kInstantMessageOpenSeconds + kBound, kPoll);
}

TEST_F(InstantMessageTiming, AWindowOpeningJustInsideTheBoundIsStillUsed) {
  // The host opens the window a tenth of a second before the wait would give up; it
  // takes the message on the click of its ninth icon.
  desktop_.Schedule(kBound - 0.1, [this] {
    const host::WindowHandle im =
        desktop_.AddWindow(standin_.mdiClient(), "AOL Child", "Send Instant Message");
    desktop_.AddWindow(im, "RICHCNTL", "");
    for (int i = 0; i < 8; ++i) desktop_.AddWindow(im, "_AOL_Icon", "");
    desktop_.AddWindow(im, "_AOL_Icon", "", [im](auto& d, host::WindowHandle, const auto& m) {
      if (m.message == WM_LBUTTONUP)
        d.RemoveWindow(im);
      return std::intptr_t{0};
    });
  });
  EXPECT_TOOK(Send(InstantMessageAnswer::kNeverOpen, InstantMessageOutcome::kTaken), kBound - 0.1,
              2 * kPoll);
}

TEST(Timings, WaitsLookEvery10To15MsAndGiveUpAfterAMinute) {
  EXPECT_GE(host::timings::kWindowPollSeconds, 0.010);
  EXPECT_LE(host::timings::kWindowPollSeconds, kPoll);
  EXPECT_EQ(kBound, 60);
}

class WaitForTest : public ::testing::Test {
 protected:
  host::SubstituteDesktop desktop_;
};

TEST_F(WaitForTest, EndsWithinAPollOfTheConditionHolding) {
  bool ready = false;
  desktop_.Schedule(5, [&] { ready = true; });
  EXPECT_TRUE(host::WaitFor(
      desktop_, [&] { return ready; }, 60, kPoll));
  EXPECT_TOOK(desktop_.Now(), 5, kPoll);
}

TEST_F(WaitForTest, GivesUpAtExactlyItsBoundAndLooksEveryPoll) {
  int looks = 0;
  EXPECT_FALSE(host::WaitFor(
      desktop_, [&] { return ++looks, false; }, 1.2, kPoll));
  EXPECT_TOOK(desktop_.Now(), 1.2, kTiny);
  EXPECT_NEAR(looks, 1.2 / kPoll + 1, 2) << "one look at the start, then one per poll";
}

TEST_F(WaitForTest, AConditionAlreadyTrueTakesNoTime) {
  EXPECT_TRUE(host::WaitFor(
      desktop_, [] { return true; }, 60, kPoll));
  EXPECT_EQ(desktop_.Now(), 0);
}

TEST_F(WaitForTest, AConditionTrueExactlyAtTheBoundCounts) {
  bool ready = false;
  desktop_.Schedule(1.2, [&] { ready = true; });
  EXPECT_TRUE(host::WaitFor(
      desktop_, [&] { return ready; }, 1.2, kPoll));
}

}  // namespace
}  // namespace velto::testing
