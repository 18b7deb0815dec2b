#include <windows.h>

#include "host/host_text.h"
#include "host/win32_handles.h"
#include "host/win32_platform.h"
#include "window_state_desktop.h"

namespace velto::testing {

using host::FromHmenu;
using host::FromHwnd;
using host::ToHmenu;
using host::ToHwnd;
namespace {

// Real windows of this process and real menus.
class Win32WindowState : public WindowStateDesktop {
 public:
  Win32WindowState() {
    for (const char* name : {kFrameClass, kChildClass}) {
      WNDCLASSA wc{};
      wc.lpfnWndProc = ::DefWindowProcA;
      wc.hInstance = ::GetModuleHandleA(nullptr);
      wc.lpszClassName = name;
      ::RegisterClassA(&wc);  // fails harmlessly when already registered
    }
  }
  ~Win32WindowState() override {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
      if (::IsWindow(*it))
        ::DestroyWindow(*it);  // destroys the window's menu bar with it
    }
    for (HMENU menu : unattached_) {
      if (::IsMenu(menu))
        ::DestroyMenu(menu);
    }
  }
  host::Platform& platform() override { return platform_; }

  host::WindowHandle CreateTopLevel(const std::string& captionUtf8) override {
    return Create(nullptr, kFrameClass, captionUtf8, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  }
  host::WindowHandle CreateChild(host::WindowHandle parent,
                                 const std::string& captionUtf8) override {
    return Create(ToHwnd(parent), kChildClass, captionUtf8, WS_CHILD | WS_VISIBLE);
  }
  bool IsTopmost(host::WindowHandle window) override {
    return (::GetWindowLongA(ToHwnd(window), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  }
  host::MenuHandle CreateMenu() override {
    HMENU menu = ::CreateMenu();
    unattached_.push_back(menu);
    return FromHmenu(menu);
  }
  void AppendItem(host::MenuHandle menu, const std::string& textUtf8,
                  std::uint32_t command) override {
    ::AppendMenuA(ToHmenu(menu), MF_STRING, command, host::ToHostBytes(textUtf8).c_str());
  }
  void AppendSubmenu(host::MenuHandle menu, const std::string& textUtf8,
                     host::MenuHandle submenu) override {
    ::AppendMenuA(ToHmenu(menu), MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(ToHmenu(submenu)),
                  host::ToHostBytes(textUtf8).c_str());
  }
  void AppendSeparator(host::MenuHandle menu) override {
    ::AppendMenuA(ToHmenu(menu), MF_SEPARATOR, 0, nullptr);
  }
  void SetMenu(host::WindowHandle window, host::MenuHandle menu) override {
    ::SetMenu(ToHwnd(window), ToHmenu(menu));
  }

 private:
  static constexpr const char* kFrameClass = "VeltoStateFrame";
  static constexpr const char* kChildClass = "VeltoStateChild";

  host::WindowHandle Create(HWND parent, const char* className, const std::string& captionUtf8,
                            DWORD style) {
    HWND hwnd =
        ::CreateWindowExA(0, className, host::ToHostBytes(captionUtf8).c_str(), style, 10, 10, 200,
                          150, parent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    windows_.push_back(hwnd);
    return FromHwnd(hwnd);
  }

  host::Win32Platform platform_;
  std::vector<HWND> windows_;
  std::vector<HMENU> unattached_;
};

}  // namespace

std::vector<WindowStateDesktopKind> WindowStateDesktopsToCheck() {
  return {{"Substitute", MakeSubstituteWindowStateDesktop},
          {"RealUser32", [] { return std::make_unique<Win32WindowState>(); }}};
}

}  // namespace velto::testing
