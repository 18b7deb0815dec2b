#pragma once

#include "host/platform.h"

namespace velto::host {

// The platform operations over user32 and kernel32. Messages to host windows go with a
// bound, so a hung host never freezes the program: a message that times out counts as
// sent to a missing window.
class Win32Platform : public Platform {
 public:
  WindowHandle FindWindowA(std::string_view className, CaptionFilter caption) override;
  WindowHandle FindWindowExA(WindowHandle parent, WindowHandle after, std::string_view className,
                             CaptionFilter caption) override;
  std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                             const std::string& text) override;
  std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                             std::uint32_t lParam) override;
  std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                             std::int32_t& variable) override;
  std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                             std::int16_t& variable) override;
  void PostMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                    std::uint32_t lParam) override;
  int GetWindowTextLengthA(WindowHandle window) override;
  std::string GetWindowTextA(WindowHandle window, int size) override;
  void ReleaseCapture() override;
  void PumpEvents() override;
  double Clock() override;
  void WaitForEvent(double seconds) override;
};

}  // namespace velto::host
