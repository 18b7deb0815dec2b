#pragma once

#include <cstdint>
#include <functional>

namespace velto::host {

// Names a window by its 32-bit handle value; 0 means "no window". Win32 handles
// fit in 32 bits on both x86 and x64, so the value is the same on both.
class WindowHandle {
 public:
  constexpr WindowHandle() = default;
  constexpr explicit WindowHandle(std::uint32_t value) : value_(value) {}

  constexpr std::uint32_t value() const { return value_; }
  constexpr bool IsNone() const { return value_ == 0; }
  constexpr explicit operator bool() const { return value_ != 0; }

  friend constexpr bool operator==(WindowHandle a, WindowHandle b) { return a.value_ == b.value_; }
  friend constexpr bool operator!=(WindowHandle a, WindowHandle b) { return a.value_ != b.value_; }
  friend constexpr bool operator<(WindowHandle a, WindowHandle b) { return a.value_ < b.value_; }

 private:
  std::uint32_t value_ = 0;
};

inline constexpr WindowHandle kNoWindow{};

}  // namespace velto::host

template <>
struct std::hash<velto::host::WindowHandle> {
  std::size_t operator()(velto::host::WindowHandle h) const noexcept { return h.value(); }
};
