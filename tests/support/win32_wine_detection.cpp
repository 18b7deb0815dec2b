#include <windows.h>

#include "support/known_difference.h"

namespace velto::testing {

bool RunningUnderWine() {
  // Wine's ntdll exports its version; Windows' does not.
  const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace velto::testing
