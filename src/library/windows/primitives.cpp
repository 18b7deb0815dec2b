#include "library/windows/primitives.h"

#include "host/messages.h"
#include "library/windows/internal/host_lookups.h"

namespace velto::library {

using host::WindowHandle;

namespace {

// The text a window copies back for a length asked first: WM_GETTEXTLENGTH and
// WM_GETTEXT, or LB_GETTEXTLEN and LB_GETTEXT (with the item's index as wParam).
// The length message is sent in the reference form, as the host's windows were always
// asked; a negative length (a list's LB_ERR: no item at the index) means no text.
std::string ReadText(host::Platform& platform, WindowHandle window, std::uint32_t lengthMessage,
                     std::uint32_t textMessage, std::uint32_t index) {
  if (!ActsOn(platform, window))
    return {};
  std::int32_t zero = 0;
  const std::intptr_t length = platform.SendMessageA(window, lengthMessage, index, zero);
  if (length < 0 || !HostAnswered(platform))
    return {};
  host::TextBuffer buffer{static_cast<int>(length) + 1, {}};
  const std::uint32_t wParam =
      textMessage == WM_GETTEXT ? static_cast<std::uint32_t>(buffer.size) : index;
  platform.SendMessageA(window, textMessage, wParam, buffer);
  return buffer.text;
}

void SetTopmost(host::Platform& platform, FormControl& form, int insertAfter) {
  const WindowHandle window = form.Handle();
  if (window)
    platform.SetWindowPos(window, insertAfter, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

}  // namespace

void HideWindow(host::Platform& platform, WindowHandle window) {
  if (ActsOn(platform, window))
    platform.ShowWindow(window, SW_HIDE);
}

void UnhideWindow(host::Platform& platform, WindowHandle window) {
  if (ActsOn(platform, window))
    platform.ShowWindow(window, SW_SHOW);
}

void CloseHostWindow(host::Platform& platform, WindowHandle window) {
  if (ActsOn(platform, window))
    platform.PostMessageA(window, WM_CLOSE, 0, 0);
}

bool SetControlText(host::Platform& platform, WindowHandle window, const std::string& text) {
  if (!ActsOn(platform, window))
    return false;
  platform.SendMessageA(window, WM_SETTEXT, 0, text);
  return HostAnswered(platform);
}

std::string GetControlText(host::Platform& platform, WindowHandle window) {
  return ReadText(platform, window, WM_GETTEXTLENGTH, WM_GETTEXT, 0);
}

std::string GetListText(host::Platform& platform, WindowHandle list) {
  constexpr std::uint32_t kFirstItem = 0;
  return ReadText(platform, list, LB_GETTEXTLEN, LB_GETTEXT, kFirstItem);
}

bool PressSpace(host::Platform& platform, WindowHandle window) {
  if (!ActsOn(platform, window))
    return false;
  std::int32_t zero = 0;
  platform.SendMessageA(window, WM_KEYDOWN, VK_SPACE, zero);
  if (!HostAnswered(platform))
    return false;
  platform.SendMessageA(window, WM_KEYUP, VK_SPACE, zero);
  return HostAnswered(platform);
}

bool ClickControl(host::Platform& platform, WindowHandle window) {
  if (!ActsOn(platform, window))
    return false;
  // The host's controls read lParam as the address of a zero, not as a position.
  std::int32_t zero = 0;
  platform.SendMessageA(window, WM_LBUTTONDOWN, 0, zero);
  if (!HostAnswered(platform))
    return false;
  platform.SendMessageA(window, WM_LBUTTONUP, 0, zero);
  return HostAnswered(platform);
}

void MakeTopmost(host::Platform& platform, FormControl& form) {
  SetTopmost(platform, form, HWND_TOPMOST);
}

void ClearTopmost(host::Platform& platform, FormControl& form) {
  SetTopmost(platform, form, HWND_NOTOPMOST);
}

}  // namespace velto::library
