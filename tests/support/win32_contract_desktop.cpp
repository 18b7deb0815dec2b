#include <windows.h>

#include <set>

#include "host/host_text.h"
#include "host/win32_handles.h"
#include "host/win32_platform.h"
#include "support/contract_desktop.h"

namespace velto::testing {
namespace {

using host::FromHmenu;
using host::FromHwnd;
using host::ToHmenu;
using host::ToHwnd;

// Real windows of this process, of window classes registered under the names asked
// for, and real menus.
class Win32ContractDesktop : public ContractDesktop {
 public:
  ~Win32ContractDesktop() override {
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

  host::WindowHandle Create(host::WindowHandle parent, const std::string& className,
                            const std::string& captionUtf8) override {
    Register(className);
    const DWORD style = (parent ? WS_CHILD : WS_OVERLAPPEDWINDOW) | WS_VISIBLE;
    HWND hwnd = ::CreateWindowExA(0, className.c_str(), host::ToHostBytes(captionUtf8).c_str(),
                                  style, 10, 10, 200, 150, ToHwnd(parent), nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    windows_.push_back(hwnd);
    return FromHwnd(hwnd);
  }
  void Destroy(host::WindowHandle window) override { ::DestroyWindow(ToHwnd(window)); }
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
  void Register(const std::string& className) {
    if (!registered_.insert(className).second)
      return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = className.c_str();
    ::RegisterClassA(&wc);  // fails harmlessly when already registered
  }

  host::Win32Platform platform_;
  std::vector<HWND> windows_;
  std::vector<HMENU> unattached_;
  std::set<std::string> registered_;
};

}  // namespace

std::vector<ContractDesktopKind> ContractDesktopsToCheck() {
  return {{"Substitute", MakeSubstituteContractDesktop},
          {"RealUser32", [] { return std::make_unique<Win32ContractDesktop>(); }}};
}

}  // namespace velto::testing
