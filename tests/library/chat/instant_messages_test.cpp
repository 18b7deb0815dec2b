#include <gtest/gtest.h>

#include "library/chat/instant_messages.h"
#include "library/library_host_fixture.h"
#include "library/windows/library_timings.h"

namespace velto::testing {
namespace {

using standin::InstantMessageAnswer;

class InstantMessagesTest : public LibraryHostTest {
 protected:
  std::vector<std::pair<std::string, std::string>> InstantMessagesSent() const {
    std::vector<std::pair<std::string, std::string>> sent;
    for (const Received& r : standin_.received()) {
      if (r.kind == Received::Kind::kInstantMessage)
        sent.emplace_back(r.recipient, r.bytes);
    }
    return sent;
  }
  WindowHandle Conversation(const std::string& caption, const std::string& text) {
    const WindowHandle window = desktop_.AddWindow(standin_.mdiClient(), "AOL Child", caption);
    desktop_.AddWindow(window, "RICHCNTL", text);
    return window;
  }
};

TEST_F(InstantMessagesTest, SwitchesGoToTheHostsSwitchRecipients) {
  InstantMessagesOn(desktop_);
  InstantMessagesOff(desktop_);
  InstantMessagesOnFor(desktop_, "Ann Lee");
  InstantMessagesOffFor(desktop_, "Ann Lee");
  using Sent = std::pair<std::string, std::string>;
  EXPECT_EQ(InstantMessagesSent(), (std::vector<Sent>{{"$IM_ON", "=)"},
                                                      {"$IM_OFF", "=)"},
                                                      {"$IM_ON, Ann Lee", "=)"},
                                                      {"$IM_OFF, Ann Lee", "=)"}}));
}

TEST_F(InstantMessagesTest, AReplyTheHostDidNotTakeIsNeverSent) {
  const WindowHandle window = Conversation("Instant Message From: Ann", "");
  const WindowHandle reply = desktop_.AddWindow(window, "RICHCNTL", "");
  WindowHandle send;
  for (int icon = 1; icon <= 9; ++icon) send = desktop_.AddWindow(window, "_AOL_Icon", "");
  desktop_.SetHung(reply, true);
  ReplyToConversation(desktop_, "hello");
  for (const host::LoggedMessage& m : desktop_.Log())
    EXPECT_NE(m.window, send) << "the send button was clicked after the text failed";
}

TEST_F(InstantMessagesTest, AConversationCaptionHasAtMostTwoCharactersBeforeTheMark) {
  const std::pair<const char*, bool> cases[] = {
      {"Instant Message From: Ann", true},        {">Instant Message From: Ann", true},
      {"\u2022 Instant Message From: Ann", true},  // one character, though three bytes
      {"   Instant Message From: Ann", false},    {"Send Instant Message", false},
      {"instant message from: Ann", false},
  };
  for (const auto& [caption, taken] : cases) {
    const WindowHandle window = Conversation(caption, "");
    EXPECT_EQ(FindConversationWindow(desktop_), taken ? window : kNoWindow) << caption;
    desktop_.RemoveWindow(window);
  }
}

TEST_F(InstantMessagesTest, ReadsTheSenderTextAndLastMessageOfTheFirstConversation) {
  EXPECT_EQ(ConversationText(desktop_), "");
  EXPECT_EQ(ConversationSender(desktop_), "");
  EXPECT_EQ(LastConversationLine(desktop_), "");

  standin_.ReceiveInstantMessage("Ann Lee", "hello there");
  standin_.ReceiveInstantMessage("Ann Lee", "are you \u00b7 there?");
  standin_.ReceiveInstantMessage("Bob", "later window");
  EXPECT_EQ(ConversationSender(desktop_), "Ann Lee");
  EXPECT_EQ(ConversationText(desktop_),
            "Ann Lee:\t hello there\rAnn Lee:\t are you \u00b7 there?\r");
  EXPECT_EQ(LastConversationLine(desktop_), "are you \u00b7 there?");
}

TEST_F(InstantMessagesTest, LastConversationLineOfShortTexts) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},   // nothing left to drop
      {"x", ""},  // no tab: the first character goes, then the last
      {"xyz", "y"},
      {"Ann:\t", ""},    // the tab is the last character
      {"Ann:\t h", ""},  // the character after the tab is the last
      {"Ann:\t hi\r", "hi"},
  };
  for (const auto& [text, last] : cases) {
    const WindowHandle window = Conversation("Instant Message From: Ann", text);
    EXPECT_EQ(LastConversationLine(desktop_), last) << text;
    desktop_.RemoveWindow(window);
  }
}

TEST_F(InstantMessagesTest, ConversationSenderWithoutColonOrName) {
  const WindowHandle noColon = Conversation("Instant Message", "");
  EXPECT_EQ(ConversationSender(desktop_), "");
  desktop_.RemoveWindow(noColon);
  Conversation("Instant Message From:", "");
  EXPECT_EQ(ConversationSender(desktop_), "");
}

TEST_F(InstantMessagesTest, ReplyToConversationFillsTheReplyBoxAndClicksSend) {
  const WindowHandle window = standin_.ReceiveInstantMessage("Ann", "hi");
  const WindowHandle reply = Child(window, "RICHCNTL", 2);
  const WindowHandle send = Child(window, "_AOL_Icon", 9);
  desktop_.ClearLog();
  ReplyToConversation(desktop_, "hi back \u00e9");
  ExpectSequence(desktop_,
                 {SentText(reply, WM_SETTEXT, "hi back \xE9"),
                  SentZeroReference(send, WM_LBUTTONDOWN), SentZeroReference(send, WM_LBUTTONUP)},
                 "reply");
  using Sent = std::pair<std::string, std::string>;
  EXPECT_EQ(InstantMessagesSent(), (std::vector<Sent>{{"Ann", "hi back \xE9"}}));
  EXPECT_EQ(LastConversationLine(desktop_), "hi back \u00e9");

  desktop_.RemoveWindow(window);
  desktop_.ClearLog();
  ReplyToConversation(desktop_, "lost");
  ExpectSequence(desktop_, {}, "no conversation");
}

// --- is a member online? ---

class IsMemberOnlineTest : public InstantMessagesTest {
 protected:
  IsMemberOnlineTest() {
    standin_.people().SetPeople({"Guest", "Ann Lee"});
    // Keeps the handles of the windows the host opens while the routine runs.
    desktop_.beforeFindWindowEx = [this](WindowHandle, WindowHandle) {
      if (!im_)
        im_ = HostChild("Send Instant Message");
      for (WindowHandle top : desktop_.ChildrenOf(kNoWindow)) {
        if (desktop_.ClassOf(top) == "#32770" && !box_) {
          box_ = top;
          ok_ = Child(box_, "Button");
          answer_ = Child(box_, "Static", 2);
        }
      }
    };
  }
  ~IsMemberOnlineTest() override { desktop_.beforeFindWindowEx = nullptr; }

  WindowHandle im_, box_, ok_, answer_;
};

TEST_F(IsMemberOnlineTest, AsksWithTheTenthIconReadsTheAnswerAndClosesBoth) {
  EXPECT_EQ(IsMemberOnline(desktop_, "ann lee"), kTrue);
  const WindowHandle keyword = standin_.keywordBox();
  const WindowHandle tenth = Child(im_, "_AOL_Icon", 10);
  const WindowHandle ok = ok_;
  const WindowHandle answer = answer_;
  const std::string text = "ann lee is online and able to receive Instant Messages.";
  ExpectSequence(
      desktop_,
      {SentText(keyword, WM_SETTEXT, "aol://9293:ann lee"), SentValue(keyword, WM_CHAR, 0x20),
       SentValue(keyword, WM_CHAR, 0x0D), SentZeroReference(tenth, WM_LBUTTONDOWN),
       SentZeroReference(tenth, WM_LBUTTONUP), SentZeroReference(answer, WM_GETTEXTLENGTH),
       SentBuffer(answer, WM_GETTEXT, static_cast<std::uint32_t>(text.size() + 1)),
       SentValue(ok, WM_KEYDOWN, VK_SPACE), SentValue(ok, WM_KEYUP, VK_SPACE),
       Posted(im_, WM_CLOSE)},
      "asked and answered", {keyword, tenth, ok, answer, im_});
  desktop_.RunFor(0.1);
  EXPECT_FALSE(desktop_.Exists(box_));
  EXPECT_FALSE(desktop_.Exists(im_));
}

TEST_F(IsMemberOnlineTest, AMemberWhoIsNotOnlineIsFalse) {
  EXPECT_EQ(IsMemberOnline(desktop_, "Cy"), kFalse);
  desktop_.RunFor(0.1);
  EXPECT_FALSE(desktop_.Exists(box_)) << "the answer is confirmed all the same";
  EXPECT_FALSE(desktop_.Exists(im_));
}

TEST_F(IsMemberOnlineTest, GivesUpAfterItsBoundWhenTheWindowNeverOpens) {
  standin_.SetInstantMessageAnswer(InstantMessageAnswer::kNeverOpen);
  const double start = desktop_.Now();
  EXPECT_EQ(IsMemberOnline(desktop_, "Ann Lee"), kFalse);
  EXPECT_NEAR(desktop_.Now() - start, timings::kHostWindowWaitSeconds, 0.1);
  const WindowHandle keyword = standin_.keywordBox();
  ExpectSequence(desktop_,
                 {SentText(keyword, WM_SETTEXT, "aol://9293:Ann Lee"),
                  SentValue(keyword, WM_CHAR, 0x20), SentValue(keyword, WM_CHAR, 0x0D)},
                 "only the link");
}

TEST_F(IsMemberOnlineTest, GivesUpWhenTheHostNeverAnswersTheClick) {
  desktop_.beforeFindWindowEx = [this](WindowHandle, WindowHandle) {
    const WindowHandle tenth = Child(HostChild("Send Instant Message"), "_AOL_Icon", 10);
    if (tenth)
      desktop_.SetHandler(tenth, {});  // the host never answers the click
  };
  const double start = desktop_.Now();
  EXPECT_EQ(IsMemberOnline(desktop_, "Ann Lee"), kFalse);
  EXPECT_NEAR(desktop_.Now() - start, 0.4 + timings::kHostWindowWaitSeconds, 0.1);
  for (const host::LoggedMessage& m : desktop_.Log())
    EXPECT_NE(m.message.message, WM_CLOSE) << "nothing after the wait";
}

}  // namespace
}  // namespace velto::testing
