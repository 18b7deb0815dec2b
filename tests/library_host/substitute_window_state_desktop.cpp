#include "host/substitute_desktop.h"
#include "window_state_desktop.h"

namespace velto::testing {
namespace {

class SubstituteWindowState : public WindowStateDesktop {
 public:
  host::Platform& platform() override { return desktop_; }
  host::WindowHandle CreateTopLevel(const std::string& captionUtf8) override {
    return desktop_.AddWindow(host::kNoWindow, "VeltoStateFrame", captionUtf8);
  }
  host::WindowHandle CreateChild(host::WindowHandle parent,
                                 const std::string& captionUtf8) override {
    return desktop_.AddWindow(parent, "VeltoStateChild", captionUtf8);
  }
  bool IsTopmost(host::WindowHandle window) override { return desktop_.IsTopmost(window); }
  host::MenuHandle CreateMenu() override { return desktop_.AddMenu(); }
  void AppendItem(host::MenuHandle menu, const std::string& textUtf8,
                  std::uint32_t command) override {
    desktop_.AddMenuItem(menu, textUtf8, command);
  }
  void AppendSubmenu(host::MenuHandle menu, const std::string& textUtf8,
                     host::MenuHandle submenu) override {
    desktop_.AddMenuItem(menu, textUtf8, 0, submenu);
  }
  void AppendSeparator(host::MenuHandle menu) override { desktop_.AddMenuItem(menu, "", 0); }
  void SetMenu(host::WindowHandle window, host::MenuHandle menu) override {
    desktop_.SetMenu(window, menu);
  }

 private:
  host::SubstituteDesktop desktop_;
};

}  // namespace

std::unique_ptr<WindowStateDesktop> MakeSubstituteWindowStateDesktop() {
  return std::make_unique<SubstituteWindowState>();
}

}  // namespace velto::testing
