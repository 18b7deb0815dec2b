#include "host/substitute_desktop.h"
#include "support/contract_desktop.h"

namespace velto::testing {
namespace {

class SubstituteContractDesktop : public ContractDesktop {
 public:
  host::Platform& platform() override { return desktop_; }
  host::WindowHandle Create(host::WindowHandle parent, const std::string& className,
                            const std::string& captionUtf8) override {
    return desktop_.AddWindow(parent, className, captionUtf8);
  }
  void Destroy(host::WindowHandle window) override { desktop_.RemoveWindow(window); }
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

std::unique_ptr<ContractDesktop> MakeSubstituteContractDesktop() {
  return std::make_unique<SubstituteContractDesktop>();
}

}  // namespace velto::testing
