#include <windows.h>

#include <set>

#include "host/desktop_under_test.h"
#include "host/host_text.h"
#include "host/win32_handles.h"
#include "host/win32_platform.h"

namespace velto::testing {

using host::FromHwnd;
using host::ToHwnd;
namespace {

// Real windows of this process, with window classes registered under the host's names.
class Win32UnderTest : public DesktopUnderTest {
 public:
  ~Win32UnderTest() override {
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
      if (::IsWindow(*it))
        ::DestroyWindow(*it);
    }
  }
  host::Platform& platform() override { return platform_; }

  host::WindowHandle Create(host::WindowHandle parent, const std::string& className,
                            const std::string& captionUtf8) override {
    Register(className);
    const DWORD style = parent ? WS_CHILD : WS_POPUP;
    HWND hwnd =
        ::CreateWindowExA(0, className.c_str(), host::ToHostBytes(captionUtf8).c_str(), style, 0, 0,
                          10, 10, ToHwnd(parent), nullptr, ::GetModuleHandleA(nullptr), nullptr);
    created_.push_back(hwnd);
    return FromHwnd(hwnd);
  }

  void Destroy(host::WindowHandle window) override { ::DestroyWindow(ToHwnd(window)); }

 private:
  static HWND ToHwnd(host::WindowHandle window) { return ToHwnd(window); }
  void Register(const std::string& className) {
    if (!registered_.insert(className).second)
      return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = className.c_str();
    ::RegisterClassA(&wc);
  }

  host::Win32Platform platform_;
  std::vector<HWND> created_;
  std::set<std::string> registered_;
};

}  // namespace

std::unique_ptr<DesktopUnderTest> MakeSubstituteUnderTest();

std::vector<DesktopKind> DesktopsToCheck() {
  return {{"Substitute", MakeSubstituteUnderTest},
          {"RealUser32", [] { return std::make_unique<Win32UnderTest>(); }}};
}

}  // namespace velto::testing
