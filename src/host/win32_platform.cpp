#include "host/win32_platform.h"

#include <windows.h>

#include <cmath>
#include <vector>

#include "host/host_text.h"
#include "host/messages.h"
#include "host/timings.h"

namespace velto::host {
namespace {

HWND ToHwnd(WindowHandle window) {
  return static_cast<HWND>(ULongToHandle(window.value()));
}
WindowHandle FromHwnd(HWND hwnd) {
  return WindowHandle{HandleToULong(hwnd)};
}

// The caption filter as the 8-bit string Win32 wants, or null for "any caption".
class HostCaption {
 public:
  explicit HostCaption(CaptionFilter caption)
      : present_(caption.has_value()), bytes_(caption ? ToHostBytes(*caption) : std::string()) {}
  const char* get() const { return present_ ? bytes_.c_str() : nullptr; }

 private:
  bool present_;
  std::string bytes_;
};

std::intptr_t SendBounded(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                          LPARAM lParam) {
  if (!window)
    return 0;
  DWORD_PTR result = 0;
  const LRESULT ok =
      ::SendMessageTimeoutA(ToHwnd(window), message, wParam, lParam, SMTO_ABORTIFHUNG,
                            timings::kHungHostMilliseconds, &result);
  return ok ? static_cast<std::intptr_t>(result) : 0;
}

}  // namespace

WindowHandle Win32Platform::FindWindowA(std::string_view className, CaptionFilter caption) {
  const std::string classBytes = ToHostBytes(className);
  return FromHwnd(::FindWindowA(classBytes.c_str(), HostCaption(caption).get()));
}

WindowHandle Win32Platform::FindWindowExA(WindowHandle parent, WindowHandle after,
                                          std::string_view className, CaptionFilter caption) {
  const std::string classBytes = ToHostBytes(className);
  const HostCaption hostCaption(caption);
  return FromHwnd(
      ::FindWindowExA(ToHwnd(parent), ToHwnd(after), classBytes.c_str(), hostCaption.get()));
}

std::intptr_t Win32Platform::SendMessageA(WindowHandle window, std::uint32_t message,
                                          std::uint32_t wParam, const std::string& text) {
  const std::string bytes = ToHostBytes(text);
  return SendBounded(window, message, wParam, reinterpret_cast<LPARAM>(bytes.c_str()));
}

std::intptr_t Win32Platform::SendMessageA(WindowHandle window, std::uint32_t message,
                                          std::uint32_t wParam, std::uint32_t lParam) {
  return SendBounded(window, message, wParam, static_cast<LPARAM>(lParam));
}

std::intptr_t Win32Platform::SendMessageA(WindowHandle window, std::uint32_t message,
                                          std::uint32_t wParam, std::int32_t& variable) {
  return SendBounded(window, message, wParam, reinterpret_cast<LPARAM>(&variable));
}

std::intptr_t Win32Platform::SendMessageA(WindowHandle window, std::uint32_t message,
                                          std::uint32_t wParam, std::int16_t& variable) {
  if (!window)
    return 0;
  // The window-move command runs a modal loop inside the call until the button is
  // released: a time bound would cut the user's drag short, and the window is our own.
  return ::SendMessageA(ToHwnd(window), message, wParam, reinterpret_cast<LPARAM>(&variable));
}

void Win32Platform::PostMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                                 std::uint32_t lParam) {
  if (!window)
    return;
  ::PostMessageA(ToHwnd(window), message, wParam, static_cast<LPARAM>(lParam));
}

int Win32Platform::GetWindowTextLengthA(WindowHandle window) {
  if (!window)
    return 0;
  return ::GetWindowTextLengthA(ToHwnd(window));
}

std::string Win32Platform::GetWindowTextA(WindowHandle window, int size) {
  if (!window || size <= 0)
    return {};
  std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
  const int copied = ::GetWindowTextA(ToHwnd(window), buffer.data(), size);
  return FromHostBytes(std::string_view(buffer.data(), copied > 0 ? copied : 0));
}

void Win32Platform::ReleaseCapture() {
  ::ReleaseCapture();
}

void Win32Platform::PumpEvents() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::ExitProcess(static_cast<UINT>(msg.wParam));
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

double Win32Platform::Clock() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

void Win32Platform::WaitForEvent(double seconds) {
  const double milliseconds = std::ceil(std::max(0.0, seconds) * 1000.0);
  ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(milliseconds), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
}

}  // namespace velto::host
