// standin-host.exe as a program of its own, driven from this process by the library's
// routines as the host client would be: its people list read through ReadProcessMemory,
// its menu bar, its toolbar's popup menu taking posted keys, and its person window.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "host/host_names.h"
#include "host/wait.h"
#include "host/win32_handles.h"
#include "host/win32_platform.h"
#include "host/window_search.h"
#include "library/chat/chat_people.h"
#include "library/windows/host_menus.h"
#include "library/windows/internal/host_lookups.h"
#include "library/windows/own_controls.h"
#include "standin/standin_menus.h"
#include "support/known_difference.h"
#include "support/own_controls.h"
#include "win32_standin_process.h"

namespace velto::testing {
namespace {

using host::WindowHandle;

constexpr double kStartSeconds = 10.0;
constexpr double kSettleSeconds = 3.0;
constexpr double kPollSeconds = 0.01;
constexpr char kScreenName[] = "Ann Lee";
// The people in the room, in list order: the user among them, a name with letters of
// the host's 8-bit code page, and one longer than the 16 bytes the library reads.
constexpr char kPeopleArgument[] = "--people=Bob,Ann Lee,Zo\u00eb \u00b7,A Name Of Twenty Ch";

// One stand-in host for the whole suite: starting a program under Wine takes a while.
class StandinHostProgram : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    standin_ = std::make_unique<StandinProcess>(
        std::vector<std::string>{std::string("--name=") + kScreenName, kPeopleArgument});
    ASSERT_TRUE(standin_->started()) << "cannot start " << StandinHostPath();
    const bool ready = standin_->WaitUntilShowing(
        [](host::Platform& platform) { return !library::FindChatPeopleList(platform).IsNone(); },
        kStartSeconds);
    ASSERT_TRUE(ready) << "the stand-in host's frame and chat room do not show";
  }
  static void TearDownTestSuite() { standin_.reset(); }

  void SetUp() override {
    ASSERT_TRUE(standin_ && host::FindHostFrame(platform_)) << "no stand-in host to drive";
  }
  // Reading the people list needs the host's memory as the host sees it.
  bool HostMemoryCannotBeRead() {
    if (!standin_->HostMemoryIsEmulated())
      return false;
    std::printf("NOT RUN: the 32-bit stand-in host runs under qemu-i386 emulation, whose guest "
                "base Wine's ReadProcessMemory does not know\n");
    return true;
  }

  bool Eventually(const std::function<bool()>& done) {
    return host::WaitFor(platform_, done, kSettleSeconds, kPollSeconds);
  }
  // The records the host logs for the action, once `count` of them have come (at once
  // for none: the menu bar's commands are sent, and logged before they return).
  std::vector<std::string> RecordsOf(const std::function<void()>& action, std::size_t count = 1) {
    const std::size_t before = standin_->Records().size();
    action();
    if (count > 0)
      Eventually([&] { return standin_->Records().size() >= before + count; });
    const std::vector<std::string> records = standin_->Records();
    return std::vector<std::string>(records.begin() + static_cast<std::ptrdiff_t>(before),
                                    records.end());
  }
  bool PopupMenuShows() {
    const WindowHandle menu = platform_.FindWindowA("#32768", host::kAnyCaption);
    return menu && platform_.IsWindowVisible(menu);
  }

  static std::unique_ptr<StandinProcess> standin_;
  host::Win32Platform platform_;
};

std::unique_ptr<StandinProcess> StandinHostProgram::standin_;

TEST_F(StandinHostProgram, PeopleAreReadFromTheHostProcessMemory) {
  if (HostMemoryCannotBeRead())
    return;
  const WindowHandle list = library::FindChatPeopleList(platform_);
  EXPECT_EQ(library::CountChatPeople(platform_), 4);
  // The addresses are the host's 32-bit ones: nothing of them may lie above 4 GB.
  for (int index = 0; index < 4; ++index) {
    const LRESULT entry =
        ::SendMessageA(host::ToHwnd(list), LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    EXPECT_GT(entry, 0) << index;
    EXPECT_LE(static_cast<unsigned long long>(entry), 0xFFFFFFFFull) << index;
  }

  ItemList everyone;
  library::ListChatPeople(platform_, everyone, library::kTrue);
  EXPECT_EQ(everyone.items,
            (std::vector<std::string>{"Bob", "Ann Lee", "Zo\u00eb \u00b7", "A Name Of Twenty"}))
      << "read through the entry, its record and the name, cut to 16 bytes";
  ItemList others;
  library::ListChatPeopleToCombo(platform_, others, library::kFalse);
  EXPECT_EQ(others.items, (std::vector<std::string>{"Bob", "Zo\u00eb \u00b7", "A Name Of Twenty"}));
}

TEST_F(StandinHostProgram, MenuBarCommandsReachTheHost) {
  const WindowHandle frame = host::FindHostFrame(platform_);
  const host::MenuHandle bar = platform_.GetMenu(frame);
  ASSERT_TRUE(bar);
  // What RunHostMenuItem(0, 1) sends.
  const std::uint32_t open = standin::StandinMenus::MenuBar()[0].entries[1].command;
  EXPECT_EQ(RecordsOf([&] { platform_.SendMessageA(frame, WM_COMMAND, open, 0u); }),
            std::vector<std::string>{"MENU &Open..."});
  // Wine keeps a menu's entries in the process that made it (win32u refuses another
  // process's menu handle), so from here the routines find no entry to run; in the
  // host's own process they do (win32_standin_test.cpp). Windows shares menus between
  // processes.
  ExpectKnownDifference(RunningUnderWine(), "Wine's menus stay in their process", [&] {
    EXPECT_EQ(platform_.GetMenuItemCount(bar), 5);

    EXPECT_EQ(RecordsOf([&] { library::RunHostMenuText(platform_, "REMEMBER window"); }),
              std::vector<std::string>{"MENU &Remember Window Size"});
    EXPECT_EQ(RecordsOf([&] { library::RunHostMenuItem(platform_, 0, 1); }),
              std::vector<std::string>{"MENU &Open..."});
    EXPECT_EQ(RecordsOf([&] { library::RunHostMenuText(platform_, ""); }),
              std::vector<std::string>{"MENU &New"})
        << "an empty text matches the first entry";
    EXPECT_EQ(RecordsOf([&] {
                library::RunHostMenuText(platform_, "no such entry");
                library::RunHostMenuItem(platform_, 4, 1);
              }),
              std::vector<std::string>{"MENU &About America Online"})
        << "a text no entry has runs nothing";
  });
}

TEST_F(StandinHostProgram, ToolbarMenuTakesThePostedKeys) {
  struct Case {
    void (*routine)(host::Platform&);
    const char* record;
  };
  const Case cases[] = {
      {library::ToolbarMenuDown2, "MENU Write Mail"},
      {library::ToolbarMenuDown4, "MENU Sent Mail"},
      {library::ToolbarMenuDown5, "MENU Address Book"},
      {library::ToolbarMenuUpRight, "MENU Stationery"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RecordsOf([&] { c.routine(platform_); }), std::vector<std::string>{c.record});
    EXPECT_TRUE(Eventually([&] { return !PopupMenuShows(); }))
        << c.record << ": the menu closes once the entry runs";
  }
}

TEST_F(StandinHostProgram, IgnoringAPersonTicksTheBoxInTheirWindow) {
  if (HostMemoryCannotBeRead())
    return;
  library::IgnoreChatPersonByName(platform_, "bob");
  EXPECT_TRUE(Eventually([&] { return !library::FindPersonWindow(platform_); }))
      << "the person window is closed again";

  // Opened again as a person would open it, the window shows the box ticked.
  const WindowHandle list = library::FindChatPeopleList(platform_);
  platform_.SendMessageA(list, LB_SETCURSEL, 0, 0u);
  platform_.PostMessageA(list, WM_LBUTTONDBLCLK, 0, 0);
  WindowHandle person;
  ASSERT_TRUE(Eventually([&] { return bool(person = library::FindPersonWindow(platform_)); }));
  EXPECT_EQ(platform_.GetWindowTextA(person, 64), "Bob");
  const WindowHandle box = host::FindChild(platform_, person, host::host_class::kCheckBox);
  EXPECT_EQ(platform_.SendMessageA(box, BM_GETCHECK, 0, 0u), BST_CHECKED);
  platform_.PostMessageA(person, WM_CLOSE, 0, 0);
  EXPECT_TRUE(Eventually([&] { return !library::FindPersonWindow(platform_); }));
}

}  // namespace
}  // namespace velto::testing
