#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/window_handle.h"

namespace velto::host {

// A caption to search for; std::nullopt matches any caption (Win32's null pointer).
using CaptionFilter = std::optional<std::string_view>;
inline constexpr CaptionFilter kAnyCaption = std::nullopt;

// The operations the host routines need from the platform, under their Win32 names,
// plus the event pump, the clock and a blocking wait. Text arguments and results are
// UTF-8; an implementation converts them to and from the host's 8-bit code page where
// they cross into a window.
//
// Two implementations: Win32Platform over user32, and SubstituteDesktop, an in-memory
// desktop for tests.
class Platform {
 public:
  virtual ~Platform() = default;

  // A top-level window of the class (compared without regard to case) whose caption
  // equals the filter; 0 if none.
  virtual WindowHandle FindWindowA(std::string_view className, CaptionFilter caption) = 0;

  // The next direct child of parent after `after` (0: from the first child) with the
  // class and caption; parent 0 searches the top-level windows; 0 when no further child
  // matches or `after` no longer exists.
  virtual WindowHandle FindWindowExA(WindowHandle parent, WindowHandle after,
                                     std::string_view className, CaptionFilter caption) = 0;

  // SendMessageA, text form: lParam is the address of the text's 8-bit copy.
  virtual std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message,
                                     std::uint32_t wParam, const std::string& text) = 0;
  // SendMessageA, value form.
  virtual std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message,
                                     std::uint32_t wParam, std::uint32_t lParam) = 0;
  // SendMessageA, reference form: lParam is the address of a 32-bit variable.
  virtual std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message,
                                     std::uint32_t wParam, std::int32_t& variable) = 0;
  // SendMessageA, reference form with a 16-bit variable (the window-move command).
  virtual std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message,
                                     std::uint32_t wParam, std::int16_t& variable) = 0;

  virtual void PostMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                            std::uint32_t lParam) = 0;

  // Length of the caption in 8-bit characters; 0 for window 0.
  virtual int GetWindowTextLengthA(WindowHandle window) = 0;
  // At most size - 1 8-bit characters of the caption, widened to UTF-8.
  virtual std::string GetWindowTextA(WindowHandle window, int size) = 0;

  virtual void ReleaseCapture() = 0;

  // Handles every event already queued for the program's own windows, then returns.
  virtual void PumpEvents() = 0;
  // The local time of day in seconds since midnight, with a fraction.
  virtual double Clock() = 0;
  // Blocks until an event is queued for the program or `seconds` have passed.
  virtual void WaitForEvent(double seconds) = 0;
};

}  // namespace velto::host
