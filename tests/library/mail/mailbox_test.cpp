#include <gtest/gtest.h>

#include "host/messages.h"
#include "library/mail/mailbox.h"
#include "mail_fixture.h"

namespace velto::testing {
namespace {

using namespace std::string_literals;
using host::WindowHandle;
using library::kFalse;
using library::kTrue;

class MailboxTest : public MailTest {
 protected:
  // Entries of tab 1 by their second and third fields; the first field is the date.
  void OpenTabOne(std::vector<std::string> entries, std::vector<std::string> tabTwo = {}) {
    mailbox_ = mail_.OpenMailbox({std::move(entries), std::move(tabTwo), {}});
    list_ = mail_.MailboxTab(1).window();
    deleteButton_ = Child(mailbox_, "_AOL_Icon", 7);
    desktop_.ClearLog();
  }
  std::vector<std::string> TabOne() { return mail_.MailboxTab(1).Entries(); }

  WindowHandle mailbox_, list_, deleteButton_;
};

TEST_F(MailboxTest, FoundByItsTabPagesAmongOtherHostWindows) {
  // A window whose tab control has no page yet, and one with a page outside its tab
  // control, come first in child order and are not the mailbox.
  const WindowHandle noPage = desktop_.AddWindow(standin_.mdiClient(), "AOL Child", "Half open");
  desktop_.AddWindow(noPage, "_AOL_TabControl", "");
  const WindowHandle loosePage = desktop_.AddWindow(standin_.mdiClient(), "AOL Child", "Loose");
  desktop_.AddWindow(loosePage, "_AOL_TabControl", "");
  desktop_.AddWindow(loosePage, "_AOL_TabPage", "");
  EXPECT_EQ(library::FindMailboxWindow(desktop_), host::kNoWindow);

  OpenTabOne({"1\ta\tx", "2\tb\ty", "3\tc\tz"}, {"4\td\tw"});
  EXPECT_EQ(library::FindMailboxWindow(desktop_), mailbox_);
  EXPECT_EQ(library::CountMailTab1(desktop_), 3);
  EXPECT_EQ(library::CountMailTab2(desktop_), 1);
  EXPECT_EQ(library::CountMailTab3(desktop_), 0);
}

TEST_F(MailboxTest, NothingReachesTopLevelListsWhenTheMailboxIsClosed) {
  // A list of another program at the top level must never be read or selected.
  desktop_.AddWindow(host::kNoWindow, "_AOL_Tree", "");
  desktop_.AddWindow(host::kNoWindow, "_AOL_Icon", "");
  ItemList list;
  CaptionForm form("Velto");
  EXPECT_EQ(library::CountMailTab1(desktop_), 0);
  EXPECT_EQ(library::MailTab1Field2(desktop_, 0), "");
  library::OpenMailTab1(desktop_, 0);
  library::ListMailTab2(desktop_, list);
  library::DeleteMailTab1(desktop_, 0);
  library::DeleteMailTab1Matching(desktop_, "");
  library::DeleteDuplicateMailTab1(desktop_, form, kTrue);
  EXPECT_TRUE(desktop_.Log().empty()) << "sent to " << desktop_.Log().front().window.value();
  EXPECT_TRUE(list.items.empty());
  EXPECT_EQ(form.Caption(), "Velto");
}

TEST_F(MailboxTest, FieldsAreSplitAtTabsAndTheThirdLosesItsNuls) {
  OpenTabOne({"03/01\tSender\tSub\0ject"s, "no tabs", "one\ttab", "1\t\tempty second"});
  EXPECT_EQ(library::MailTab1Field2(desktop_, 0), "Sender");
  EXPECT_EQ(library::MailTab1Field3(desktop_, 0), "Subject");
  EXPECT_EQ(library::MailTab1Field2(desktop_, 1), "");
  EXPECT_EQ(library::MailTab1Field3(desktop_, 2), "");
  EXPECT_EQ(library::MailTab1Field2(desktop_, 3), "");
  EXPECT_EQ(library::MailTab1Field3(desktop_, 3), "empty second");
  // Indices that name no entry read as empty.
  EXPECT_EQ(library::MailTab1Field2(desktop_, 4), "");
  EXPECT_EQ(library::MailTab1Field3(desktop_, -1), "");
}

TEST_F(MailboxTest, OpensTheSelectedEntryOfItsOwnTabWithReturn) {
  OpenTabOne({"1\ta\tFirst", "2\tb\tSecond"}, {"3\tc\tOther tab"});
  library::OpenMailTab1(desktop_, 1);
  ExpectActions(desktop_, OpenedEntry(list_, 1), "open tab 1 entry 1");
  const WindowHandle tabTwo = mail_.MailboxTab(2).window();
  library::OpenMailTab2(desktop_, 0);
  ExpectActions(desktop_, OpenedEntry(tabTwo, 0), "open tab 2 entry 0");
  LetHostAct();
  EXPECT_EQ(mail_.opened(), (std::vector<std::string>{"Second", "Other tab"}));
  EXPECT_NE(HostChild("Second"), host::kNoWindow);
}

TEST_F(MailboxTest, IndexGuardsLetOnlyTheCountThrough) {
  OpenTabOne({"1\ta\tx", "2\tb\ty"});
  library::OpenMailTab1(desktop_, 2);
  library::OpenMailTab1(desktop_, -1);
  library::DeleteMailTab1(desktop_, 2);
  library::DeleteMailTab1(desktop_, -1);
  ExpectActions(desktop_, {}, "out-of-range indices");
  LetHostAct();
  EXPECT_EQ(TabOne().size(), 2u);
}

TEST_F(MailboxTest, DeleteSelectsTheEntryAndClicksTheSeventhIcon) {
  OpenTabOne({"1\ta\tx", "2\tb\ty", "3\tc\tz"});
  library::DeleteMailTab1(desktop_, 1);
  ExpectActions(desktop_, Join({{SentValue(list_, LB_SETCURSEL, 1)}, Click(deleteButton_)}),
                "delete entry 1");
  LetHostAct();
  EXPECT_EQ(TabOne(), (std::vector<std::string>{"1\ta\tx", "3\tc\tz"}));
}

// The program's own events run between the selection and the click, so its windows stay
// alive while the host deletes.
TEST_F(MailboxTest, MatchingRunsTheProgramsEventsBetweenTheSelectionAndTheClick) {
  OpenTabOne({"1\ta\tx", "2\tb\ty"});
  // At each run of the events: was the entry selected yet, was the button clicked yet?
  std::vector<std::pair<bool, bool>> seen;
  const auto look = [&] {
    bool selected = false, clicked = false;
    for (const auto& m : desktop_.Log()) {
      selected |= m.window == list_ && m.message.message == LB_SETCURSEL;
      clicked |= m.window == deleteButton_;
    }
    seen.emplace_back(selected, clicked);
  };
  desktop_.Schedule(0, look);
  library::DeleteMailTab1Matching(desktop_, "b");
  EXPECT_EQ(seen, (std::vector<std::pair<bool, bool>>{{true, false}}));
}

TEST_F(MailboxTest, MatchingDeletesAdjacentMatchesByTestingTheSameIndexAgain) {
  OpenTabOne({"1\tamy\tx", "2\tbob\tx", "3\tBOB\tx", "4\tcarl\tx", "5\tBob\tx"});
  library::DeleteMailTab1Matching(desktop_, "bOb");
  ExpectActions(desktop_,
                Join({{SentValue(list_, LB_SETCURSEL, 1)},
                      Click(deleteButton_),
                      {SentValue(list_, LB_SETCURSEL, 1)},
                      Click(deleteButton_),
                      {SentValue(list_, LB_SETCURSEL, 2)},
                      Click(deleteButton_)}),
                "delete bob");
  EXPECT_EQ(TabOne(), (std::vector<std::string>{"1\tamy\tx", "4\tcarl\tx"}));
}

TEST_F(MailboxTest, ExceptKeepsTheTextAndStopsAtAnEmptySecondField) {
  OpenTabOne({"1\tbob\tx", "2\tamy\tx", "3\tBOB\tx", "4\t\tx", "5\tcarl\tx"});
  library::DeleteMailTab1Except(desktop_, "bob");
  ExpectActions(desktop_, Join({{SentValue(list_, LB_SETCURSEL, 1)}, Click(deleteButton_)}),
                "delete all but bob");
  EXPECT_EQ(TabOne(), (std::vector<std::string>{"1\tbob\tx", "3\tBOB\tx", "4\t\tx", "5\tcarl\tx"}));
}

TEST_F(MailboxTest, AHostThatIgnoresTheDeleteButtonDoesNotHoldTheLoop) {
  OpenTabOne({"1\tbob\tx", "2\tbob\tx", "3\tamy\tx"});
  desktop_.SetHandler(deleteButton_, {});
  library::DeleteMailTab1Matching(desktop_, "bob");
  int clicks = 0;
  for (const host::LoggedMessage& m : desktop_.Log()) {
    if (m.window == deleteButton_ && m.message.message == WM_LBUTTONUP)
      ++clicks;
  }
  EXPECT_EQ(clicks, 3);  // no more clicks than there were entries
}

TEST_F(MailboxTest, DuplicatesGoAndTheFirstOfEachStays) {
  // Case counts in the fields; the first field (the date) does not matter.
  OpenTabOne({"1\tbob\thi", "2\tbob\thi", "3\tamy\thi", "4\tbob\thi", "5\tbob\tHI"});
  CaptionForm form("Velto Idler");
  library::DeleteDuplicateMailTab1(desktop_, form, kTrue);
  EXPECT_EQ(TabOne(), (std::vector<std::string>{"1\tbob\thi", "3\tamy\thi", "5\tbob\tHI"}));
  ASSERT_GE(form.captions.size(), 4u);
  EXPECT_EQ(form.captions[1], "Now checking #0 for match with #1");
  EXPECT_EQ(form.captions[2], "Now checking #0 for match with #1");  // the entry moved up
  EXPECT_EQ(form.captions[3], "Now checking #0 for match with #2");
  EXPECT_EQ(form.Caption(), "Velto Idler");

  CaptionForm quiet("Velto Idler");
  library::DeleteDuplicateMailTab1(desktop_, quiet, kFalse);
  EXPECT_EQ(quiet.captions, (std::vector<std::string>{"Velto Idler", "Velto Idler"}));
}

TEST_F(MailboxTest, DuplicatesAtTheEndOfTheListGoToo) {
  OpenTabOne({"1\tamy\thi", "2\tbob\tyo", "3\tbob\tyo"});
  CaptionForm form("Velto Idler");
  library::DeleteDuplicateMailTab1(desktop_, form, kFalse);
  EXPECT_EQ(TabOne(), (std::vector<std::string>{"1\tamy\thi", "2\tbob\tyo"}));
}

TEST_F(MailboxTest, DuplicatesStopWhenTheMailboxVanishesMidway) {
  OpenTabOne({"1\tbob\thi", "2\tbob\thi", "3\tbob\thi", "4\tbob\thi"});
  CaptionForm form("Velto Idler");
  // The mailbox closes as its delete button is pressed down.
  desktop_.SetHandler(deleteButton_,
                      [this](host::SubstituteDesktop& d, WindowHandle self,
                             const host::Message& m) -> std::intptr_t {
                        if (m.message == WM_LBUTTONDOWN) {
                          d.RemoveWindow(mailbox_);
                          return 0;
                        }
                        return d.DefaultHandling(self, m);
                      });
  library::DeleteDuplicateMailTab1(desktop_, form, kTrue);
  // The routine ends at the first failed send: no entry is compared after the window went.
  EXPECT_EQ(form.captions, (std::vector<std::string>{
                               "Velto Idler", "Now checking #0 for match with #1", "Velto Idler"}));
}

TEST_F(MailboxTest, ListingAddsEachThirdFieldAsRead) {
  OpenTabOne({"1\ta\tFirst", "2\tb\tSecond"}, {"3\tc\tOther"});
  ItemList tabOne, tabTwo;
  library::ListMailTab1(desktop_, tabOne);
  library::ListMailTab2(desktop_, tabTwo);
  // The read buffer holds one character more than the entry: its NUL stays in the item.
  EXPECT_EQ(tabOne.items, (std::vector<std::string>{"First\0"s, "Second\0"s}));
  EXPECT_EQ(tabTwo.items, (std::vector<std::string>{"Other\0"s}));
}

TEST_F(MailboxTest, EachTabsRoutinesReachOnlyTheirOwnTab) {
  mailbox_ = mail_.OpenMailbox({{{"1\ta\tOne"}, {"2\tb\tTwo"}, {"3\tc\tThree"}}});
  ItemList lists[3];
  library::ListMailTab1(desktop_, lists[0]);
  library::ListMailTab2(desktop_, lists[1]);
  library::ListMailTab3(desktop_, lists[2]);
  EXPECT_EQ(lists[0].items, std::vector<std::string>{"One\0"s});
  EXPECT_EQ(lists[1].items, std::vector<std::string>{"Two\0"s});
  EXPECT_EQ(lists[2].items, std::vector<std::string>{"Three\0"s});
  desktop_.ClearLog();
  library::OpenMailTab3(desktop_, 0);
  const WindowHandle tabThree = mail_.MailboxTab(3).window();
  ExpectActions(desktop_, OpenedEntry(tabThree, 0), "open tab 3 entry 0");
}

}  // namespace
}  // namespace velto::testing
