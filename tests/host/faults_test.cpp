// The host routines against a host that hangs or loses a window between the lookup and
// the send: nothing goes to any other window, nothing waits longer than its bound, and
// the host is left as it was.

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
using standin::InstantMessageAnswer;

class HungHostTest : public HostTest {};

// A hung window holds a send for the hung-host bound once; the routine then ends there.
TEST_F(HungHostTest, AHungChatInputTakesNoLineAndHoldsTheProgramOnceForTheBound) {
  const WindowHandle input = ChatInput(standin_.chatRoom());
  desktop_.SetHung(input, true);
  host::SendChatLine(desktop_, "lost");
  EXPECT_DOUBLE_EQ(desktop_.Now(), host::timings::kHungHostMilliseconds / 1000.0);
  ExpectSequence(desktop_,
                 {Rejected(SentText(input, WM_SETTEXT, "lost")),
                  Optional(Rejected(SentValue(input, WM_CHAR, 0x0D)))},
                 "hung input");
  EXPECT_TRUE(standin_.received().empty());

  desktop_.SetHung(input, false);
  host::SendChatLine(desktop_, "back");
  EXPECT_EQ(standin_.ChatLines(), std::vector<std::string>{"back"});
}

TEST_F(HungHostTest, AHungKeywordBoxOpensNothingAndTheInstantMessageIsNotSent) {
  const WindowHandle box = standin_.keywordBox();
  const std::string room = standin_.RoomName();
  desktop_.SetHung(box, true);
  host::OpenKeyword(desktop_, "aol://2719:2-2-idle");
  EXPECT_EQ(standin_.RoomName(), room);
  EXPECT_EQ(host::SendInstantMessage(desktop_, "$IM_OFF", "Vrel owns you"),
            InstantMessageOutcome::kNotSent);
  EXPECT_LE(desktop_.Now(), 2 * host::timings::kHungHostMilliseconds / 1000.0 + 1e-6)
      << "each routine held once, for the bound";
  EXPECT_TRUE(standin_.received().empty());
  for (const auto& m : desktop_.Log()) EXPECT_EQ(m.window, box) << "only the box was tried";
}

class VanishingWindowTest : public HostTest {};

TEST_F(VanishingWindowTest, ARoomClosingAsItsLineIsSetTakesNoCarriageReturnElsewhere) {
  const WindowHandle room = standin_.chatRoom();
  const WindowHandle input = ChatInput(room);
  desktop_.SetHandler(input, [room](auto& d, WindowHandle, const auto&) {
    d.RemoveWindow(room);
    return std::intptr_t{1};
  });
  host::SendChatLine(desktop_, "last");
  ExpectSequence(
      desktop_,
      {SentText(input, WM_SETTEXT, "last"), Optional(Rejected(SentValue(input, WM_CHAR, 0x0D)))},
      "room gone after the text");
  EXPECT_TRUE(standin_.received().empty());
}

TEST_F(VanishingWindowTest, AKeywordBoxGoneAfterItsTextTypesNowhereElse) {
  const WindowHandle box = standin_.keywordBox();
  const std::string room = standin_.RoomName();
  desktop_.SetHandler(box, [](auto& d, WindowHandle self, const auto&) {
    d.RemoveWindow(self);
    return std::intptr_t{1};
  });
  host::OpenKeyword(desktop_, "aol://2719:2-2-idle");
  ExpectSequence(desktop_,
                 {SentText(box, WM_SETTEXT, "aol://2719:2-2-idle"),
                  Optional(Rejected(SentValue(box, WM_CHAR, 0x20))),
                  Optional(Rejected(SentValue(box, WM_CHAR, 0x0D)))},
                 "box gone after the text");
  EXPECT_EQ(standin_.RoomName(), room);
}

// An instant-message window of our own making, opened `delay` after the keyword.
class OwnInstantMessageWindow : public HostTest {
 protected:
  void OpenLater(double delay) {
    standin_.SetInstantMessageAnswer(InstantMessageAnswer::kNeverOpen);
    desktop_.Schedule(delay, [this] {
      im_ = desktop_.AddWindow(standin_.mdiClient(), "AOL Child", "Send Instant Message");
      text_ = desktop_.AddWindow(im_, "RICHCNTL", "");
      for (int i = 0; i < 9; ++i) send_ = desktop_.AddWindow(im_, "_AOL_Icon", "");
    });
  }
  InstantMessageOutcome Send() {
    const double start = desktop_.Now();
    const InstantMessageOutcome outcome = host::SendInstantMessage(desktop_, "$IM_OFF", "hi");
    took_ = desktop_.Now() - start;
    return outcome;
  }
  WindowHandle im_, text_, send_;
  double took_ = 0;
};

TEST_F(OwnInstantMessageWindow, ClosingAsItsTextIsSetIsNeverRefusedAndEndsAtOnce) {
  OpenLater(0.1);
  desktop_.Schedule(0.1, [this] {
    desktop_.SetHandler(text_, [this](auto& d, WindowHandle, const auto&) {
      d.RemoveWindow(im_);
      return std::intptr_t{1};
    });
  });
  EXPECT_NE(Send(), InstantMessageOutcome::kRefused);
  EXPECT_LT(took_, 0.1 + 3 * host::timings::kWindowPollSeconds);
  for (const auto& m : desktop_.Log()) {
    EXPECT_NE(m.how, host::Delivery::kPosted) << "nothing to confirm or close";
  }
}

TEST_F(OwnInstantMessageWindow, TheBoxAndTheWindowGoneInTheSamePassConfirmTheBoxOnly) {
  OpenLater(0.1);
  WindowHandle button;
  desktop_.Schedule(0.1, [&] {
    desktop_.SetHandler(send_, [&](auto& d, WindowHandle, const auto& m) {
      if (m.message == WM_LBUTTONUP) {
        d.RemoveWindow(im_);
        const WindowHandle box = d.AddWindow(host::kNoWindow, "#32770", "America Online");
        d.AddWindow(box, "Static", "refused");
        button = d.AddWindow(box, "Button", "OK");
      }
      return std::intptr_t{0};
    });
  });
  EXPECT_EQ(Send(), InstantMessageOutcome::kRefused);
  ExpectSequence(
      desktop_,
      {Posted(button, WM_KEYDOWN, 0x20), Posted(button, WM_KEYUP, 0x20), Ignored(WM_SETTEXT),
       Ignored(WM_CHAR), Ignored(WM_LBUTTONDOWN), Ignored(WM_LBUTTONUP)},
      "no WM_CLOSE for a window already gone");
}

}  // namespace
}  // namespace velto::testing
