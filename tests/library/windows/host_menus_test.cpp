#include <gtest/gtest.h>

#include "library/library_host_fixture.h"
#include "library/windows/host_menus.h"
#include "library/windows/library_timings.h"

namespace velto::testing {
namespace {

class HostMenusTest : public LibraryHostTest {};

TEST_F(HostMenusTest, RunHostMenuItemSendsTheEntrysCommandToTheFrame) {
  RunHostMenuItem(desktop_, 1, 2);
  ExpectSequence(desktop_, {SentValue(standin_.frame(), WM_COMMAND, 203, 0)}, "Edit, third entry");
  EXPECT_EQ(Fresh(Received::Kind::kMenuCommand), (std::vector<std::string>{"&Copy"}));
}

TEST_F(HostMenusTest, RunHostMenuItemSendsNothingForAnEntryWithoutCommand) {
  RunHostMenuItem(desktop_, 9, 0);   // no such drop-down menu
  RunHostMenuItem(desktop_, 0, 99);  // no such entry
  RunHostMenuItem(desktop_, 2, 4);   // "&Arrange" opens a further menu
  ExpectSequence(desktop_, {}, "no command to run");
}

TEST_F(HostMenusTest, RunHostMenuTextRunsTheFirstMatchInBarOrderThenTopToBottom) {
  const std::pair<const char*, const char*> cases[] = {
      {"close", "&Close"},  // also in "Close All Except &Front", a later drop-down menu
      {"SAVE", "&Save"},    // also in "Save &As...", lower in the same menu
      {"", "&New"},         // the empty text is in every entry
      {"sign off", "&Sign Off"},
      {"xit", "E&xit"},
  };
  for (const auto& [text, entry] : cases) {
    RunHostMenuText(desktop_, text);
    EXPECT_EQ(Fresh(Received::Kind::kMenuCommand), (std::vector<std::string>{entry})) << text;
  }
}

TEST_F(HostMenusTest, RunHostMenuTextSendsNothingWithoutAMatchOrWithoutHost) {
  RunHostMenuText(desktop_, "Quit");
  RunHostMenuText(desktop_, "E&xit ");  // the entry's text ends before the space
  RunHostMenuText(desktop_, "icons");   // two levels below the bar
  ExpectSequence(desktop_, {}, "no match");
  desktop_.RemoveWindow(standin_.frame());
  RunHostMenuText(desktop_, "");
  RunHostMenuItem(desktop_, 0, 0);
  ExpectSequence(desktop_, {}, "no host");
}

TEST_F(HostMenusTest, RunHostMenuTextMatchesAnEntryThatOpensAMenuButRunsNothing) {
  const host::MenuHandle bar = desktop_.AddMenu();
  const host::MenuHandle file = desktop_.AddMenu();
  const host::MenuHandle recent = desktop_.AddMenu();
  desktop_.AddMenuItem(recent, "Letter.txt", 41);
  desktop_.AddMenuItem(file, "&Recent", 0, recent);
  desktop_.AddMenuItem(file, "&Open", 42);
  desktop_.AddMenuItem(bar, "&File", 0, file);
  desktop_.SetMenu(standin_.frame(), bar);
  RunHostMenuText(desktop_, "");  // matches the first entry, which opens "Recent"
  ExpectSequence(desktop_, {}, "an entry without a command of its own");
  RunHostMenuText(desktop_, "open");
  ExpectSequence(desktop_, {SentValue(standin_.frame(), WM_COMMAND, 42, 0)}, "a later entry");
}

TEST_F(HostMenusTest, RunHostMenuTextIgnoresTheCaseOfWindows1252Letters) {
  const host::MenuHandle bar = desktop_.AddMenu();
  const host::MenuHandle help = desktop_.AddMenu();
  desktop_.AddMenuItem(help, "\u00DCBER \u0152UVRE", 77);
  desktop_.AddMenuItem(bar, "Hilfe", 0, help);
  desktop_.SetMenu(standin_.frame(), bar);
  RunHostMenuText(desktop_, "\u00FCber \u0153uvre");
  ExpectSequence(desktop_, {SentValue(standin_.frame(), WM_COMMAND, 77, 0)}, "Ü/ü and Œ/œ");
}

// --- the toolbar's popup menu ---

class ToolbarMenuTest : public HostMenusTest {
 protected:
  WindowHandle Icon() const { return Child(InnerToolbar(), "_AOL_Icon", 3); }
  WindowHandle PopupMenu() { return desktop_.FindWindowA("#32768", host::kAnyCaption); }
};

TEST_F(ToolbarMenuTest, EachRoutinePicksItsEntryWithTheKeyboard) {
  const std::pair<void (*)(host::Platform&), const char*> cases[] = {
      {ToolbarMenuDown4, "Sent Mail"},
      {ToolbarMenuDown5, "Address Book"},
      {ToolbarMenuDown2, "Write Mail"},
      {ToolbarMenuUpRight, "Stationery"},  // up to the last entry, right into its menu
  };
  for (const auto& [routine, entry] : cases) {
    routine(desktop_);
    desktop_.RunFor(0.1);
    EXPECT_EQ(Fresh(Received::Kind::kMenuCommand), (std::vector<std::string>{entry})) << entry;
    EXPECT_EQ(PopupMenu(), kNoWindow) << "the menu closed on return";
  }
}

TEST_F(ToolbarMenuTest, Down5ClicksTheIconThenPressesDownFiveTimesAndReturn) {
  desktop_.SetCursorPos(100, 200);
  host::Point pointerWhileWaiting;
  desktop_.beforeFindWindowEx = [&](WindowHandle, WindowHandle) {
    pointerWhileWaiting = desktop_.GetCursorPos();
  };
  ToolbarMenuDown5(desktop_);
  desktop_.beforeFindWindowEx = nullptr;

  const WindowHandle icon = Icon();
  const WindowHandle menu = PopupMenu();
  std::vector<Expected> expected = {Posted(icon, WM_LBUTTONDOWN), Posted(icon, WM_LBUTTONUP)};
  for (int i = 0; i < 5; ++i) {
    expected.push_back(Posted(menu, WM_KEYDOWN, VK_DOWN));
    expected.push_back(Posted(menu, WM_KEYUP, VK_DOWN));
  }
  expected.push_back(Posted(menu, WM_KEYDOWN, VK_RETURN));
  expected.push_back(Posted(menu, WM_KEYUP, VK_RETURN));
  ExpectSequence(desktop_, expected, "down five times, then return", {icon, menu});
  EXPECT_EQ(pointerWhileWaiting, (host::Point{1279, 1023})) << "out of the menu's way";
  EXPECT_EQ(desktop_.GetCursorPos(), (host::Point{100, 200})) << "put back";
}

TEST_F(ToolbarMenuTest, AMenuThatNeverOpensEndsTheRoutineAfterItsBound) {
  desktop_.SetHandler(Icon(), {});  // the icon no longer opens its menu
  desktop_.SetCursorPos(100, 200);
  const double start = desktop_.Now();
  ToolbarMenuDown4(desktop_);
  EXPECT_NEAR(desktop_.Now() - start, timings::kPopupMenuWaitSeconds, 0.02);
  ExpectSequence(desktop_, {Posted(Icon(), WM_LBUTTONDOWN), Posted(Icon(), WM_LBUTTONUP)},
                 "no keys without a menu");
  EXPECT_EQ(desktop_.GetCursorPos(), (host::Point{100, 200}));
}

TEST_F(ToolbarMenuTest, AQuitRequestEndsTheRoutineBeforeAnyClickOrKey) {
  desktop_.SetCursorPos(100, 200);
  desktop_.PostQuitMessage(0);
  const double start = desktop_.Now();
  ToolbarMenuDown4(desktop_);
  EXPECT_LT(desktop_.Now() - start, timings::kPopupMenuPollSeconds);
  ExpectSequence(desktop_, {}, "nothing after a quit request");
  EXPECT_EQ(desktop_.GetCursorPos(), (host::Point{100, 200}));
}

TEST_F(ToolbarMenuTest, WithoutTheThirdIconNothingIsClickedAndThePointerStays) {
  // Each later icon moves up into third place as the one there goes.
  while (Icon()) desktop_.RemoveWindow(Icon());
  desktop_.SetCursorPos(100, 200);
  ToolbarMenuDown2(desktop_);
  ExpectSequence(desktop_, {}, "no third icon");
  EXPECT_EQ(desktop_.GetCursorPos(), (host::Point{100, 200}));
}

}  // namespace
}  // namespace velto::testing
