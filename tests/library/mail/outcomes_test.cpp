// How the mail family's routines end: each outcome they can meet.
#include <gtest/gtest.h>

#include "library/mail/filed_mail.h"
#include "library/mail/mail_windows.h"
#include "library/mail/mailbox.h"
#include "mail_fixture.h"

namespace velto::testing {
namespace {

using host::Outcome;
using host::WindowHandle;

class MailOutcomes : public MailTest {
 protected:
  void OpenMailbox() { mail_.OpenMailbox({{{"1\tamy\tHello", "2\tbob\tHi"}, {}, {}}}); }
};

TEST_F(MailOutcomes, NoMailboxAndAnEntryOutOfRangeAreNothingToActOn) {
  EXPECT_EQ(OutcomeOf([&] { library::CountMailTab1(desktop_); }), Outcome::kNothingToActOn);
  OpenMailbox();
  EXPECT_EQ(OutcomeOf([&] { library::CountMailTab1(desktop_); }), Outcome::kDone);
  EXPECT_EQ(OutcomeOf([&] { library::OpenMailTab1(desktop_, 2); }), Outcome::kNothingToActOn);
  EXPECT_EQ(OutcomeOf([&] { library::OpenMailTab1(desktop_, 1); }), Outcome::kDone);
}

TEST_F(MailOutcomes, AHungMailboxIsAHostThatDidNotAnswer) {
  OpenMailbox();
  desktop_.SetHung(mail_.MailboxTab(1).window(), true);
  EXPECT_EQ(OutcomeOf([&] { library::MailTab1Field2(desktop_, 0); }), Outcome::kHostDidNotAnswer);
}

TEST_F(MailOutcomes, FiledMailOfNoWindowIsNothingToActOn) {
  EXPECT_EQ(OutcomeOf([&] { library::OpenFiledMail(desktop_, 0); }), Outcome::kNothingToActOn);
  mail_.OpenFiledMail({"1\tamy\tHello"});
  EXPECT_EQ(OutcomeOf([&] { library::OpenFiledMail(desktop_, 0); }), Outcome::kDone);
}

TEST_F(MailOutcomes, MailWindowsThatNeverCloseTimeOutAndAQuitEndsTheWait) {
  const WindowHandle stuck = desktop_.AddWindow(standin_.mdiClient(), "AOL Child", "Write Mail");
  desktop_.AddWindow(stuck, "_AOL_Static", "Send Now");
  EXPECT_EQ(OutcomeOf([&] { library::CloseMailWindows(desktop_); }), Outcome::kTimedOut);
  desktop_.Schedule(1, [&] { desktop_.PostQuitMessage(0); });
  EXPECT_EQ(OutcomeOf([&] { library::CloseMailWindows(desktop_); }), Outcome::kQuitRequested);
}

}  // namespace
}  // namespace velto::testing
