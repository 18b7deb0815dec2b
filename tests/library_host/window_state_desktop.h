#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/platform.h"

namespace velto::testing {

// A desktop the window-state and menu checks run on: the substitute, or real user32.
// Windows are made shown, as the host's are.
class WindowStateDesktop {
 public:
  virtual ~WindowStateDesktop() = default;
  virtual host::Platform& platform() = 0;
  virtual host::WindowHandle CreateTopLevel(const std::string& captionUtf8) = 0;
  virtual host::WindowHandle CreateChild(host::WindowHandle parent,
                                         const std::string& captionUtf8) = 0;
  virtual bool IsTopmost(host::WindowHandle window) = 0;
  // Menus: a menu bar or drop-down menu, entries appended at its end.
  virtual host::MenuHandle CreateMenu() = 0;
  virtual void AppendItem(host::MenuHandle menu, const std::string& textUtf8,
                          std::uint32_t command) = 0;
  virtual void AppendSubmenu(host::MenuHandle menu, const std::string& textUtf8,
                             host::MenuHandle submenu) = 0;
  virtual void AppendSeparator(host::MenuHandle menu) = 0;
  virtual void SetMenu(host::WindowHandle window, host::MenuHandle menu) = 0;
};

struct WindowStateDesktopKind {
  std::string name;
  std::function<std::unique_ptr<WindowStateDesktop>()> make;
};

// Every desktop this build can check: the substitute everywhere, real user32 on Windows.
std::vector<WindowStateDesktopKind> WindowStateDesktopsToCheck();
std::unique_ptr<WindowStateDesktop> MakeSubstituteWindowStateDesktop();

}  // namespace velto::testing
