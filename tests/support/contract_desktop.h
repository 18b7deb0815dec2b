#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/platform.h"

namespace velto::testing {

// A desktop the contract tests run on: the substitute, or real user32 (under Wine in the
// Windows build). The same checks run on every one; where they disagree, the substitute
// is wrong. Windows are made shown, as the host's are.
class ContractDesktop {
 public:
  virtual ~ContractDesktop() = default;
  virtual host::Platform& platform() = 0;
  // A window of the class (registered on first use), top level when `parent` is 0.
  virtual host::WindowHandle Create(host::WindowHandle parent, const std::string& className,
                                    const std::string& captionUtf8) = 0;
  virtual void Destroy(host::WindowHandle window) = 0;
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

struct ContractDesktopKind {
  std::string name;
  std::function<std::unique_ptr<ContractDesktop>()> make;
};

// Every desktop this build can check: the substitute everywhere, real user32 on Windows.
std::vector<ContractDesktopKind> ContractDesktopsToCheck();
std::unique_ptr<ContractDesktop> MakeSubstituteContractDesktop();

}  // namespace velto::testing
