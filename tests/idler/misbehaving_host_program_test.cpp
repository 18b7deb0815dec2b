#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "host/timings.h"
#include "ui/program_fixture.h"

namespace velto::testing {
namespace {

using standin::Misbehaviour;

constexpr double kMinute = 60;

// The whole program beside a host that hangs, closes its room, quits and comes back.
class MisbehavingHostProgramTest : public ProgramTest {
 protected:
  void StartIdlingAtTheTopOfAMinute() {
    StartAndForgetAnnouncements();
    ASSERT_TRUE(Click(FormId::kForm2, main_window::kStart));
    NewlyReceived();
  }
  // The longest time between two runs of an event that re-arms itself every 250 ms, as a
  // repaint of the idler's window would run: how long the program was frozen.
  void MeasureFreezes() {
    desktop_.Schedule(0.25, [this] {
      longestGap_ = std::max(longestGap_, desktop_.Now() - lastBeat_);
      lastBeat_ = desktop_.Now();
      MeasureFreezes();
    });
  }
  double lastBeat_ = 0;
  double longestGap_ = 0;
};

TEST_F(MisbehavingHostProgramTest, AThirtySecondHangFreezesATickOnceAndLaterTicksArriveWhole) {
  StartIdlingAtTheTopOfAMinute();
  lastBeat_ = desktop_.Now();
  MeasureFreezes();
  Wait(50);
  host_.Misbehave({Misbehaviour::kHang, 30});  // the tick at 60 s falls inside
  Wait(30);
  EXPECT_LE(longestGap_, 5.25 + 1e-6) << "frozen at most once, for the bound";
  EXPECT_TRUE(NewChatLines().empty()) << "nothing reached the room during the hang";
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kMinutesIdled), "1")
      << "the minute still counted";

  Wait(kMinute);
  EXPECT_EQ(NewChatLines(), (std::vector<std::string>{pinned::kBanner, Idle("2")}));
}

TEST_F(MisbehavingHostProgramTest, StopAndXStillWorkDuringAHang) {
  StartIdlingAtTheTopOfAMinute();
  host_.Misbehave({Misbehaviour::kHang, 30});
  Wait(1);
  EXPECT_TRUE(Click(FormId::kForm2, main_window::kStop));
  EXPECT_FALSE(toolkit_.TimerEnabled(FormId::kForm2, main_window::kIdleTimer))
      << "Stop disarmed idling";
  const double before = desktop_.Now();
  EXPECT_TRUE(Click(FormId::kForm2, main_window::kQuit));
  EXPECT_TRUE(toolkit_.Ended());
  EXPECT_LE(desktop_.Now() - before, 5.0 + 1e-6) << "the known-hung host costs nothing more";
  EXPECT_TRUE(NewChatLines().empty());
}

TEST_F(MisbehavingHostProgramTest, ARoomClosingMidLineSendsNothingToAnyOtherWindow) {
  StartIdlingAtTheTopOfAMinute();
  // Another program's window of the same classes, which must never hear from us.
  const host::WindowHandle other = desktop_.AddWindow(host::kNoWindow, "AOL Child", "Lobby");
  desktop_.AddWindow(other, "RICHCNTL", "");
  const host::WindowHandle otherInput = desktop_.AddWindow(other, "RICHCNTL", "");
  const host::WindowHandle input = desktop_.ChildrenOf(host_.chatRoom()).at(1);
  host_.Misbehave({Misbehaviour::kCloseRoomWhenUsed});
  desktop_.ClearLog();
  Wait(2 * kMinute);
  for (const host::LoggedMessage& m : desktop_.Log()) {
    EXPECT_EQ(m.window, input) << "message " << m.message.message << " went astray";
  }
  EXPECT_TRUE(desktop_.Exists(otherInput));
  EXPECT_TRUE(NewChatLines().empty());
}

TEST_F(MisbehavingHostProgramTest, IdlingGoesOnIntoTheRoomOfAHostThatQuitAndStartedAgain) {
  StartIdlingAtTheTopOfAMinute();
  host_.Misbehave({Misbehaviour::kQuit});
  desktop_.ClearLog();
  const double start = desktop_.Now();
  Wait(2 * kMinute);
  EXPECT_TRUE(desktop_.Log().empty()) << "no host, no message to anyone";
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kMinutesIdled), "2");

  standin::StandinHost again(windows_, {});
  Wait(kMinute);
  EXPECT_NEAR(desktop_.Now() - start, 3 * kMinute, 0.2 + 1e-6) << "the tick's own pause";
  std::vector<std::string> lines;
  for (const standin::Received& r : again.received()) lines.push_back(r.bytes);
  EXPECT_EQ(lines, (std::vector<std::string>{pinned::kBanner, Idle("3")}));
}

TEST_F(MisbehavingHostProgramTest, ImsOffSaysNothingWhenTheMessageCouldNotBeHandedOver) {
  StartAndForgetAnnouncements();
  desktop_.Schedule(standin::StandinHost::kInstantMessageOpenSeconds, [this] {
    host_.Misbehave({Misbehaviour::kHang, 30});
  });
  ASSERT_TRUE(Click(FormId::kForm2, main_window::kImsOff));
  Wait(40);
  EXPECT_TRUE(NewChatLines().empty()) << "no claim that instant messages are off";

  host_.Misbehave({Misbehaviour::kQuit});
  const double before = desktop_.Now();
  ASSERT_TRUE(Click(FormId::kForm2, main_window::kImsOn));
  EXPECT_EQ(desktop_.Now(), before) << "with no host, the command returns at once";
}

TEST_F(MisbehavingHostProgramTest, AQuitRequestInsideATickEndsItAndThenTheProgram) {
  StartIdlingAtTheTopOfAMinute();
  desktop_.Schedule(kMinute + 0.1, [this] { desktop_.PostQuitMessage(0); });
  Wait(kMinute + 1);
  EXPECT_EQ(NewChatLines(), (std::vector<std::string>{pinned::kBanner}))
      << "the pause ended and the idle line was not said";
  EXPECT_TRUE(toolkit_.Ended());
  Wait(2 * kMinute);
  EXPECT_TRUE(NewChatLines().empty());
}

TEST_F(MisbehavingHostProgramTest, LogOffSaysTheUnloadLineWithinFiveSecondsEvenToASlowHost) {
  StartAndForgetAnnouncements();
  toolkit_.EndSession();
  EXPECT_EQ(NewChatLines(), (std::vector<std::string>{pinned::kUnload}));
  EXPECT_TRUE(toolkit_.Ended());
}

TEST(LogOffTest, AHostTooSlowToAnswerHoldsTheLogOffUpNoLongerThanFiveSeconds) {
  for (const double delay : {2.3, 4.9}) {
    host::SubstituteDesktop desktop;
    standin::SubstituteHostWindows windows(desktop);
    standin::StandinHost host(windows, {});
    ui::HeadlessToolkit toolkit(desktop);
    ui::Program program(desktop, toolkit);
    program.Start();
    host.Misbehave({Misbehaviour::kSlowAnswers, delay});
    const double start = desktop.Now();
    toolkit.EndSession();
    EXPECT_LE(desktop.Now() - start, 5.0) << "each message " << delay << " s";
    EXPECT_TRUE(toolkit.Ended());
  }
}

TEST_F(MisbehavingHostProgramTest, ADayOfIdlingCountsEveryMinuteAndTheClockTurnsAtMidnight) {
  desktop_.SetTimeOfDay(12 * 3600);
  StartIdlingAtTheTopOfAMinute();
  std::string beforeMidnight;
  std::string afterMidnight;
  const double toMidnight = 24 * 3600 - desktop_.TimeOfDay();
  desktop_.Schedule(toMidnight - 0.5, [&] {
    beforeMidnight = toolkit_.Caption(FormId::kForm2, main_window::kClock);
  });
  desktop_.Schedule(toMidnight + 0.5,
                    [&] { afterMidnight = toolkit_.Caption(FormId::kForm2, main_window::kClock); });
  Wait(24 * 3600 + 1);
  EXPECT_EQ(beforeMidnight, "23:59:59");
  EXPECT_EQ(afterMidnight, "00:00:00");
  const std::vector<std::string> lines = NewChatLines();
  ASSERT_EQ(lines.size(), 2u * 1440);
  for (int n = 1; n <= 1440; ++n) {
    ASSERT_EQ(lines[2 * n - 2], pinned::kBanner) << "tick " << n;
    ASSERT_EQ(lines[2 * n - 1], Idle(std::to_string(n))) << "tick " << n;
  }
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kMinutesIdled), "1440");
}

}  // namespace
}  // namespace velto::testing
