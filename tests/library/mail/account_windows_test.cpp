#include <gtest/gtest.h>

#include <set>

#include "host/messages.h"
#include "library/mail/account_windows.h"
#include "mail_fixture.h"

namespace velto::testing {
namespace {

using host::WindowHandle;
using library::kFalse;
using library::kTrue;
using standin::StandinAccounts;

constexpr double kBound = 60.0;

class AccountWindowsTest : public MailTest {
 protected:
  // Clicks on the icons of host child windows (not on those of the toolbar or a dialog).
  int ClicksOnHostChildIcons() const {
    int clicks = 0;
    for (const host::LoggedMessage& m : desktop_.Log()) {
      clicks += m.message.message == WM_LBUTTONUP && desktop_.ClassOf(m.window) == "_AOL_Icon" &&
                desktop_.ParentOf(desktop_.ParentOf(m.window)) == standin_.mdiClient();
    }
    return clicks;
  }
  // The keys typed into the popup menus.
  std::vector<std::uint32_t> MenuKeys() const {
    std::vector<std::uint32_t> keys;
    for (const host::LoggedMessage& m : desktop_.Log()) {
      if (m.message.message == WM_KEYDOWN && menus_.count(m.window.value()))
        keys.push_back(m.message.wParam);
    }
    return keys;
  }
  // Remembers every popup menu while it is open.
  void WatchPopupMenus() {
    desktop_.beforeFindWindowEx = [this](WindowHandle, WindowHandle) {
      if (const WindowHandle menu = TopLevel("#32768", ""))
        menus_.insert(menu.value());
    };
  }
  std::set<std::uint32_t> menus_;
};

TEST_F(AccountWindowsTest, ParentalControlsAnswerFromTheDialogText) {
  EXPECT_EQ(library::CanSetParentalControls(desktop_), kTrue);
  ASSERT_FALSE(standin_.received().empty());
  EXPECT_EQ(standin_.received().back().bytes, StandinAccounts::kParentalControlsKeyword);
  LetHostAct();
  EXPECT_EQ(HostChild("Parental Controls"), host::kNoWindow);
  EXPECT_EQ(TopLevel("_AOL_Modal", ""), host::kNoWindow);

  accounts_.mayControlParentally = false;
  EXPECT_EQ(library::CanSetParentalControls(desktop_), kFalse);
}

TEST_F(AccountWindowsTest, ParentalControlsButtonIsClickedUntilTheDialogShows) {
  accounts_.parentalClicksIgnored = 3;
  EXPECT_EQ(library::CanSetParentalControls(desktop_), kTrue);
  EXPECT_EQ(ClicksOnHostChildIcons(), 4);
}

TEST_F(AccountWindowsTest, ParentalControlsGiveUpAndCloseNothing) {
  accounts_.parentalClicksIgnored = 1000000;
  const double start = desktop_.Now();
  EXPECT_EQ(library::CanSetParentalControls(desktop_), kFalse);
  EXPECT_LT(desktop_.Now() - start, kBound + 2);
  for (const host::LoggedMessage& m : desktop_.Log()) EXPECT_NE(m.message.message, WM_CLOSE);
}

TEST_F(AccountWindowsTest, ProfileComesFromThePeopleMenuAndItsWindowsClose) {
  accounts_.AddProfile("Amy", "Hobbies: chess");
  WatchPopupMenus();
  const host::Point pointer{100, 200};
  desktop_.SetCursorPos(pointer.x, pointer.y);
  EXPECT_EQ(library::GetMemberProfile(desktop_, "Amy"), "Hobbies: chess");
  desktop_.beforeFindWindowEx = nullptr;
  EXPECT_EQ(MenuKeys(), (std::vector<std::uint32_t>{VK_UP, VK_UP, VK_RETURN}));
  EXPECT_EQ(desktop_.GetCursorPos(), pointer);
  EXPECT_EQ(accounts_.profileRequests(), (std::vector<std::string>{"Amy"}));
  LetHostAct();
  EXPECT_EQ(HostChild("Member Profile"), host::kNoWindow);
  EXPECT_EQ(HostChild("Get a Member's Profile"), host::kNoWindow);
}

TEST_F(AccountWindowsTest, ProfileRequestWaitsForItsButtonAfterItsTextBox) {
  accounts_.AddProfile("Amy", "Hobbies: chess");
  accounts_.profileIconLateSeconds = 1.0;
  EXPECT_EQ(library::GetMemberProfile(desktop_, "Amy"), "Hobbies: chess");
  EXPECT_EQ(accounts_.profileRequests(), (std::vector<std::string>{"Amy"}));
}

TEST_F(AccountWindowsTest, NoProfileConfirmsTheHostsMessageBox) {
  EXPECT_EQ(library::GetMemberProfile(desktop_, "Nobody"), "< No Profile >");
  LetHostAct();
  EXPECT_EQ(TopLevel("#32770", "America Online"), host::kNoWindow);
  EXPECT_EQ(HostChild("Get a Member's Profile"), host::kNoWindow);
}

TEST_F(AccountWindowsTest, NoProfileWaitsForTheBoxsButtonWhenTheBoxComesFirst) {
  // The box is findable from its creation, before its button exists.
  WindowHandle lateButton;
  desktop_.beforeFindWindowEx = [&](WindowHandle, WindowHandle) {
    const WindowHandle box = TopLevel("#32770", "America Online");
    if (!box || lateButton)
      return;
    for (const WindowHandle child : desktop_.ChildrenOf(box)) desktop_.RemoveWindow(child);
    lateButton = box;  // marks the box as seen until the button is made
    desktop_.Schedule(1.0, [&, box] { lateButton = desktop_.AddWindow(box, "Button", "OK"); });
  };
  EXPECT_EQ(library::GetMemberProfile(desktop_, "Nobody"), "< No Profile >");
  desktop_.beforeFindWindowEx = nullptr;
  bool pressed = false;
  for (const host::LoggedMessage& m : desktop_.Log())
    pressed |= m.window == lateButton && m.message.message == WM_KEYDOWN;
  EXPECT_TRUE(pressed) << "the OK button that came after its box was pressed";
  LetHostAct();
  EXPECT_EQ(HostChild("Get a Member's Profile"), host::kNoWindow);
}

TEST_F(AccountWindowsTest, MailPreferencesSetTheirThreeBoxesAndSave) {
  accounts_.mailPreferences = {true, false, false, true, false, true};
  accounts_.preferencesClicksIgnored = 2;
  WatchPopupMenus();
  library::ResetMailPreferences(desktop_);
  desktop_.beforeFindWindowEx = nullptr;
  EXPECT_EQ(MenuKeys(), (std::vector<std::uint32_t>{VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
  EXPECT_EQ(ClicksOnHostChildIcons(), 3);
  LetHostAct();
  EXPECT_EQ(accounts_.mailPreferences,
            (std::array<bool, 6>{false, true, false, true, false, false}));
  EXPECT_EQ(HostChild("Preferences"), host::kNoWindow);
}

}  // namespace
}  // namespace velto::testing
