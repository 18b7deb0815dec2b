#pragma once

#include <functional>
#include <string>

#include "host/platform.h"

namespace velto::host {

// The name a trace gives a message: "WM_SETTEXT" for the messages the routines send,
// the number in hex for any other.
std::string MessageName(std::uint32_t message);

// Bytes as a trace shows them: printable ASCII as it is, a backslash and a quote behind
// a backslash, every other byte as \xNN.
std::string EscapedBytes(std::string_view bytes);

// A platform that hands every operation on to another one, and tells a line for each
// operation that reaches another program (sends, posts, window changes, reads of its
// memory) and for each wait as it ends. Finds, caption reads and the pump are the
// system's own work and are handed on untold. Lines start with the milliseconds since
// the trace began.
class TracingPlatform : public Platform {
 public:
  using LineSink = std::function<void(const std::string& line)>;
  TracingPlatform(Platform& inner, LineSink sink);

  // A line the caller adds in the trace's own form (the outcome, at the end).
  void Tell(const std::string& what);

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
  double Clock() override;
  void WaitForEvent(double seconds) override;
  void Sleep(double seconds) override;
  void WaitEnded(std::string_view kind, double seconds, bool held) override;

 private:
  // "0x1234 "RICHCNTL" "caption"", read before the message, while the window is there.
  std::string Describe(WindowHandle window);
  std::string Head(std::string_view operation, WindowHandle window, std::uint32_t message,
                   std::uint32_t wParam);
  // The answer of the send just made: its result and whether the window answered in time.
  std::string Answer(std::intptr_t result);
  void Line(const std::string& text);

  Platform& inner_;
  LineSink sink_;
  double start_;
};

}  // namespace velto::host
