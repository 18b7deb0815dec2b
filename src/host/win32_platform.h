#pragma once

#include <cstdint>

#include "host/platform.h"
#include "host/timings.h"

namespace velto::host {

// The platform operations over user32 and kernel32. Messages to host windows go with a
// bound, so a hung host never freezes the program: a message that times out counts as
// sent to a missing window, and LastSendAnswered says so.
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
  std::intptr_t SendMessageUnboundedA(WindowHandle window, std::uint32_t message,
                                      std::uint32_t wParam, std::int16_t& variable) override;
  std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                             TextBuffer& buffer) override;
  void PostMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                    std::uint32_t lParam) override;
  int GetWindowTextLengthA(WindowHandle window) override;
  std::string GetWindowTextA(WindowHandle window, int size) override;
  std::string GetClassNameA(WindowHandle window, int size) override;
  void ReleaseCapture() override;
  void ShowWindow(WindowHandle window, int command) override;
  bool IsWindowVisible(WindowHandle window) override;
  void SetWindowPos(WindowHandle window, int insertAfter, int x, int y, int width, int height,
                    unsigned flags) override;
  MenuHandle GetMenu(WindowHandle window) override;
  int GetMenuItemCount(MenuHandle menu) override;
  MenuHandle GetSubMenu(MenuHandle menu, int position) override;
  std::uint32_t GetMenuItemID(MenuHandle menu, int position) override;
  std::string GetMenuStringA(MenuHandle menu, std::uint32_t item, int size,
                             unsigned flags) override;
  Point GetCursorPos() override;
  void SetCursorPos(int x, int y) override;
  int GetSystemMetrics(int index) override;
  std::uint32_t GetWindowThreadProcessId(WindowHandle window) override;
  ProcessHandle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) override;
  bool ReadProcessMemory(ProcessHandle process, std::uint32_t address, void* buffer,
                         std::size_t size) override;
  void CloseHandle(ProcessHandle process) override;
  bool LastSendAnswered() override;
  void SetSendBound(double seconds) override;
  void PumpEvents() override;
  bool QuitRequested() override;
  // Waits for events and delivers them until the program is asked to quit (WM_QUIT, met
  // here or inside a wait), and gives the exit code: the program's loop between events.
  // Blocking in the message fetch itself costs Wine one request less per event than a
  // wait followed by a pump.
  int DeliverEventsUntilQuit();
  double Clock() override;
  void WaitForEvent(double seconds) override;
  void Sleep(double seconds) override;

  // The exit code the quit request carried; 0 before one came.
  int ExitCode() const { return exitCode_; }

  // What has woken the program so far: each return from the main loop's fetch or from a
  // wait, and the timer messages among all it delivered. Idle, only its timers wake it.
  struct WakeCounts {
    std::uint64_t wakes = 0;
    std::uint64_t timerMessages = 0;
  };
  WakeCounts Wakes() const { return wakeCounts_; }

 private:
  std::intptr_t SendBounded(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                            std::intptr_t lParam);

  bool lastSendAnswered_ = false;
  unsigned sendBoundMilliseconds_ = timings::kHungHostMilliseconds;
  bool quitRequested_ = false;
  int exitCode_ = 0;
  WakeCounts wakeCounts_;
};

}  // namespace velto::host
