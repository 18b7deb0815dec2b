#include "support/known_difference.h"

namespace velto::testing {

// The native tests run on the substitute desktop, never under Wine.
bool RunningUnderWine() {
  return false;
}

}  // namespace velto::testing
