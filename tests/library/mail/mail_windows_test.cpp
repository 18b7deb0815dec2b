#include <gtest/gtest.h>

#include "host/messages.h"
#include "library/mail/mail_windows.h"
#include "mail_fixture.h"

namespace velto::testing {
namespace {

using host::WindowHandle;
using library::kFalse;
using library::kTrue;
using standin::StandinMail;

constexpr double kBound = 60.0;

class MailWindowsTest : public MailTest {
 protected:
  // The controls of a compose or write window, as the host made them.
  struct Compose {
    WindowHandle window, recipients, subject, message, forwardSend, writeSend;
  };
  Compose ComposeParts(WindowHandle window) const {
    return {window,
            Child(window, "_AOL_Edit", 1),
            Child(window, "_AOL_Edit", 3),
            Child(window, "RICHCNTL"),
            Child(window, "_AOL_Icon", StandinMail::kForwardSendIcon),
            Child(window, "_AOL_Icon", StandinMail::kWriteSendIcon)};
  }
  // Opens a read-mail window and keeps the handles of the compose window its forward
  // button opens, while the host still has it.
  WindowHandle OpenReadMailAndWatchForward(const std::string& subject) {
    const WindowHandle read = mail_.OpenReadMail(subject);
    desktop_.Schedule(StandinMail::kOpenSeconds + 0.001,
                      [this, subject] { compose_ = ComposeParts(HostChild("Fwd: " + subject)); });
    desktop_.ClearLog();
    return read;
  }
  void WatchWriteWindow() {
    desktop_.Schedule(StandinMail::kOpenSeconds + 0.001,
                      [this] { compose_ = ComposeParts(HostChild("Write Mail")); });
  }
  int ClicksOn(WindowHandle button) const {
    int clicks = 0;
    for (const host::LoggedMessage& m : desktop_.Log()) {
      clicks += m.window == button && m.message.message == WM_LBUTTONUP;
    }
    return clicks;
  }

  Compose compose_;
};

TEST_F(MailWindowsTest, ComposeAndReadWindowsAreKnownByTheirControls) {
  const WindowHandle mdi = standin_.mdiClient();
  // Decoys first in child order: a static with another caption, a single text box.
  const WindowHandle draft = desktop_.AddWindow(mdi, "AOL Child", "Draft");
  desktop_.AddWindow(draft, "_AOL_Static", "Send Later");
  const WindowHandle note = desktop_.AddWindow(mdi, "AOL Child", "Note");
  desktop_.AddWindow(note, "RICHCNTL", "");
  desktop_.AddWindow(note, "_AOL_Combobox", "");
  desktop_.AddWindow(note, "_AOL_FontCombo", "");
  EXPECT_EQ(library::FindComposeWindow(desktop_), host::kNoWindow);
  EXPECT_EQ(library::FindReadMailWindow(desktop_), host::kNoWindow);  // the chat room neither

  const WindowHandle read = mail_.OpenReadMail("Hello");
  const WindowHandle compose = mail_.OpenForwardWindow("Hello");
  EXPECT_EQ(library::FindComposeWindow(desktop_), compose);
  EXPECT_EQ(library::FindReadMailWindow(desktop_), read);
}

TEST_F(MailWindowsTest, SendMailFillsTheWriteWindowAndClicksItsSixteenthIcon) {
  mail_.AddMember("Amy");
  WatchWriteWindow();
  library::SendMail(desktop_, "Amy", "Lunch", "At noon?");
  ExpectActions(desktop_,
                Join({PostedClick(ToolbarIcon(StandinMail::kWriteMailToolbarIcon)),
                      {SentText(compose_.recipients, WM_SETTEXT, "Amy"),
                       SentText(compose_.subject, WM_SETTEXT, "Lunch"),
                       SentText(compose_.message, WM_SETTEXT, "At noon?")},
                      Click(compose_.writeSend)}),
                "send mail");
  ASSERT_EQ(mail_.sent().size(), 1u);
  EXPECT_EQ(mail_.sent()[0].subject, "Lunch");
  LetHostAct();
  EXPECT_EQ(HostChild("Write Mail"), host::kNoWindow);
}

TEST_F(MailWindowsTest, SendMailEndsAtTheFirstTextTheHungHostDidNotTake) {
  mail_.AddMember("Amy");
  // The write window hangs as soon as it is there.
  desktop_.beforeFindWindowEx = [this](WindowHandle, WindowHandle) {
    if (compose_.recipients)
      return;
    compose_ = ComposeParts(HostChild("Write Mail"));
    if (compose_.recipients)
      desktop_.SetHung(compose_.recipients, true);
  };
  const double start = desktop_.Now();
  library::SendMail(desktop_, "Amy", "Lunch", "At noon?");
  desktop_.beforeFindWindowEx = nullptr;
  EXPECT_LT(desktop_.Now() - start, StandinMail::kOpenSeconds + 5.5) << "one send bound, once";
  for (const host::LoggedMessage& m : desktop_.Log()) {
    EXPECT_NE(m.window, compose_.subject);
    EXPECT_NE(m.window, compose_.writeSend);
  }
  EXPECT_TRUE(mail_.sent().empty());
}

TEST_F(MailWindowsTest, SendMailGivesUpWhenTheWriteWindowNeverOpens) {
  mail_.opensWriteWindow = false;
  desktop_.AddWindow(host::kNoWindow, "_AOL_Edit", "");  // another program's, at the top level
  const double start = desktop_.Now();
  library::SendMail(desktop_, "Amy", "Lunch", "At noon?");
  EXPECT_NEAR(desktop_.Now() - start, kBound, 0.1);
  ExpectActions(desktop_, PostedClick(ToolbarIcon(StandinMail::kWriteMailToolbarIcon)),
                "only the toolbar click");
}

TEST_F(MailWindowsTest, ForwardDropsTheHostsPrefixAndClosesTheReadWindow) {
  mail_.AddMember("Amy");
  const WindowHandle read = OpenReadMailAndWatchForward("Hello");
  library::ForwardMail(desktop_, "Amy", "Look at this", kTrue);
  ExpectActions(desktop_,
                Join({Click(Child(read, "_AOL_Icon", 7)),
                      {SentText(compose_.subject, WM_SETTEXT, "Hello"),
                       SentText(compose_.recipients, WM_SETTEXT, "Amy"),
                       SentText(compose_.message, WM_SETTEXT, "Look at this")},
                      Click(compose_.forwardSend),
                      {Posted(read, WM_CLOSE)}}),
                "forward");
  ASSERT_EQ(mail_.sent().size(), 1u);
  EXPECT_EQ(mail_.sent()[0].subject, "Hello");
  LetHostAct();
  EXPECT_FALSE(desktop_.Exists(read));
}

TEST_F(MailWindowsTest, ForwardLeavesTheSubjectAndClicksUntilTheHostSends) {
  mail_.AddMember("Amy");
  mail_.sendClicksNeeded = 3;
  OpenReadMailAndWatchForward("Hello");
  library::ForwardMail(desktop_, "Amy", "Look", kFalse);
  EXPECT_EQ(ClicksOn(compose_.forwardSend), 3);
  for (const host::LoggedMessage& m : desktop_.Log()) EXPECT_NE(m.window, compose_.subject);
  ASSERT_EQ(mail_.sent().size(), 1u);
  EXPECT_EQ(mail_.sent()[0].subject, "Fwd: Hello");
}

TEST_F(MailWindowsTest, ForwardStopsAtTheErrorWindowAndKeepsTheMailOpen) {
  const WindowHandle read = OpenReadMailAndWatchForward("Hello");
  library::ForwardMail(desktop_, "Nobody", "Look", kTrue);
  // The pass that finds the error window was the one after the refused click.
  EXPECT_EQ(ClicksOn(compose_.forwardSend), 2);
  EXPECT_NE(HostChild("Error"), host::kNoWindow);
  LetHostAct();
  EXPECT_TRUE(desktop_.Exists(read));
  EXPECT_TRUE(mail_.sent().empty());
}

TEST_F(MailWindowsTest, ForwardGivesUpOnAHostThatNeverSends) {
  mail_.AddMember("Amy");
  mail_.sendClicksNeeded = 1000;
  const WindowHandle read = OpenReadMailAndWatchForward("Hello");
  const double start = desktop_.Now();
  library::ForwardMail(desktop_, "Amy", "Look", kTrue);
  EXPECT_LT(desktop_.Now() - start, kBound + 2);
  for (const host::LoggedMessage& m : desktop_.Log()) EXPECT_NE(m.window, read) << "closed";
}

TEST_F(MailWindowsTest, CloseMailWindowsClosesEveryComposeAndReadWindow) {
  library::CloseMailWindows(desktop_);
  EXPECT_TRUE(desktop_.Log().empty());

  const WindowHandle read1 = mail_.OpenReadMail("One");
  const WindowHandle read2 = mail_.OpenReadMail("Two");
  const WindowHandle compose = mail_.OpenForwardWindow("One");
  desktop_.ClearLog();
  library::CloseMailWindows(desktop_);
  ExpectActions(desktop_,
                {Posted(compose, WM_CLOSE), Posted(read1, WM_CLOSE), Posted(read2, WM_CLOSE)},
                "close all");
  EXPECT_FALSE(desktop_.Exists(read2));
}

TEST_F(MailWindowsTest, CloseMailWindowsGivesUpOnAWindowThatStaysOpen) {
  // A filled-in write window asks whether to save instead of closing.
  WatchWriteWindow();
  desktop_.PostMessageA(ToolbarIcon(StandinMail::kWriteMailToolbarIcon), WM_LBUTTONDOWN, 0, 0);
  desktop_.PostMessageA(ToolbarIcon(StandinMail::kWriteMailToolbarIcon), WM_LBUTTONUP, 0, 0);
  LetHostAct();
  desktop_.SendMessageA(compose_.subject, WM_SETTEXT, 0, std::string("Draft"));
  const double start = desktop_.Now();
  library::CloseMailWindows(desktop_);
  EXPECT_NEAR(desktop_.Now() - start, kBound, 0.1);
  EXPECT_TRUE(desktop_.Exists(compose_.window));
}

TEST_F(MailWindowsTest, ScreenNameExistsReadsTheRefusedNamesAndLeavesNothingOpen) {
  mail_.AddMember("Some Body");
  EXPECT_EQ(library::ScreenNameExists(desktop_, "somebody"), kTrue);
  EXPECT_EQ(library::ScreenNameExists(desktop_, "No Body"), kFalse);
  EXPECT_EQ(library::ScreenNameExists(desktop_, "NOBODY"), kFalse);
  LetHostAct();
  EXPECT_EQ(library::FindComposeWindow(desktop_), host::kNoWindow);
  EXPECT_EQ(HostChild("Error"), host::kNoWindow);
  EXPECT_EQ(TopLevel("#32770", "America Online"), host::kNoWindow);
  EXPECT_TRUE(mail_.sent().empty());
}

TEST_F(MailWindowsTest, ScreenNameExistsClosesErrorAndWriteWindowsThenAnswersNo) {
  WatchWriteWindow();
  // Keeps the handles of the error window and the save question while they are open.
  WindowHandle error, dontSave;
  desktop_.beforeFindWindowEx = [&](WindowHandle, WindowHandle) {
    if (!error)
      error = HostChild("Error");
    if (const WindowHandle box = TopLevel("#32770", "America Online"))
      dontSave = Child(box, "Button", 2);
  };
  library::ScreenNameExists(desktop_, "Amy");
  desktop_.beforeFindWindowEx = nullptr;
  const std::vector<Expected> sent = Join(
      {PostedClick(ToolbarIcon(StandinMail::kWriteMailToolbarIcon)),
       {SentText(compose_.recipients, WM_SETTEXT, "*, Amy"),
        SentText(compose_.subject, WM_SETTEXT, "You alive?"),
        SentText(compose_.message, WM_SETTEXT, "=)")},
       Click(compose_.writeSend),
       {Posted(error, WM_CLOSE), Posted(compose_.window, WM_CLOSE),
        SentValue(dontSave, WM_KEYDOWN, VK_SPACE, 0), SentValue(dontSave, WM_KEYUP, VK_SPACE, 0)}});
  ExpectActions(desktop_, sent, "probe");
}

TEST_F(MailWindowsTest, ScreenNameExistsIsFalseWhenTheHostNeverRefuses) {
  mail_.opensWriteWindow = false;
  const double start = desktop_.Now();
  EXPECT_EQ(library::ScreenNameExists(desktop_, "Amy"), kFalse);
  EXPECT_LT(desktop_.Now() - start, kBound + 1);
  ExpectActions(desktop_, PostedClick(ToolbarIcon(StandinMail::kWriteMailToolbarIcon)),
                "only the toolbar click");
}

}  // namespace
}  // namespace velto::testing
