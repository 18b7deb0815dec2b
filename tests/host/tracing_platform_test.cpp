#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/host_routines.h"
#include "host/tracing_platform.h"
#include "support/host_fixture.h"

namespace velto::testing {
namespace {

using host::WindowHandle;
using standin::Misbehaviour;

class TracingPlatformTest : public HostTest {
 protected:
  // The trace's lines without their times.
  std::vector<std::string> Traced() const {
    std::vector<std::string> lines;
    for (const std::string& line : lines_) lines.push_back(line.substr(line.find(" ms  ") + 5));
    return lines;
  }
  static std::string Described(WindowHandle window, const std::string& classAndCaption) {
    char handle[16];
    std::snprintf(handle, sizeof handle, "0x%x ", window.value());
    return handle + classAndCaption;
  }

  std::vector<std::string> lines_;
  host::TracingPlatform tracing_{desktop_,
                                 [this](const std::string& line) { lines_.push_back(line); }};
};

TEST_F(TracingPlatformTest, AChatLineIsTracedWithTheBytesTheHostReceived) {
  ASSERT_TRUE(host::SendChatLine(tracing_, "hi \xE2\x80\xB9\xE2\x80\xBA"));  // hi ‹›
  const WindowHandle input = ChatInput(standin_.chatRoom());
  // A window is described as it is just before the message: the return finds the text.
  EXPECT_EQ(Traced(), (std::vector<std::string>{
                          "SendMessageA " + Described(input, "\"RICHCNTL\" \"\"") +
                              " WM_SETTEXT wParam 0 text \"hi \\x8b\\x9b\" -> 1, answered",
                          "SendMessageA " + Described(input, "\"RICHCNTL\" \"hi \\x8b\\x9b\"") +
                              " WM_CHAR wParam 13 lParam 0x0 -> 0, answered",
                      }));
  ASSERT_EQ(standin_.received().size(), 1u);
  EXPECT_EQ(standin_.received()[0].bytes, "hi \x8b\x9b");
}

TEST_F(TracingPlatformTest, AWaitIsOneLineWithHowLongItTookAndHowItEnded) {
  standin_.SetInstantMessageAnswer(standin::InstantMessageAnswer::kCloseWindow);
  host::SendInstantMessage(tracing_, "Bob", "hello");
  const std::vector<std::string> traced = Traced();
  std::vector<std::string> waits;
  for (const std::string& line : traced) {
    if (line.rfind("wait ", 0) == 0)
      waits.push_back(line);
  }
  // The window opens 0.4 s after the keyword, and closes 0.2 s after the click; each
  // wait ends within a poll of that.
  ASSERT_EQ(waits.size(), 2u) << ::testing::PrintToString(traced);
  EXPECT_EQ(waits[0].substr(waits[0].size() - 6), ", held");
  EXPECT_NEAR(std::stod(waits[0].substr(5)), 400, 13);
  EXPECT_NEAR(std::stod(waits[1].substr(5)), 200, 13);
  EXPECT_EQ(tracing_.LastOutcome(), host::Outcome::kDone);
}

TEST_F(TracingPlatformTest, ASendTheHungHostDoesNotAnswerShowsAsNotAnsweredAndTheOutcomeIsShared) {
  standin_.Misbehave({Misbehaviour::kHang, 30});
  tracing_.BeginCall();
  EXPECT_FALSE(host::SendChatLine(tracing_, "hi"));
  tracing_.Tell("outcome " + std::string(host::OutcomeName(tracing_.LastOutcome())));
  const std::vector<std::string> traced = Traced();
  ASSERT_EQ(traced.size(), 2u);
  EXPECT_NE(traced[0].find("WM_SETTEXT wParam 0 text \"hi\" -> not answered in time"),
            std::string::npos)
      << traced[0];
  EXPECT_EQ(traced[1], "outcome the host did not answer");
  EXPECT_EQ(desktop_.LastOutcome(), host::Outcome::kHostDidNotAnswer)
      << "the platform below keeps the same outcome";
}

}  // namespace
}  // namespace velto::testing
