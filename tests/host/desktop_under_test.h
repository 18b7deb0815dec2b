#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/platform.h"

namespace velto::testing {

// A desktop the platform-rule checks run on: the substitute, or real user32.
class DesktopUnderTest {
 public:
  virtual ~DesktopUnderTest() = default;
  virtual host::Platform& platform() = 0;
  virtual host::WindowHandle Create(host::WindowHandle parent, const std::string& className,
                                    const std::string& captionUtf8) = 0;
  virtual void Destroy(host::WindowHandle window) = 0;
};

struct DesktopKind {
  std::string name;
  std::function<std::unique_ptr<DesktopUnderTest>()> make;
};

// Every desktop this build can check: the substitute everywhere, real user32 on Windows.
std::vector<DesktopKind> DesktopsToCheck();

}  // namespace velto::testing
