#pragma once

#include <windows.h>

#include "host/platform.h"

// The one place that turns our 32-bit handle values into Win32 handles and back. Win32
// window and menu handles fit in 32 bits on x86 and x64 alike (they are shared between
// 32- and 64-bit processes), so the value survives the round trip.
namespace velto::host {

inline HWND ToHwnd(WindowHandle window) {
  return static_cast<HWND>(ULongToHandle(window.value()));
}
inline WindowHandle FromHwnd(HWND hwnd) {
  return WindowHandle{HandleToULong(hwnd)};
}
inline HMENU ToHmenu(MenuHandle menu) {
  return static_cast<HMENU>(ULongToHandle(menu.value));
}
inline MenuHandle FromHmenu(HMENU menu) {
  return MenuHandle{HandleToULong(menu)};
}

}  // namespace velto::host
