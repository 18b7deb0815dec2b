#include "host/messages.h"
#include "support/message_sequence.h"
#include "ui/program_fixture.h"

namespace velto::testing {
namespace {

using standin::InstantMessageAnswer;
using Kind = standin::Received::Kind;

class CommandsTest : public ProgramTest {
 protected:
  void SetUp() override { StartAndForgetAnnouncements(); }
};

TEST_F(CommandsTest, ImsOffThenOnUnderEachHostAnswer) {
  for (InstantMessageAnswer answer :
       {InstantMessageAnswer::kCloseWindow, InstantMessageAnswer::kMessageBox}) {
    host_.SetInstantMessageAnswer(answer);
    Click(FormId::kForm2, main_window::kImsOff);
    Click(FormId::kForm2, main_window::kImsOn);
    Wait(1);  // the host's box and window close after the click has returned
    const auto received = NewlyReceived();
    ASSERT_EQ(received.size(), 6u);
    EXPECT_EQ(received[0].bytes, "aol://9293:$IM_OFF");
    EXPECT_EQ(received[1].kind, Kind::kInstantMessage);
    EXPECT_EQ(received[1].recipient, "$IM_OFF");
    EXPECT_EQ(received[1].bytes, "Vrel owns you");
    EXPECT_EQ(received[2].bytes, pinned::kImsOff);
    EXPECT_EQ(received[3].bytes, "aol://9293:$IM_ON");
    EXPECT_EQ(received[4].recipient, "$IM_ON");
    EXPECT_EQ(received[5].bytes, pinned::kImsOn);
    EXPECT_FALSE(desktop_.FindWindowA("#32770", "America Online"));
    EXPECT_FALSE(desktop_.FindWindowExA(host_.mdiClient(), host::kNoWindow, "AOL Child",
                                        "Send Instant Message"));
  }
}

TEST_F(CommandsTest, NothingIsAnnouncedWhenTheHostNeverOpensTheWindow) {
  host_.SetInstantMessageAnswer(InstantMessageAnswer::kNeverOpen);
  Click(FormId::kForm2, main_window::kImsOff);
  const auto received = NewlyReceived();
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].kind, Kind::kKeyword);
}

TEST_F(CommandsTest, IdleTicksGoOnWhileWaitingForTheHost) {
  Click(FormId::kForm2, main_window::kStart);
  host_.SetInstantMessageAnswer(InstantMessageAnswer::kNeverOpen);
  Wait(30);
  NewlyReceived();
  Click(FormId::kForm2, main_window::kImsOff);  // waits its full minute
  EXPECT_EQ(NewChatLines(), (std::vector<std::string>{pinned::kBanner, Idle("1")}));
}

TEST_F(CommandsTest, QuitWhileIdlingSaysTwoLinesThenEnds) {
  Click(FormId::kForm2, main_window::kStart);
  Wait(61);
  NewlyReceived();
  Click(FormId::kForm2, main_window::kQuit);
  EXPECT_TRUE(toolkit_.Ended());
  Wait(300);
  EXPECT_EQ(NewChatLines(), (std::vector<std::string>{pinned::kBanner, pinned::kUnloaded}));
}

TEST_F(CommandsTest, ClosingTheMainWindowSaysTheUnloadLineThenEnds) {
  toolkit_.CloseBySystem(FormId::kForm2);
  EXPECT_EQ(NewChatLines(), std::vector<std::string>{"<> Velto Idle \x8B\x9B By: Vrel"});
  EXPECT_TRUE(toolkit_.Ended());
}

TEST_F(CommandsTest, AboutAndGreetsShowTheirBoxes) {
  Click(FormId::kForm2, main_window::kAbout);
  Click(FormId::kForm2, main_window::kGreets);
  const auto& boxes = toolkit_.Boxes();
  ASSERT_EQ(boxes.size(), 3u);  // the start-up box first
  EXPECT_EQ(boxes[1].title, pinned::kAboutTitle);
  EXPECT_EQ(boxes[1].text, pinned::kAboutText);
  EXPECT_EQ(boxes[2].title, pinned::kGreetsTitle);
  EXPECT_EQ(boxes[2].text, pinned::kGreetsText);
  EXPECT_EQ(boxes[2].text.find(", "), std::string::npos) << "no blank after a comma";
  EXPECT_TRUE(NewlyReceived().empty());
}

TEST_F(CommandsTest, TheMainAndRoomsWindowsAreDraggedByTheirBackgroundsThePromptIsNot) {
  for (FormId form : {FormId::kForm2, FormId::kForm3}) {
    if (form == FormId::kForm3)
      Click(FormId::kForm2, main_window::kPrivateRooms);
    desktop_.ClearLog();
    const host::WindowHandle window = toolkit_.Handle(form);
    std::size_t releasedBefore = 0;
    desktop_.SetHandler(window, [&](auto& d, host::WindowHandle, const auto&) {
      releasedBefore = d.CaptureReleases();
      return std::intptr_t{0};
    });
    const std::size_t released = desktop_.CaptureReleases();
    toolkit_.PressMouseOnBackground(form);
    ExpectSequence(desktop_, {SentZeroReference16(window, WM_SYSCOMMAND, 0xFFFFF012)}, "drag");
    EXPECT_EQ(releasedBefore, released + 1) << "the capture is released before the move";
  }
  Click(FormId::kForm3, private_rooms_window::kExit);
  // The prompt, shown again by hand, is not draggable.
  toolkit_.Show(FormId::kForm1);
  desktop_.ClearLog();
  toolkit_.PressMouseOnBackground(FormId::kForm1);
  ExpectSequence(desktop_, {}, "no drag of the prompt");
}

TEST_F(CommandsTest, XDuringATicksPauseEndsAtOnceWithoutTheIdleLine) {
  ClickDuringTheFirstTicksPause(main_window::kQuit);
  EXPECT_EQ(NewChatLines(),
            (std::vector<std::string>{pinned::kBanner, pinned::kBanner, pinned::kUnloaded}));
  EXPECT_TRUE(toolkit_.Ended());
}

TEST_F(CommandsTest, AnInstantMessageStartedWhileAnotherWaitsRunsToItsEndInside) {
  // Im on is clicked while Im off waits for its window. Both keywords come before either
  // window opens, and every window is one of theirs, so the inner call fills the first
  // window to open and is announced once it closes; only then does the outer call go on,
  // fill the other window and announce its line. Nobody waits out a bound.
  const double start = desktop_.Now();
  desktop_.Schedule(0.1, [&] { Click(FormId::kForm2, main_window::kImsOn); });
  Click(FormId::kForm2, main_window::kImsOff);
  Wait(5);
  const auto received = NewlyReceived();
  ASSERT_EQ(received.size(), 6u);
  EXPECT_EQ(received[0].bytes, pinned::kImsOffLink);
  EXPECT_EQ(received[1].bytes, pinned::kImsOnLink);
  EXPECT_NEAR(received[1].time - start, 0.1, 0.02);
  EXPECT_EQ(received[2].kind, Kind::kInstantMessage);
  EXPECT_EQ(received[3].bytes, pinned::kImsOn) << "the inner call ends first";
  EXPECT_EQ(received[4].kind, Kind::kInstantMessage);
  EXPECT_EQ(received[5].bytes, pinned::kImsOff);
  EXPECT_LT(received[5].time - start, 2.0) << "no bound waited out";
}

class ClockTest : public ProgramTest {};

TEST_F(ClockTest, ShowsABlankUntilItsFirstTickThenFollowsTheTimeEveryTick) {
  desktop_.SetTimeOfDay(13 * 3600 + 5 * 60 + 9.93);
  program_.Start();
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kClock), " ");
  Wait(0.049);
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kClock), " ");
  Wait(0.002);
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kClock), "13:05:09");
  Wait(0.05);
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kClock), "13:05:10") << "the second tick";
  Wait(3600);
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kClock), toolkit_.TimeOfDayText());
}

}  // namespace
}  // namespace velto::testing
