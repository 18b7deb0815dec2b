#include "library/windows/host_menus.h"

#include <initializer_list>

#include "host/messages.h"
#include "host/window_search.h"
#include "library/text/internal/ignoring_case.h"
#include "library/windows/internal/host_lookups.h"
#include "library/windows/internal/toolbar_menu.h"
#include "library/windows/library_timings.h"

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

// Opens the toolbar's popup menu with a click on its icon and types the keys into it.
void OpenToolbarMenuAndType(host::Platform& platform, std::initializer_list<std::uint32_t> keys) {
  RunToolbarMenu(platform, kToolbarMenuIcon, keys);
}

}  // namespace

void RunHostMenuItem(host::Platform& platform, int menuPosition, int itemPosition) {
  const WindowHandle frame = host::FindHostFrame(platform);
  if (!frame)
    return;
  const MenuHandle menu = platform.GetSubMenu(platform.GetMenu(frame), menuPosition);
  const std::uint32_t command = menu ? platform.GetMenuItemID(menu, itemPosition) : kNoCommand;
  if (command == kNoCommand) {
    // No such menu, or an entry that runs nothing.
    platform.Outcomes().Record(host::Outcome::kNothingToActOn);
    return;
  }
  RunCommand(platform, frame, command);
}

void RunHostMenuText(host::Platform& platform, const std::string& text) {
  const WindowHandle frame = host::FindHostFrame(platform);
  if (!frame)
    return;
  const MenuHandle bar = platform.GetMenu(frame);
  // Without a bar, or without an entry of the text that runs something, there was
  // nothing to act on.
  platform.Outcomes().Record(host::Outcome::kNothingToActOn);
  if (!bar)
    return;
  const int menus = platform.GetMenuItemCount(bar);
  for (int i = 0; i < menus; ++i) {
    const MenuHandle menu = platform.GetSubMenu(bar, i);
    if (!menu)
      continue;  // an entry of the bar itself, not a drop-down menu
    const int entries = platform.GetMenuItemCount(menu);
    for (int j = 0; j < entries; ++j) {
      // An entry that opens a further menu has no command to name it by, and so reads as
      // empty: it is matched like any other entry, but has nothing to run, and a later
      // entry (one the caller never named) is not run in its place.
      const std::uint32_t command = platform.GetMenuItemID(menu, j);
      const std::string entry =
          command == kNoCommand
              ? std::string()
              : platform.GetMenuStringA(menu, command, kMenuTextSize, MF_BYCOMMAND);
      if (ContainsIgnoringCase(entry, text)) {
        if (command != kNoCommand)
          RunCommand(platform, frame, command);  // answered, it is done
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
