#include <gtest/gtest.h>

#include "host/messages.h"
#include "library/mail/filed_mail.h"
#include "mail_fixture.h"

namespace velto::testing {
namespace {

using namespace std::string_literals;
using host::WindowHandle;

class FiledMailTest : public MailTest {
 protected:
  void OpenFiled(std::vector<std::string> entries) {
    window_ = mail_.OpenFiledMail(std::move(entries));
    list_ = mail_.FiledMail().window();
    deleteButton_ = Child(window_, "_AOL_Icon", 4);
    desktop_.ClearLog();
  }
  WindowHandle window_, list_, deleteButton_;
};

TEST_F(FiledMailTest, FoundByItsCaptionOnly) {
  // A mailbox-like window with another caption is not the filed mail.
  const WindowHandle other = desktop_.AddWindow(standin_.mdiClient(), "AOL Child", "Saved Mail");
  desktop_.AddWindow(other, "_AOL_Tree", "");
  EXPECT_EQ(library::CountFiledMail(desktop_), 0);
  EXPECT_TRUE(desktop_.Log().empty());

  OpenFiled({"1\tamy\tHello", "2\tbob\tHi\0 there"s});
  EXPECT_EQ(library::CountFiledMail(desktop_), 2);
  EXPECT_EQ(library::FiledMailField2(desktop_, 0), "amy");
  EXPECT_EQ(library::FiledMailField3(desktop_, 1), "Hi there");
  EXPECT_EQ(library::FiledMailField3(desktop_, 2), "");
}

TEST_F(FiledMailTest, ListingDropsTheNulsOfEveryThirdField) {
  OpenFiled({"1\tamy\tHello", "2\tbob\tHi\0 there"s});
  ItemList list;
  library::ListFiledMail(desktop_, list);
  EXPECT_EQ(list.items, (std::vector<std::string>{"Hello", "Hi there"}));
}

TEST_F(FiledMailTest, OpenAndDeleteActOnTheFiledListWithTheFourthIcon) {
  OpenFiled({"1\tamy\tHello", "2\tbob\tHi"});
  library::OpenFiledMail(desktop_, 2);  // no such entry
  library::OpenFiledMail(desktop_, 0);
  ExpectActions(desktop_, OpenedEntry(list_, 0), "open 0");
  LetHostAct();
  library::DeleteFiledMail(desktop_, 1);
  library::DeleteFiledMail(desktop_, 2);  // no such entry
  ExpectActions(desktop_, Join({{SentValue(list_, LB_SETCURSEL, 1)}, Click(deleteButton_)}),
                "delete 1");
  LetHostAct();
  EXPECT_EQ(mail_.opened(), (std::vector<std::string>{"Hello"}));
  EXPECT_EQ(mail_.FiledMail().Entries(), (std::vector<std::string>{"1\tamy\tHello"}));
}

TEST_F(FiledMailTest, DuplicatesGoWithTheirOwnProgressCaption) {
  OpenFiled({"1\tamy\tHello", "2\tamy\tHello", "3\tamy\tHello"});
  CaptionForm form("Velto Idler");
  library::DeleteDuplicateFiledMail(desktop_, form, library::kTrue);
  EXPECT_EQ(mail_.FiledMail().Entries(), (std::vector<std::string>{"1\tamy\tHello"}));
  ASSERT_GE(form.captions.size(), 2u);
  EXPECT_EQ(form.captions[1], "Checking #0 with #1");
  EXPECT_EQ(form.Caption(), "Velto Idler");
}

}  // namespace
}  // namespace velto::testing
