#include "win32_window_argument.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>

namespace velto_run {

bool NamesAWindow(const std::string& handle) {
  const auto value = static_cast<std::uintptr_t>(std::strtoull(handle.c_str(), nullptr, 10));
  return value != 0 && ::IsWindow(reinterpret_cast<HWND>(value));
}

}  // namespace velto_run
