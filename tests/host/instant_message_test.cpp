#include <gtest/gtest.h>

#include <functional>

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

class SendInstantMessageTest : public HostTest {
 protected:
  // Records every message to the host, and the instant-message windows as they open.
  InstantMessageOutcome Send(InstantMessageAnswer answer) {
    standin_.SetInstantMessageAnswer(answer);
    return host::SendInstantMessage(desktop_, "$IM_OFF", "Vrel owns you");
  }
  WindowHandle OpenedWindow() const {
    for (WindowHandle child : desktop_.ChildrenOf(standin_.mdiClient())) {
      if (desktop_.Caption(child) == "Send Instant Message")
        return child;
    }
    return host::kNoWindow;
  }
  // Keeps the handles of the instant-message window while the host still has it.
  void WatchWindow() {
    desktop_.Schedule(standin::StandinHost::kInstantMessageOpenSeconds + 0.001, [this] {
      im_ = OpenedWindow();
      const auto children = desktop_.ChildrenOf(im_);
      text_ = children.at(0);
      send_ = children.at(9);  // the ninth "_AOL_Icon" follows the text box
    });
  }
  std::vector<Expected> KeywordAndSend() const {
    const WindowHandle box = standin_.keywordBox();
    return {SentText(box, WM_SETTEXT, "aol://9293:$IM_OFF"),
            SentValue(box, WM_CHAR, 0x20),
            SentValue(box, WM_CHAR, 0x0D),
            SentText(text_, WM_SETTEXT, "Vrel owns you"),
            SentZeroReference(send_, WM_LBUTTONDOWN),
            SentZeroReference(send_, WM_LBUTTONUP)};
  }
  // Opens windows as the host does: after the keyword was typed (at the routine's first
  // look), so that they are the ones the keyword opened.
  void OnceTheKeywordIsTyped(std::function<void()> open) { desktop_.Schedule(0, std::move(open)); }
  std::vector<WindowHandle> Watched() const { return {standin_.keywordBox(), im_, text_, send_}; }

  WindowHandle im_, text_, send_;
};

TEST_F(SendInstantMessageTest, WindowClosingMeansTakenAndNothingIsPosted) {
  WatchWindow();
  EXPECT_EQ(Send(InstantMessageAnswer::kCloseWindow), InstantMessageOutcome::kTaken);
  ExpectSequence(desktop_, KeywordAndSend(), "taken");
  ASSERT_EQ(standin_.received().size(), 2u);
  EXPECT_EQ(standin_.received()[1].recipient, "$IM_OFF");
  EXPECT_EQ(standin_.received()[1].bytes, "Vrel owns you");
}

TEST_F(SendInstantMessageTest, HostMessageBoxIsConfirmedAndTheWindowClosed) {
  WatchWindow();
  // The box lives no virtual time at all, so its handles are kept as the routine looks.
  WindowHandle box, button;
  desktop_.beforeFindWindowEx = [&](WindowHandle, WindowHandle) {
    for (WindowHandle w : desktop_.ChildrenOf(host::kNoWindow)) {
      if (desktop_.ClassOf(w) == "#32770" && desktop_.Caption(w) == "America Online") {
        box = w;
        button = desktop_.ChildrenOf(w).at(1);
      }
    }
  };
  EXPECT_EQ(Send(InstantMessageAnswer::kMessageBox), InstantMessageOutcome::kRefused);
  std::vector<Expected> expected = KeywordAndSend();
  expected.push_back(Posted(button, WM_KEYDOWN, 0x20));
  expected.push_back(Posted(button, WM_KEYUP, 0x20));
  expected.push_back(Posted(im_, WM_CLOSE));
  std::vector<WindowHandle> watched = Watched();
  watched.push_back(button);
  ExpectSequence(desktop_, expected, "refused", watched);
  EXPECT_FALSE(desktop_.Exists(box));
  EXPECT_FALSE(desktop_.Exists(im_));
}

// An instant-message window left open to somebody else comes first in child order; the
// message goes to the member named, through the window the keyword opened.
TEST_F(SendInstantMessageTest, AWindowLeftOpenToAnotherMemberIsNeverUsed) {
  host::OpenKeyword(desktop_, "aol://9293:Bob");
  desktop_.RunFor(standin::StandinHost::kInstantMessageOpenSeconds + 0.1);
  const WindowHandle bobs = OpenedWindow();
  ASSERT_TRUE(bobs);
  const double start = desktop_.Now();
  EXPECT_EQ(Send(InstantMessageAnswer::kCloseWindow), InstantMessageOutcome::kTaken);
  EXPECT_LT(desktop_.Now() - start, 1.0) << "taken as soon as its own window closed";
  ASSERT_EQ(standin_.received().size(), 3u);
  EXPECT_EQ(standin_.received()[2].recipient, "$IM_OFF");
  EXPECT_EQ(standin_.received()[2].bytes, "Vrel owns you");
  EXPECT_TRUE(desktop_.Exists(bobs)) << "the other window is left as it was";
}

TEST_F(SendInstantMessageTest, GivesUpAfterItsBoundWhenTheWindowNeverOpens) {
  const double start = desktop_.Now();
  EXPECT_EQ(Send(InstantMessageAnswer::kNeverOpen), InstantMessageOutcome::kTimedOut);
  EXPECT_NEAR(desktop_.Now() - start, 60, 0.1);
  const WindowHandle box = standin_.keywordBox();
  ExpectSequence(desktop_,
                 {SentText(box, WM_SETTEXT, "aol://9293:$IM_OFF"), SentValue(box, WM_CHAR, 0x20),
                  SentValue(box, WM_CHAR, 0x0D)},
                 "only the link, nothing posted", {});
}

TEST_F(SendInstantMessageTest, GivesUpWhenTheHostNeverAnswersAndPostsNothing) {
  WatchWindow();
  EXPECT_EQ(Send(InstantMessageAnswer::kNeverAnswer), InstantMessageOutcome::kTimedOut);
  ExpectSequence(desktop_, KeywordAndSend(), "no answer");
}

TEST_F(SendInstantMessageTest, NeverClicksBeforeTheNinthIconExists) {
  // The window opens with only eight icons.
  WindowHandle early;
  std::vector<WindowHandle> icons;
  OnceTheKeywordIsTyped([&] {
    early = desktop_.AddWindow(standin_.mdiClient(), "AOL Child", "Send Instant Message");
    desktop_.AddWindow(early, "RICHCNTL", "");
    for (int i = 0; i < 8; ++i) icons.push_back(desktop_.AddWindow(early, "_AOL_Icon", ""));
  });
  WindowHandle ninth;
  desktop_.Schedule(5, [&] {
    ninth = desktop_.AddWindow(early, "_AOL_Icon", "", [&](auto& d, WindowHandle, const auto& m) {
      if (m.message == WM_LBUTTONUP)
        d.RemoveWindow(early);
      return std::intptr_t{0};
    });
  });
  EXPECT_EQ(Send(InstantMessageAnswer::kNeverOpen), InstantMessageOutcome::kTaken);
  ExpectSequence(desktop_, {}, "the first eight icons never clicked", icons);
  EXPECT_FALSE(desktop_.Exists(ninth));
}

// An instant-message window whose send button makes a host message box that is hidden
// at first: shown `showAfter` seconds later, or never when that is negative. Notes when
// the box showed and when its button took the space key.
class HiddenMessageBoxTest : public SendInstantMessageTest {
 protected:
  void AddRefusingWindow(double showAfter) {
    const WindowHandle im =
        desktop_.AddWindow(standin_.mdiClient(), "AOL Child", "Send Instant Message");
    desktop_.AddWindow(im, "RICHCNTL", "");
    for (int i = 0; i < 8; ++i) desktop_.AddWindow(im, "_AOL_Icon", "");
    desktop_.AddWindow(im, "_AOL_Icon", "", [this, showAfter](auto&, WindowHandle, const auto& m) {
      if (m.message == WM_LBUTTONUP)
        MakeHiddenBox(showAfter);
      return std::intptr_t{0};
    });
  }
  void MakeHiddenBox(double showAfter) {
    madeAt_ = desktop_.Now();
    box_ = desktop_.AddWindow(host::kNoWindow, "#32770", "America Online");
    desktop_.ShowWindow(box_, kHide);
    desktop_.AddWindow(box_, "Button", "OK", [this](auto&, WindowHandle, const auto& m) {
      if (m.message == WM_KEYDOWN && pressedAt_ < 0) {
        pressedAt_ = desktop_.Now();
        pressedWhileShown_ = desktop_.IsWindowVisible(box_);
      }
      return std::intptr_t{0};
    });
    if (showAfter >= 0) {
      desktop_.Schedule(showAfter, [this] {
        shownAt_ = desktop_.Now();
        desktop_.ShowWindow(box_, kShow);
      });
    }
  }
  static constexpr int kHide = 0;  // SW_HIDE
  static constexpr int kShow = 5;  // SW_SHOW

  WindowHandle box_;
  double madeAt_ = -1, shownAt_ = -1, pressedAt_ = -1;
  bool pressedWhileShown_ = false;
};

// A box is found from the moment it is made. A space pressed before it shows is lost
// when it is shown and activated, and the box stays up.
TEST_F(HiddenMessageBoxTest, PressesTheHostMessageBoxOnlyOnceItShows) {
  OnceTheKeywordIsTyped([&] { AddRefusingWindow(0.5); });
  EXPECT_EQ(Send(InstantMessageAnswer::kNeverOpen), InstantMessageOutcome::kRefused);
  desktop_.RunFor(0.1);
  ASSERT_GE(shownAt_, 0) << "the box was shown";
  ASSERT_GE(pressedAt_, 0) << "the button took the space key";
  EXPECT_TRUE(pressedWhileShown_);
  EXPECT_LT(pressedAt_ - shownAt_, 0.1) << "pressed soon after the box showed";
}

TEST_F(HiddenMessageBoxTest, PressesABoxThatNeverShowsOnceItIsOverdue) {
  OnceTheKeywordIsTyped([&] { AddRefusingWindow(-1); });
  EXPECT_EQ(Send(InstantMessageAnswer::kNeverOpen), InstantMessageOutcome::kRefused);
  desktop_.RunFor(0.1);
  ASSERT_GE(pressedAt_, 0) << "the button took the space key";
  EXPECT_NEAR(pressedAt_ - madeAt_, host::timings::kHostMessageBoxShowSeconds, 0.1);
}

// A refusing window of a host that takes its time over posted messages, as another
// process under Wine may: the box goes `boxCloses` seconds after its space key, the
// window `windowCloses` seconds after its WM_CLOSE (never when negative).
class SlowRefusalTest : public SendInstantMessageTest {
 protected:
  void AddSlowRefusingWindow(double boxCloses, double windowCloses) {
    im_ = desktop_.AddWindow(standin_.mdiClient(), "AOL Child", "Send Instant Message",
                             [this, windowCloses](auto&, WindowHandle self, const auto& m) {
                               if (m.message == WM_CLOSE)
                                 RemoveLater(self, windowCloses);
                               return std::intptr_t{0};
                             });
    desktop_.AddWindow(im_, "RICHCNTL", "");
    for (int i = 0; i < 8; ++i) desktop_.AddWindow(im_, "_AOL_Icon", "");
    desktop_.AddWindow(im_, "_AOL_Icon", "", [this, boxCloses](auto&, WindowHandle, const auto& m) {
      if (m.message == WM_LBUTTONUP)
        MakeBox(boxCloses);
      return std::intptr_t{0};
    });
  }
  void MakeBox(double boxCloses) {
    box_ = desktop_.AddWindow(host::kNoWindow, "#32770", "America Online");
    desktop_.AddWindow(box_, "Button", "OK", [this, boxCloses](auto&, WindowHandle, const auto& m) {
      if (m.message == WM_KEYUP)
        RemoveLater(box_, boxCloses);
      return std::intptr_t{0};
    });
  }
  void RemoveLater(WindowHandle window, double seconds) {
    if (seconds >= 0)
      desktop_.Schedule(seconds, [this, window] { desktop_.RemoveWindow(window); });
  }
  WindowHandle box_;
};

// Until the host has closed them, the next instant message would take this box for its
// answer and this window for the one its keyword opened.
TEST_F(SlowRefusalTest, RefusedOnlyOnceTheHostHasClosedTheBoxAndTheWindow) {
  OnceTheKeywordIsTyped([&] { AddSlowRefusingWindow(1.0, 2.0); });
  EXPECT_EQ(Send(InstantMessageAnswer::kNeverOpen), InstantMessageOutcome::kRefused);
  EXPECT_FALSE(desktop_.Exists(box_));
  EXPECT_FALSE(desktop_.Exists(im_));
}

TEST_F(SlowRefusalTest, AWindowThatNeverClosesHoldsTheRefusalNoLongerThanAHungHost) {
  OnceTheKeywordIsTyped([&] { AddSlowRefusingWindow(0.5, -1); });
  const double start = desktop_.Now();
  EXPECT_EQ(Send(InstantMessageAnswer::kNeverOpen), InstantMessageOutcome::kRefused);
  const double took = desktop_.Now() - start;
  EXPECT_GE(took, host::timings::kHostMessageBoxShowSeconds);
  EXPECT_LT(took, host::timings::kHostMessageBoxShowSeconds + 2);
}

}  // namespace
}  // namespace velto::testing
