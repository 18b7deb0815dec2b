#include "idler/program_fixture.h"

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
    Click(FormId::kForm2, "Label10");
    Click(FormId::kForm2, "Label11");
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
  Click(FormId::kForm2, "Label10");
  const auto received = NewlyReceived();
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].kind, Kind::kKeyword);
}

TEST_F(CommandsTest, IdleTicksGoOnWhileWaitingForTheHost) {
  Click(FormId::kForm2, "Label1");
  host_.SetInstantMessageAnswer(InstantMessageAnswer::kNeverOpen);
  Wait(30);
  NewlyReceived();
  Click(FormId::kForm2, "Label10");  // waits its full minute
  EXPECT_EQ(NewChatLines(), (std::vector<std::string>{pinned::kBanner, Idle("1")}));
}

TEST_F(CommandsTest, QuitWhileIdlingSaysTwoLinesThenEnds) {
  Click(FormId::kForm2, "Label1");
  Wait(61);
  NewlyReceived();
  Click(FormId::kForm2, "Label7");
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
  Click(FormId::kForm2, "Label4");
  Click(FormId::kForm2, "Label9");
  const auto& boxes = toolkit_.Boxes();
  ASSERT_EQ(boxes.size(), 3u);  // the start-up box first
  EXPECT_EQ(boxes[1].title, "About");
  EXPECT_EQ(boxes[1].text, "Sup its vrel...made this on a boring night....Peace :P");
  EXPECT_EQ(boxes[2].title, "greets");
  EXPECT_EQ(boxes[2].text.find(", "), std::string::npos) << "no blank after a comma";
  EXPECT_TRUE(NewlyReceived().empty());
}

TEST_F(CommandsTest, TheMainWindowIsDraggedByItsBackground) {
  desktop_.ClearLog();
  toolkit_.PressMouseOnBackground(FormId::kForm2);
  ASSERT_EQ(desktop_.Log().size(), 1u);
  EXPECT_EQ(desktop_.Log()[0].window, toolkit_.Handle(FormId::kForm2));
  EXPECT_EQ(desktop_.Log()[0].message.wParam, 0xFFFFF012u);
}

class ClockTest : public ProgramTest {};

TEST_F(ClockTest, ShowsABlankUntilItsFirstTickThenTheTime) {
  desktop_.SetTimeOfDay(13 * 3600 + 5 * 60 + 9);
  program_.Start();
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, "Label8"), " ");
  Wait(0.049);
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, "Label8"), " ");
  Wait(0.002);
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, "Label8"), "13:05:09");
}

}  // namespace
}  // namespace velto::testing
