#include <gtest/gtest.h>

#include "library/mail/mail_errors.h"
#include "mail_fixture.h"
#include "standin/standin_controls.h"

namespace velto::testing {
namespace {

class MailErrorsTest : public MailTest {
 protected:
  void ShowError(const std::string& text) {
    const host::WindowHandle error =
        windows_.Create(standin_.mdiClient(), "AOL Child", "Error", standin::OnClose(windows_));
    windows_.Create(error, "_AOL_View", text);
  }
};

TEST_F(MailErrorsTest, NoErrorWindowMeansNoNames) {
  EXPECT_EQ(library::CountMailErrors(desktop_), 0);
  EXPECT_EQ(library::MailErrorName(desktop_, 1), "");
}

TEST_F(MailErrorsTest, NamesFollowTheTwoHeadingLines) {
  ShowError(
      "Your mail was not sent.\r\nRefused:\r\njoe - Not a member\r\nSome Body - Not a member");
  EXPECT_EQ(library::CountMailErrors(desktop_), 2);
  EXPECT_EQ(library::MailErrorName(desktop_, 1), "joe");
  EXPECT_EQ(library::MailErrorName(desktop_, 2), "Some Body");
  EXPECT_EQ(library::MailErrorName(desktop_, 3), "");
}

TEST_F(MailErrorsTest, OnlyTheCharacterBeforeTheFirstDashIsDropped) {
  ShowError("a\r\nb\r\nno dash here\r\n- leading\r\nann-marie - Not a member\r\njoe- tight");
  EXPECT_EQ(library::CountMailErrors(desktop_), 4);
  EXPECT_EQ(library::MailErrorName(desktop_, 1), "");
  EXPECT_EQ(library::MailErrorName(desktop_, 2), "");
  EXPECT_EQ(library::MailErrorName(desktop_, 3), "an");  // the host's own "-" ends the name
  EXPECT_EQ(library::MailErrorName(desktop_, 4), "jo");
}

TEST_F(MailErrorsTest, AHeadingAloneCountsNoNames) {
  ShowError("Your mail was not sent.");
  EXPECT_EQ(library::CountMailErrors(desktop_), 0);
}

}  // namespace
}  // namespace velto::testing
