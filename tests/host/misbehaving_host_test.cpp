#include <gtest/gtest.h>

#include "host/host_routines.h"
#include "host/messages.h"
#include "host/timings.h"
#include "support/host_fixture.h"
#include "support/message_sequence.h"

namespace velto::testing {
namespace {

using host::InstantMessageOutcome;
using host::WindowHandle;
using standin::Misbehaviour;

constexpr double kHungBound = host::timings::kHungHostMilliseconds / 1000.0;
constexpr double kHour = 3600;

class MisbehavingHostTest : public HostTest {
 protected:
  void Misbehave(Misbehaviour what, double amount = 0) { standin_.Misbehave({what, amount}); }
  // Moves the wall clock by `seconds` once `after` seconds have passed.
  void MoveWallClockLater(double after, double seconds) {
    desktop_.Schedule(after,
                      [this, seconds] { desktop_.SetTimeOfDay(desktop_.TimeOfDay() + seconds); });
  }
  // Every window any message went to since the log was last cleared.
  std::vector<WindowHandle> Addressed() const {
    std::vector<WindowHandle> windows;
    for (const host::LoggedMessage& m : desktop_.Log()) windows.push_back(m.window);
    return windows;
  }
};

TEST_F(MisbehavingHostTest, DurationsIgnoreTheWallClockMovingAnHourEitherWay) {
  for (const double shift : {kHour, -kHour}) {
    MoveWallClockLater(0.1, shift);
    double start = desktop_.Now();
    host::Pause(desktop_, 0.2);
    EXPECT_NEAR(desktop_.Now() - start, 0.2, 1e-6) << "pause, clock moved by " << shift;

    Misbehave(Misbehaviour::kNeverOpenIm);
    MoveWallClockLater(1, shift);
    start = desktop_.Now();
    EXPECT_EQ(host::SendInstantMessage(desktop_, "$IM_OFF", "x"), InstantMessageOutcome::kTimedOut);
    EXPECT_NEAR(desktop_.Now() - start, host::timings::kInstantMessageWaitSeconds, 0.05)
        << "instant-message wait, clock moved by " << shift;
  }
}

TEST_F(MisbehavingHostTest, AHungChatInputGetsNoCarriageReturnAndCostsOneBoundOnly) {
  const WindowHandle input = ChatInput(standin_.chatRoom());
  desktop_.SetHung(input, true);
  double start = desktop_.Now();
  EXPECT_FALSE(host::SendChatLine(desktop_, "one"));
  EXPECT_NEAR(desktop_.Now() - start, kHungBound, 1e-6) << "the first send waits out the bound";
  ASSERT_EQ(desktop_.Log().size(), 1u) << "the text only: no carriage return follows it";
  EXPECT_FALSE(desktop_.Log()[0].delivered);

  start = desktop_.Now();
  EXPECT_FALSE(host::SendChatLine(desktop_, "two"));
  EXPECT_EQ(desktop_.Now(), start) << "a window known to be hung fails at once";
  EXPECT_TRUE(standin_.ChatLines().empty());
}

TEST_F(MisbehavingHostTest, AHungKeywordBoxGetsNeitherSpaceNorReturn) {
  desktop_.SetHung(standin_.keywordBox(), true);
  EXPECT_FALSE(host::OpenKeyword(desktop_, "aol://2719:2-2-idle"));
  EXPECT_EQ(desktop_.Log().size(), 1u);
  EXPECT_EQ(standin_.RoomName(), "Lobby");
}

TEST_F(MisbehavingHostTest, AHostThatHangsOnceTheWindowIsOpenGetsNoClick) {
  // The hang begins as the window opens, before the idler finds it.
  desktop_.Schedule(standin::StandinHost::kInstantMessageOpenSeconds,
                    [this] { Misbehave(Misbehaviour::kHang, 30); });
  const double start = desktop_.Now();
  EXPECT_EQ(host::SendInstantMessage(desktop_, "$IM_OFF", "x"), InstantMessageOutcome::kNotSent);
  EXPECT_LT(desktop_.Now() - start, 1 + kHungBound);
  ASSERT_FALSE(desktop_.Log().empty());
  EXPECT_EQ(desktop_.Log().back().message.message, static_cast<std::uint32_t>(WM_SETTEXT))
      << "the failed text is the last message: no button press follows it";
}

TEST_F(MisbehavingHostTest, HangsShorterThanTheBoundAndSlowAnswersStillDeliverWholeLines) {
  Misbehave(Misbehaviour::kHang, 2);
  double start = desktop_.Now();
  EXPECT_TRUE(host::SendChatLine(desktop_, "after the hang"));
  EXPECT_NEAR(desktop_.Now() - start, 2, 1e-6);

  Misbehave(Misbehaviour::kSlowAnswers, 0.5);
  start = desktop_.Now();
  EXPECT_TRUE(host::SendChatLine(desktop_, "slowly"));
  EXPECT_NEAR(desktop_.Now() - start, 1, 1e-6) << "two messages, half a second each";
  EXPECT_EQ(standin_.ChatLines(), (std::vector<std::string>{"after the hang", "slowly"}));
}

TEST_F(MisbehavingHostTest, WithNoHostNothingIsTypedAndNothingWaits) {
  Misbehave(Misbehaviour::kQuit);
  desktop_.ClearLog();
  const double start = desktop_.Now();
  EXPECT_EQ(host::SendInstantMessage(desktop_, "$IM_OFF", "x"), InstantMessageOutcome::kNotSent);
  EXPECT_FALSE(host::OpenKeyword(desktop_, "aol://2719:2-2-idle"));
  EXPECT_FALSE(host::SendChatLine(desktop_, "anyone?"));
  EXPECT_EQ(desktop_.Now(), start);
  EXPECT_TRUE(desktop_.Log().empty());
}

TEST_F(MisbehavingHostTest, AHostQuittingDuringTheWaitIsNoSignTheMessageWasTaken) {
  standin_.SetInstantMessageAnswer(standin::InstantMessageAnswer::kNeverAnswer);
  desktop_.Schedule(2, [this] { Misbehave(Misbehaviour::kQuit); });
  const double start = desktop_.Now();
  EXPECT_EQ(host::SendInstantMessage(desktop_, "$IM_OFF", "x"), InstantMessageOutcome::kTimedOut);
  EXPECT_LT(desktop_.Now() - start, 2.1) << "the wait ends with the host";
}

TEST_F(MisbehavingHostTest, ARoomClosingMidWalkOrMidLineGetsNothingElseAnywhere) {
  const WindowHandle room = standin_.chatRoom();
  const WindowHandle input = ChatInput(room);
  desktop_.beforeFindWindowEx = [&](WindowHandle parent, WindowHandle) {
    if (parent == room)
      desktop_.RemoveWindow(room);
  };
  EXPECT_FALSE(host::SendChatLine(desktop_, "mid-walk"));
  EXPECT_TRUE(desktop_.Log().empty()) << "the room went before its input was found";

  desktop_.beforeFindWindowEx = nullptr;
  host::OpenKeyword(desktop_, "aol://2719:2-2-idle");  // the host opens a new room
  const WindowHandle newInput = ChatInput(standin_.chatRoom());
  Misbehave(Misbehaviour::kCloseRoomWhenUsed);
  desktop_.ClearLog();
  EXPECT_FALSE(host::SendChatLine(desktop_, "mid-line"));
  for (const WindowHandle window : Addressed()) EXPECT_EQ(window, newInput);
  EXPECT_NE(input, newInput);
  EXPECT_TRUE(standin_.ChatLines().empty());
}

TEST_F(MisbehavingHostTest, AQuitRequestEndsEveryWaitAndStopsTheRoutines) {
  desktop_.Schedule(0.05, [this] { desktop_.PostQuitMessage(3); });
  const double start = desktop_.Now();
  host::Pause(desktop_, 10);
  EXPECT_LT(desktop_.Now() - start, 0.1);
  EXPECT_EQ(desktop_.ExitCode(), 3);
  EXPECT_FALSE(host::SendChatLine(desktop_, "after the quit"));
  EXPECT_EQ(host::SendInstantMessage(desktop_, "$IM_OFF", "x"), InstantMessageOutcome::kNotSent);
  EXPECT_TRUE(desktop_.Log().empty());
}

}  // namespace
}  // namespace velto::testing
