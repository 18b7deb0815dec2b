#include "host/desktop_under_test.h"

namespace velto::testing {

std::unique_ptr<DesktopUnderTest> MakeSubstituteUnderTest();

std::vector<DesktopKind> DesktopsToCheck() {
  return {{"Substitute", MakeSubstituteUnderTest}};
}

}  // namespace velto::testing
