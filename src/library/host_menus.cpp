#include "library/host_menus.h"

#include <initializer_list>

#include "host/messages.h"
#include "host/wait.h"
#include "host/window_search.h"
#include "library/host_lookups.h"
#include "library/ignoring_case.h"
#include "library/library_timings.h"

namespace velto::library {

using host::MenuHandle;
using host::WindowHandle;

namespace {

// What GetMenuItemID answers for an entry that opens a further menu, or for none: an
// entry without a command of its own, which WM_COMMAND cannot run.
constexpr std::uint32_t kNoCommand = 0xFFFFFFFF;
// Room for a menu entry's text, the NUL included.
constexpr int kMenuTextSize = 100;
// The toolbar icon that opens the popup menu.
constexpr int kToolbarMenuIcon = 3;

void RunCommand(host::Platform& platform, WindowHandle frame, std::uint32_t command) {
  platform.SendMessageA(frame, WM_COMMAND, command, 0u);
}

// Looks for the visible popup menu without running our pump, sleeping between looks;
// 0 once the wait is over. Windows keeps a hidden "#32768" window at all times, so only
// a visible one is the menu the click opened.
WindowHandle WaitForPopupMenu(host::Platform& platform) {
  const double start = platform.Clock();
  for (;;) {
    const WindowHandle menu = platform.FindWindowA(library_class::kPopupMenu, host::kAnyCaption);
    if (menu && platform.IsWindowVisible(menu))
      return menu;
    if (host::SecondsSince(platform, start) >= timings::kPopupMenuWaitSeconds)
      return host::kNoWindow;
    platform.Sleep(timings::kPopupMenuPollSeconds);
  }
}

// Opens the toolbar's popup menu with a click on its icon and types the keys into it.
void OpenToolbarMenuAndType(host::Platform& platform, std::initializer_list<std::uint32_t> keys) {
  const WindowHandle toolbar =
      host::FindChild(platform, host::FindHostFrame(platform), host::host_class::kToolbar);
  const WindowHandle inner = host::FindChild(platform, toolbar, host::host_class::kInnerToolbar);
  const WindowHandle icon =
      host::FindNthChild(platform, inner, host::host_class::kIcon, kToolbarMenuIcon);
  if (!icon)
    return;

  // The pointer waits in the screen's far corner while the menu is open, so that the
  // menu cannot take the entry under it instead of the one the keys pick.
  const host::Point saved = platform.GetCursorPos();
  platform.SetCursorPos(platform.GetSystemMetrics(SM_CXSCREEN) - 1,
                        platform.GetSystemMetrics(SM_CYSCREEN) - 1);
  platform.PostMessageA(icon, WM_LBUTTONDOWN, 0, 0);
  platform.PostMessageA(icon, WM_LBUTTONUP, 0, 0);
  if (const WindowHandle menu = WaitForPopupMenu(platform)) {
    for (std::uint32_t key : keys) {
      platform.PostMessageA(menu, WM_KEYDOWN, key, 0);
      platform.PostMessageA(menu, WM_KEYUP, key, 0);
    }
  }
  platform.SetCursorPos(saved.x, saved.y);
}

}  // namespace

void RunHostMenuItem(host::Platform& platform, int menuPosition, int itemPosition) {
  const WindowHandle frame = host::FindHostFrame(platform);
  if (!frame)
    return;
  const MenuHandle menu = platform.GetSubMenu(platform.GetMenu(frame), menuPosition);
  if (!menu)
    return;
  const std::uint32_t command = platform.GetMenuItemID(menu, itemPosition);
  if (command != kNoCommand)
    RunCommand(platform, frame, command);
}

void RunHostMenuText(host::Platform& platform, const std::string& text) {
  const WindowHandle frame = host::FindHostFrame(platform);
  if (!frame)
    return;
  const MenuHandle bar = platform.GetMenu(frame);
  if (!bar)
    return;
  const int menus = platform.GetMenuItemCount(bar);
  for (int i = 0; i < menus; ++i) {
    const MenuHandle menu = platform.GetSubMenu(bar, i);
    if (!menu)
      continue;  // an entry of the bar itself, not a drop-down menu
    const int entries = platform.GetMenuItemCount(menu);
    for (int j = 0; j < entries; ++j) {
      const std::uint32_t command = platform.GetMenuItemID(menu, j);
      if (command == kNoCommand)
        continue;
      const std::string entry = platform.GetMenuStringA(menu, command, kMenuTextSize, MF_BYCOMMAND);
      if (ContainsIgnoringCase(entry, text)) {
        RunCommand(platform, frame, command);
        return;
      }
    }
  }
}

void ToolbarMenuDown4(host::Platform& platform) {
  OpenToolbarMenuAndType(platform, {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
}

void ToolbarMenuDown5(host::Platform& platform) {
  OpenToolbarMenuAndType(platform, {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
}

void ToolbarMenuDown2(host::Platform& platform) {
  OpenToolbarMenuAndType(platform, {VK_DOWN, VK_DOWN, VK_RETURN});
}

void ToolbarMenuUpRight(host::Platform& platform) {
  OpenToolbarMenuAndType(platform, {VK_UP, VK_RIGHT, VK_RETURN});
}

}  // namespace velto::library
