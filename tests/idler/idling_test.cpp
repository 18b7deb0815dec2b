#include "idler/idling.h"

#include "ui/program_fixture.h"

namespace velto::testing {
namespace {

class IdlingTest : public ProgramTest {
 protected:
  void SetUp() override { StartAndForgetAnnouncements(); }
  // The counters of the idle lines received since the last look.
  std::vector<std::string> IdleCounters() {
    std::vector<std::string> counters;
    for (const std::string& line : NewChatLines()) {
      const auto open = line.find("[<b>");
      if (open != std::string::npos)
        counters.push_back(line.substr(open + 4, line.find("</b>") - open - 4));
    }
    return counters;
  }
};

TEST_F(IdlingTest, StartGoesToTheIdleRoomThenTheFirstTickComesAMinuteLater) {
  ASSERT_TRUE(Click(FormId::kForm2, main_window::kStart));
  auto received = NewlyReceived();
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0].kind, standin::Received::Kind::kKeyword);
  EXPECT_EQ(received[0].bytes, "aol://2719:2-2-idle");
  EXPECT_EQ(received[1].bytes, pinned::kStarted);
  EXPECT_NEAR(received[1].time - received[0].time, 0.2, 1e-6);
  EXPECT_EQ(host_.RoomName(), "idle");
  const double started = received[1].time;

  Wait(59.9);
  EXPECT_TRUE(NewlyReceived().empty());
  Wait(0.4);
  received = NewlyReceived();
  ASSERT_EQ(received.size(), 2u);
  EXPECT_NEAR(received[0].time - started, 60, 1e-6);
  EXPECT_EQ(received[0].bytes, pinned::kBanner);
  EXPECT_EQ(received[1].bytes, Idle("1"));
  EXPECT_EQ(received[1].bytes.size(), 86u);
  EXPECT_NEAR(received[1].time - received[0].time, 0.2, 1e-6);
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kMinutesIdled), "1");
}

TEST_F(IdlingTest, CounterRunsOnUntilStopAndStartsAgainFromOne) {
  Click(FormId::kForm2, main_window::kStart);
  Wait(3 * 60 + 1);
  Click(FormId::kForm2, main_window::kStop);
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kMinutesIdled), "0");
  Click(FormId::kForm2, main_window::kStart);
  Wait(60.5);
  EXPECT_EQ(IdleCounters(), (std::vector<std::string>{"1", "2", "3", "1"}));
  EXPECT_TRUE(toolkit_.TimerEnabled(FormId::kForm2, main_window::kIdleTimer));
  EXPECT_EQ(toolkit_.TimerInterval(FormId::kForm2, main_window::kIdleTimer), 60000);
  Click(FormId::kForm2, main_window::kStop);
  EXPECT_FALSE(toolkit_.TimerEnabled(FormId::kForm2, main_window::kIdleTimer));
  EXPECT_EQ(toolkit_.TimerInterval(FormId::kForm2, main_window::kIdleTimer), 0);
}

TEST_F(IdlingTest, StopWhenOffStillSaysStoppedAndZeroesTheCounter) {
  Click(FormId::kForm2, main_window::kStop);
  EXPECT_EQ(NewChatLines(), std::vector<std::string>{pinned::kStopped});
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kMinutesIdled), "0");
  EXPECT_FALSE(toolkit_.TimerEnabled(FormId::kForm2, main_window::kIdleTimer));
  Wait(600);
  EXPECT_TRUE(NewChatLines().empty());
}

TEST_F(IdlingTest, SecondStartRestartsTheMinuteAndKeepsTheCount) {
  Click(FormId::kForm2, main_window::kStart);
  Wait(61);
  Wait(29);
  Click(FormId::kForm2, main_window::kStart);
  NewlyReceived();
  Wait(59);
  EXPECT_TRUE(NewlyReceived().empty()) << "the minute restarted at the second Start";
  Wait(2);
  EXPECT_EQ(IdleCounters(), std::vector<std::string>{"2"});
}

TEST_F(IdlingTest, StopDuringATicksPauseGoesBetweenItsLinesAndEndsIdling) {
  ClickDuringTheFirstTicksPause(main_window::kStop);
  EXPECT_EQ(NewChatLines(),
            (std::vector<std::string>{pinned::kBanner, pinned::kStopped, Idle("0")}));
}

TEST_F(IdlingTest, StopDuringStartsPauseLeavesIdlingOn) {
  desktop_.Schedule(0.1, [&] { Click(FormId::kForm2, main_window::kStop); });
  Click(FormId::kForm2, main_window::kStart);
  EXPECT_EQ(NewChatLines(), (std::vector<std::string>{pinned::kStopped, pinned::kStarted}));
  Wait(61);
  EXPECT_EQ(IdleCounters(), std::vector<std::string>{"1"});
}

TEST_F(IdlingTest, ReasonIsReadAtEachTickAndSentUnchanged) {
  Click(FormId::kForm2, main_window::kStart);
  toolkit_.Type(FormId::kForm2, main_window::kReason, "");
  Wait(61);
  toolkit_.Type(FormId::kForm2, main_window::kReason, "<b>[lunch]</b> \u00E9");
  Wait(60);
  const auto lines = NewChatLines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[2], Idle("1", ""));
  EXPECT_EQ(lines[4], Idle("2", "<b>[lunch]</b> \xE9"));
}

TEST_F(IdlingTest, HidingTheMainWindowDoesNotStopIdling) {
  Click(FormId::kForm2, main_window::kStart);
  Click(FormId::kForm2, main_window::kPrivateRooms);
  EXPECT_FALSE(toolkit_.IsVisible(FormId::kForm2));
  Wait(121);
  Click(FormId::kForm3, private_rooms_window::kExit);
  EXPECT_EQ(IdleCounters(), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kMinutesIdled), "2");
}

TEST_F(IdlingTest, ADayOfIdlingSaysEveryLineAndHoldsNoMoreState) {
  Click(FormId::kForm2, main_window::kStart);
  NewlyReceived();
  Wait(60.5);
  NewlyReceived();
  const std::size_t pendingAfterOneTick = desktop_.PendingEvents();
  std::size_t lines = 0;
  for (int hour = 0; hour < 24; ++hour) {
    Wait(3600);
    lines += NewChatLines().size();
    desktop_.ClearLog();
  }
  EXPECT_EQ(lines, 2u * 1440);
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kMinutesIdled), "1441");
  EXPECT_EQ(desktop_.PendingEvents(), pendingAfterOneTick);
}

TEST(ReadCounter, TakesTheLeadingNumberAfterBlanks) {
  EXPECT_EQ(idler::ReadCounter("   0"), 0);
  EXPECT_EQ(idler::ReadCounter("41"), 41);
  EXPECT_EQ(idler::ReadCounter(" 7 min"), 7);
  EXPECT_EQ(idler::ReadCounter(""), 0);
  EXPECT_EQ(idler::ReadCounter("x9"), 0);
  EXPECT_GT(idler::ReadCounter("99999999999999999999999"), 0) << "no overflow";
}

}  // namespace
}  // namespace velto::testing
