// Window state and menus as the library's primitives and menu routines use them,
// checked on every desktop this build has: the substitute always, and real user32
// (under Wine) in the Windows build. Where the two disagree, the substitute is wrong.

#include <gtest/gtest.h>

#include "host/messages.h"
#include "support/contract_desktop.h"

namespace velto::testing {
namespace {

using host::MenuHandle;
using host::WindowHandle;

constexpr std::uint32_t kNoCommand = 0xFFFFFFFF;
constexpr unsigned kByPosition = 0x0400;  // MF_BYPOSITION
// The flag the host-automation idiom has always passed; it does not select by position.
constexpr unsigned kIdiomFlag = 1;

class WindowStateContract : public ::testing::TestWithParam<ContractDesktopKind> {
 protected:
  void SetUp() override { desktop_ = GetParam().make(); }
  host::Platform& platform() { return desktop_->platform(); }
  WindowHandle TopLevel(const std::string& captionUtf8) {
    return desktop_->Create(host::kNoWindow, "VeltoStateFrame", captionUtf8);
  }
  WindowHandle Child(WindowHandle parent, const std::string& captionUtf8) {
    return desktop_->Create(parent, "VeltoStateChild", captionUtf8);
  }

  // A frame with the menu bar "&File" (New, a separator, Close, a further menu "More"
  // with "Deep") and "&Edit" (Copy).
  void MakeFrameWithMenu() {
    frame_ = TopLevel("Velto menu frame");
    bar_ = desktop_->CreateMenu();
    file_ = desktop_->CreateMenu();
    more_ = desktop_->CreateMenu();
    edit_ = desktop_->CreateMenu();
    desktop_->AppendItem(more_, "Deep", 150);
    desktop_->AppendItem(file_, "&New", 101);
    desktop_->AppendSeparator(file_);
    desktop_->AppendItem(file_, "&Close \u00dcber \u2022", 105);
    desktop_->AppendSubmenu(file_, "More", more_);
    desktop_->AppendItem(edit_, "&Copy", 203);
    desktop_->AppendSubmenu(bar_, "&File", file_);
    desktop_->AppendSubmenu(bar_, "&Edit", edit_);
    desktop_->SetMenu(frame_, bar_);
  }

  std::unique_ptr<ContractDesktop> desktop_;
  WindowHandle frame_;
  MenuHandle bar_, file_, more_, edit_;
};

TEST_P(WindowStateContract, MenuEntriesByPosition) {
  MakeFrameWithMenu();
  EXPECT_EQ(platform().GetMenu(frame_), bar_);
  EXPECT_EQ(platform().GetMenu(TopLevel("no menu")), MenuHandle{});
  EXPECT_EQ(platform().GetMenuItemCount(bar_), 2);
  EXPECT_EQ(platform().GetMenuItemCount(file_), 4);
  EXPECT_EQ(platform().GetMenuItemCount(MenuHandle{}), -1);

  EXPECT_EQ(platform().GetSubMenu(bar_, 0), file_);
  EXPECT_EQ(platform().GetSubMenu(bar_, 1), edit_);
  EXPECT_EQ(platform().GetSubMenu(bar_, 2), MenuHandle{});
  EXPECT_EQ(platform().GetSubMenu(file_, 0), MenuHandle{}) << "a command opens no menu";
  EXPECT_EQ(platform().GetSubMenu(MenuHandle{}, 0), MenuHandle{});

  EXPECT_EQ(platform().GetMenuItemID(file_, 0), 101u);
  EXPECT_EQ(platform().GetMenuItemID(file_, 1), 0u) << "a separator";
  EXPECT_EQ(platform().GetMenuItemID(file_, 3), kNoCommand) << "an entry opening a menu";
  EXPECT_EQ(platform().GetMenuItemID(file_, 9), kNoCommand) << "no entry";
}

TEST_P(WindowStateContract, MenuTextByCommandOrByPosition) {
  MakeFrameWithMenu();
  const std::string close = "&Close \u00dcber \u2022";
  EXPECT_EQ(platform().GetMenuStringA(file_, 105, 100, MF_BYCOMMAND), close);
  EXPECT_EQ(platform().GetMenuStringA(file_, 105, 100, kIdiomFlag), close);
  EXPECT_EQ(platform().GetMenuStringA(file_, 2, 100, kByPosition), close);
  EXPECT_EQ(platform().GetMenuStringA(file_, 105, 4, MF_BYCOMMAND), "&Cl") << "size counts the NUL";
  EXPECT_EQ(platform().GetMenuStringA(file_, 999, 100, MF_BYCOMMAND), "");
  EXPECT_EQ(platform().GetMenuStringA(file_, 150, 100, MF_BYCOMMAND), "Deep")
      << "by command, the menus an entry opens are searched too";
  EXPECT_EQ(platform().GetMenuStringA(bar_, 203, 100, MF_BYCOMMAND), "&Copy");
}

TEST_P(WindowStateContract, LookupsOutsideAMenuOrWithNoRoomFindNothing) {
  MakeFrameWithMenu();
  EXPECT_EQ(platform().GetMenuItemID(file_, 4), kNoCommand) << "one past the last entry";
  EXPECT_EQ(platform().GetMenuItemID(file_, -1), kNoCommand);
  EXPECT_EQ(platform().GetSubMenu(bar_, -1), MenuHandle{});
  EXPECT_EQ(platform().GetMenuStringA(file_, 3, 100, kByPosition), "More") << "the last entry";
  EXPECT_EQ(platform().GetMenuStringA(file_, 4, 100, kByPosition), "");
  EXPECT_EQ(platform().GetMenuStringA(file_, 105, 0, MF_BYCOMMAND), "");
}

TEST_P(WindowStateContract, ByCommandTheMenuAnEntryOpensIsSearchedBeforeTheEntriesAfterIt) {
  const MenuHandle menu = desktop_->CreateMenu();
  const MenuHandle opened = desktop_->CreateMenu();
  desktop_->AppendItem(opened, "Inner", 7);
  desktop_->AppendSubmenu(menu, "Opens", opened);
  desktop_->AppendItem(menu, "Outer", 7);
  EXPECT_EQ(platform().GetMenuStringA(menu, 7, 100, MF_BYCOMMAND), "Inner");
}

TEST_P(WindowStateContract, AWindowIsVisibleOnlyWhileItAndItsAncestorsAreShown) {
  const WindowHandle top = TopLevel("Velto state");
  const WindowHandle child = Child(top, "inner");
  EXPECT_TRUE(platform().IsWindowVisible(top));
  EXPECT_TRUE(platform().IsWindowVisible(child));

  platform().ShowWindow(top, SW_HIDE);
  EXPECT_FALSE(platform().IsWindowVisible(top));
  EXPECT_FALSE(platform().IsWindowVisible(child)) << "its parent is hidden";
  platform().ShowWindow(top, SW_SHOW);
  EXPECT_TRUE(platform().IsWindowVisible(child));
  platform().ShowWindow(child, SW_HIDE);
  EXPECT_FALSE(platform().IsWindowVisible(child));
  EXPECT_TRUE(platform().IsWindowVisible(top));
  EXPECT_FALSE(platform().IsWindowVisible(host::kNoWindow));
}

TEST_P(WindowStateContract, SetWindowPosMakesAndClearsTopmost) {
  const WindowHandle top = TopLevel("Velto topmost");
  EXPECT_FALSE(desktop_->IsTopmost(top));
  platform().SetWindowPos(top, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
  EXPECT_TRUE(desktop_->IsTopmost(top));
  platform().SetWindowPos(top, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
  EXPECT_FALSE(desktop_->IsTopmost(top));
}

TEST_P(WindowStateContract, TextComesBackThroughWmGetText) {
  const WindowHandle top = TopLevel("Caption \u2022 text");
  std::int32_t zero = 0;
  EXPECT_EQ(platform().SendMessageA(top, WM_GETTEXTLENGTH, 0, zero), 14);
  host::TextBuffer whole{15, {}};
  EXPECT_EQ(platform().SendMessageA(top, WM_GETTEXT, 15, whole), 14);
  EXPECT_EQ(whole.text, "Caption \u2022 text");
  host::TextBuffer cut{5, {}};
  EXPECT_EQ(platform().SendMessageA(top, WM_GETTEXT, 5, cut), 4);
  EXPECT_EQ(cut.text, "Capt") << "wParam counts the NUL";
}

INSTANTIATE_TEST_SUITE_P(Desktops, WindowStateContract,
                         ::testing::ValuesIn(ContractDesktopsToCheck()),
                         [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace velto::testing
