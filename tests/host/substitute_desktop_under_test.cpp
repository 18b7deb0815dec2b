#include "host/desktop_under_test.h"
#include "host/substitute_desktop.h"

namespace velto::testing {
namespace {

class SubstituteUnderTest : public DesktopUnderTest {
 public:
  host::Platform& platform() override { return desktop_; }
  host::WindowHandle Create(host::WindowHandle parent, const std::string& className,
                            const std::string& captionUtf8) override {
    return desktop_.AddWindow(parent, className, captionUtf8);
  }
  void Destroy(host::WindowHandle window) override { desktop_.RemoveWindow(window); }

 private:
  host::SubstituteDesktop desktop_;
};

}  // namespace

std::unique_ptr<DesktopUnderTest> MakeSubstituteUnderTest() {
  return std::make_unique<SubstituteUnderTest>();
}

}  // namespace velto::testing
