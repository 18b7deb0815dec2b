// The sequence check and the known-difference mark fail when, and only when, they should.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "host/messages.h"
#include "support/known_difference.h"
#include "support/message_sequence.h"

namespace velto::testing {
namespace {

class ExpectSequenceTest : public ::testing::Test {
 protected:
  ExpectSequenceTest() {
    window_ = desktop_.AddWindow(host::kNoWindow, "RICHCNTL", "chat \u2022");
    desktop_.SendMessageA(window_, WM_SETTEXT, 0, std::string("hi"));
    desktop_.SendMessageA(window_, WM_GETTEXTLENGTH, 0, 0u);
    desktop_.SendMessageA(window_, WM_CHAR, 0x0D, 0u);
  }
  host::SubstituteDesktop desktop_;
  host::WindowHandle window_;
};

TEST_F(ExpectSequenceTest, OptionalEntriesMayBeMissingAndIgnoredMessagesAreLeftOut) {
  ExpectSequence(desktop_,
                 {SentText(window_, WM_SETTEXT, "hi"), Optional(SentValue(window_, WM_CLOSE, 0)),
                  Ignored(WM_GETTEXTLENGTH), SentValue(window_, WM_CHAR, 0x0D)},
                 "ignoring the length");
  EXPECT_TRUE(desktop_.Log().empty()) << "the check clears the log";
}

TEST_F(ExpectSequenceTest, ReportsTheFirstDifferingEntryWithTheWindowsClassAndCaption) {
  EXPECT_NONFATAL_FAILURE(
      ExpectSequence(desktop_,
                     {SentText(window_, WM_SETTEXT, "hi"), Ignored(WM_GETTEXTLENGTH),
                      SentValue(window_, WM_CHAR, 0x20)},
                     "a space"),
      "differs at expected entry 2, logged entry 2\n  expected: sent to RICHCNTL \"hi\"");
}

TEST_F(ExpectSequenceTest, FailsAtTheLineOfTheTable) {
  ::testing::TestPartResultArray failures;
  int line = 0;
  {
    const ::testing::ScopedFakeTestPartResultReporter intercept(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    line = __LINE__ + 1;
    ExpectSequence(desktop_, {}, "nothing expected");
  }
  ASSERT_EQ(failures.size(), 1);
  EXPECT_EQ(failures.GetTestPartResult(0).line_number(), line);
  EXPECT_NE(std::string(failures.GetTestPartResult(0).file_name()).find("test_helpers_test.cpp"),
            std::string::npos);
}

TEST_F(ExpectSequenceTest, NamesAGoneWindowByWhatItWasWhenTheMessageCame) {
  const host::WindowHandle other = desktop_.AddWindow(host::kNoWindow, "_AOL_Icon", "b\u2022");
  desktop_.PostMessageA(other, WM_CLOSE, 0, 0);
  desktop_.RemoveWindow(other);
  EXPECT_NONFATAL_FAILURE(ExpectSequence(desktop_, {}, "none", {other}),
                          "posted to _AOL_Icon \"b\\x95\" (0x");
}

TEST_F(ExpectSequenceTest, AnExtraMessageIsADifference) {
  EXPECT_NONFATAL_FAILURE(ExpectSequence(desktop_, {SentText(window_, WM_SETTEXT, "hi")}, "one"),
                          "logged entry 2");
}

TEST(KnownDifference, CountsNoFailureWhereMarkedAndFailsOnceTheDifferenceIsGone) {
  ExpectKnownDifference(true, "marked", [] { EXPECT_EQ(1, 2); });
  EXPECT_NONFATAL_FAILURE(ExpectKnownDifference(true, "marked", [] { EXPECT_EQ(1, 1); }),
                          "no longer seen");
  EXPECT_NONFATAL_FAILURE(ExpectKnownDifference(false, "unmarked", [] { EXPECT_EQ(1, 2); }),
                          "Expected equality");
}

}  // namespace
}  // namespace velto::testing
