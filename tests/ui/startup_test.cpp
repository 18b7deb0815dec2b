#include "ui/program_fixture.h"

namespace velto::testing {
namespace {

class StartupTest : public ProgramTest {};

TEST_F(StartupTest, EmptyBoxThenHandlePromptWhileTheMainWindowStaysHidden) {
  bool promptVisibleDuringBox = true;
  toolkit_.whileBoxIsUp = [&](const auto&) {
    promptVisibleDuringBox = toolkit_.IsVisible(FormId::kForm1);
  };
  program_.Start();
  ASSERT_EQ(toolkit_.Boxes().size(), 1u);
  EXPECT_EQ(toolkit_.Boxes()[0].text, "");
  EXPECT_EQ(toolkit_.Boxes()[0].title, "Velto idle");
  EXPECT_FALSE(promptVisibleDuringBox);
  EXPECT_TRUE(toolkit_.IsVisible(FormId::kForm1));
  EXPECT_FALSE(toolkit_.IsVisible(FormId::kForm2));
  EXPECT_EQ(toolkit_.Text(FormId::kForm1, handle_prompt::kHandle), "");
  EXPECT_TRUE(host_.received().empty());
  const std::string reason = toolkit_.Text(FormId::kForm2, main_window::kReason);
  toolkit_.Type(FormId::kForm2, main_window::kReason, "typed");
  EXPECT_EQ(toolkit_.Text(FormId::kForm2, main_window::kReason), reason)
      << "a hidden window takes no keys";
}

TEST_F(StartupTest, EnterAnnouncesTwoLinesHalfASecondApartAfterShowingTheMainWindow) {
  StartWithHandle("");
  EXPECT_TRUE(toolkit_.IsVisible(FormId::kForm2));
  EXPECT_FALSE(toolkit_.IsVisible(FormId::kForm1));
  const auto received = NewlyReceived();
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0].bytes,
            "< font . color=#1e90ff > \x8B\xAC\xB7 < font . color=#f00f00  > Velto Idle by: Vrel");
  EXPECT_EQ(received[1].bytes,
            "< font . color=#1e90ff > \x8B\xAC\xB7 < font . color=#f00f00 > Loaded by:  \x8B\x9B ");
  EXPECT_NEAR(received[1].time - received[0].time, 0.5, 1e-6);
}

TEST_F(StartupTest, AnOddHandleIsSentUnchanged) {
  StartWithHandle("  <b>Zo\u00EB \u2022 ");
  const auto lines = NewChatLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], pinned::LoadedBy("  <b>Zo\xEB \x95 "));
}

TEST_F(StartupTest, AClickOnTheMainWindowDuringThePauseSaysItsLineBetweenTheAnnouncements) {
  program_.Start();
  desktop_.Schedule(0.25, [&] { Click(FormId::kForm2, main_window::kStop); });  // Stop
  ASSERT_TRUE(Click(FormId::kForm1, handle_prompt::kEnter));
  const auto lines = NewChatLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], pinned::kStopped);
}

TEST_F(StartupTest, ClosingThePromptEndsTheProgram) {
  program_.Start();
  toolkit_.CloseBySystem(FormId::kForm1);
  EXPECT_TRUE(toolkit_.Ended());
  EXPECT_TRUE(host_.received().empty());
}

}  // namespace
}  // namespace velto::testing
