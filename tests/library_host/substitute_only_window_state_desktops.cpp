#include "window_state_desktop.h"

namespace velto::testing {

std::vector<WindowStateDesktopKind> WindowStateDesktopsToCheck() {
  return {{"Substitute", MakeSubstituteWindowStateDesktop}};
}

}  // namespace velto::testing
