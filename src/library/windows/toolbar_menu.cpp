#include "library/windows/internal/toolbar_menu.h"

#include "host/host_names.h"
#include "host/messages.h"
#include "host/wait.h"
#include "host/window_search.h"
#include "library/windows/internal/host_lookups.h"
#include "library/windows/library_timings.h"

namespace velto::library {
namespace {

using host::WindowHandle;

// Looks for the visible popup menu without running our pump (our windows would steal
// the menu's keys); 0 once the wait is over or the program is asked to quit. Windows
// keeps a hidden "#32768" window at all times, so only a visible one is the menu the
// click opened.
WindowHandle WaitForVisiblePopupMenu(host::Platform& platform) {
  WindowHandle menu;
  const bool shown = host::WaitWithoutPump(
      platform,
      [&] {
        menu = platform.FindWindowA(host::host_class::kPopupMenu, host::kAnyCaption);
        return menu && platform.IsWindowVisible(menu);
      },
      timings::kPopupMenuWaitSeconds, timings::kPopupMenuPollSeconds);
  return shown ? menu : host::kNoWindow;
}

}  // namespace

bool RunToolbarMenu(host::Platform& platform, int iconNumber,
                    std::initializer_list<std::uint32_t> keys) {
  const WindowHandle icon = host::FindToolbarIcon(platform, iconNumber);
  if (!icon || platform.QuitRequested())
    return false;

  // The pointer waits in the screen's far corner while the menu is open, so that the
  // menu cannot take the entry under it instead of the one the keys pick.
  const host::Point saved = platform.GetCursorPos();
  platform.SetCursorPos(platform.GetSystemMetrics(SM_CXSCREEN) - 1,
                        platform.GetSystemMetrics(SM_CYSCREEN) - 1);
  PostClick(platform, icon);
  const WindowHandle menu = WaitForVisiblePopupMenu(platform);
  if (menu) {
    for (std::uint32_t key : keys) {
      platform.PostMessageA(menu, WM_KEYDOWN, key, 0);
      platform.PostMessageA(menu, WM_KEYUP, key, 0);
    }
  }
  platform.SetCursorPos(saved.x, saved.y);
  return !menu.IsNone();
}

}  // namespace velto::library
