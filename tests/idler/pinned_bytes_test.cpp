// Every path that sends a line, keyword or instant message, checked byte for byte
// against the pinned table (pinned_lines.h), on the substitute with the stand-in host.

#include "host/messages.h"
#include "support/message_sequence.h"
#include "ui/program_fixture.h"

namespace velto::testing {
namespace {

using Kind = standin::Received::Kind;

// What the stand-in host should have received, in order.
struct Sent {
  Kind kind;
  std::string bytes;
  std::string recipient = {};
};
Sent Chat(std::string bytes) {
  return {Kind::kChatLine, std::move(bytes)};
}
Sent Keyword(std::string bytes) {
  return {Kind::kKeyword, std::move(bytes)};
}
Sent Im(std::string recipient, std::string bytes) {
  return {Kind::kInstantMessage, std::move(bytes), std::move(recipient)};
}

std::string Show(const std::vector<standin::Received>& received) {
  std::string out;
  for (const auto& r : received)
    out += "  " + std::to_string(static_cast<int>(r.kind)) + " " + r.recipient + " \"" +
           ShowBytes(r.bytes) + "\"\n";
  return out;
}

class PinnedBytesTest : public ProgramTest {
 protected:
  void ExpectReceived(const std::vector<Sent>& expected, const std::string& path) {
    const std::vector<standin::Received> received = NewlyReceived();
    bool same = received.size() == expected.size();
    for (std::size_t i = 0; same && i < received.size(); ++i) {
      same = received[i].kind == expected[i].kind && received[i].bytes == expected[i].bytes &&
             received[i].recipient == expected[i].recipient;
    }
    EXPECT_TRUE(same) << path << ": the host received\n" << Show(received);
  }
};

// The handle as typed, and as the host's bytes.
class PinnedStartUp : public PinnedBytesTest,
                      public ::testing::WithParamInterface<std::pair<std::string, std::string>> {};

TEST_P(PinnedStartUp, AnnouncesWithTheHandleAsTyped) {
  const auto& [typed, bytes] = GetParam();
  program_.Start();
  toolkit_.Type(FormId::kForm1, handle_prompt::kHandle, typed);
  const host::WindowHandle input = ChatInput();
  desktop_.ClearLog();
  ASSERT_TRUE(Click(FormId::kForm1, handle_prompt::kEnter));
  ExpectReceived({Chat(pinned::kAnnouncement), Chat(pinned::LoadedBy(bytes))}, typed);
  ExpectSequence(
      desktop_,
      {SentText(input, WM_SETTEXT, pinned::kAnnouncement), SentValue(input, WM_CHAR, 0x0D),
       SentText(input, WM_SETTEXT, pinned::LoadedBy(bytes)), SentValue(input, WM_CHAR, 0x0D)},
      "announcements", {input});
}

INSTANTIATE_TEST_SUITE_P(Handles, PinnedStartUp,
                         ::testing::Values(std::pair<std::string, std::string>{"me", "me"},
                                           std::pair<std::string, std::string>{"", ""},
                                           std::pair<std::string, std::string>{
                                               "Zo\u00EB \u2022\u4E2D", "Zo\xEB \x95?"}));

class PinnedAfterStartUp : public PinnedBytesTest {
 protected:
  void SetUp() override { StartAndForgetAnnouncements(); }
};

TEST_F(PinnedAfterStartUp, StartGoesToTheIdleRoomAndSaysStarted) {
  const host::WindowHandle box = host_.keywordBox();
  const host::WindowHandle input = ChatInput();
  desktop_.ClearLog();
  Click(FormId::kForm2, main_window::kStart);
  ExpectReceived({Keyword(pinned::kIdleRoom), Chat(pinned::kStarted)}, "Start");
  ExpectSequence(desktop_,
                 {SentText(box, WM_SETTEXT, pinned::kIdleRoom), SentValue(box, WM_CHAR, 0x20),
                  SentValue(box, WM_CHAR, 0x0D), SentText(input, WM_SETTEXT, pinned::kStarted),
                  SentValue(input, WM_CHAR, 0x0D)},
                 "Start", {box, input});
}

TEST_F(PinnedAfterStartUp, EachTickSaysTheBannerThenTheCountAndTheReasonAsTyped) {
  Click(FormId::kForm2, main_window::kStart);
  NewlyReceived();
  struct Tick {
    int minutes;  // how many ticks to let pass before the checked one
    std::string reason;
    std::string counter;
    std::string reasonBytes;
  };
  const std::vector<Tick> ticks = {
      {0, "Reason???", "1", "Reason???"},
      {0, "", "2", ""},
      {6, "caf\u00E9 \u2039x\u203A \u20AC", "9", "caf\xE9 \x8Bx\x9B \x80"},
      {0, "  <b>lunch</b>  ", "10", "  <b>lunch</b>  "},
      {89, "\u4E2D\U0001F600", "100", "??"},
  };
  for (const Tick& tick : ticks) {
    Wait(60.0 * tick.minutes);
    NewlyReceived();
    toolkit_.Type(FormId::kForm2, main_window::kReason, tick.reason);
    Wait(60);
    ExpectReceived({Chat(pinned::kBanner), Chat(pinned::IdleLine(tick.counter, tick.reasonBytes))},
                   "tick " + tick.counter);
  }
}

TEST_F(PinnedAfterStartUp, StopSaysStopped) {
  Click(FormId::kForm2, main_window::kStart);
  Wait(61);
  NewlyReceived();
  Click(FormId::kForm2, main_window::kStop);
  ExpectReceived({Chat(pinned::kStopped)}, "Stop");
}

TEST_F(PinnedAfterStartUp, ImsOffAndOnSendTheirLinksMessagesAndLines) {
  Click(FormId::kForm2, main_window::kImsOff);
  ExpectReceived({Keyword(pinned::kImsOffLink),
                  Im(pinned::kImsOffRecipient, pinned::kImsSwitchMessage), Chat(pinned::kImsOff)},
                 "Im off");
  Click(FormId::kForm2, main_window::kImsOn);
  ExpectReceived({Keyword(pinned::kImsOnLink),
                  Im(pinned::kImsOnRecipient, pinned::kImsSwitchMessage), Chat(pinned::kImsOn)},
                 "im on");
}

TEST_F(PinnedAfterStartUp, QuitSaysTheBannerAndUnloaded) {
  Click(FormId::kForm2, main_window::kQuit);
  ExpectReceived({Chat(pinned::kBanner), Chat(pinned::kUnloaded)}, "x");
}

TEST_F(PinnedAfterStartUp, ClosingTheMainWindowSaysTheUnloadLine) {
  toolkit_.CloseBySystem(FormId::kForm2);
  ExpectReceived({Chat(pinned::kUnload)}, "close");
}

TEST_F(PinnedAfterStartUp, BoxesAndCaptionsCarryTheirExactTexts) {
  Click(FormId::kForm2, main_window::kAbout);
  Click(FormId::kForm2, main_window::kGreets);
  const auto& boxes = toolkit_.Boxes();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].title, pinned::kApplicationTitle);
  EXPECT_EQ(boxes[0].text, "");
  EXPECT_EQ(boxes[1].title, pinned::kAboutTitle);
  EXPECT_EQ(boxes[1].text, pinned::kAboutText);
  EXPECT_EQ(boxes[2].title, pinned::kGreetsTitle);
  EXPECT_EQ(boxes[2].text, pinned::kGreetsText);
  EXPECT_EQ(desktop_.CaptionBytes(toolkit_.Handle(FormId::kForm2)), pinned::kMainWindowCaption);
  EXPECT_TRUE(NewlyReceived().empty());
}

}  // namespace
}  // namespace velto::testing
