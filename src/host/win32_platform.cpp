#include "host/win32_platform.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "host/host_text.h"
#include "host/internal/text_reply.h"
#include "host/messages.h"
#include "host/timings.h"
#include "host/win32_handles.h"

namespace velto::host {
namespace {

// What a text reply may overrun its measured size by without harm.
constexpr std::size_t kSpareReplyBytes = 1024;

HANDLE ToHandle(ProcessHandle process) {
  return reinterpret_cast<HANDLE>(process.value);
}
DWORD Milliseconds(double seconds) {
  return static_cast<DWORD>(std::ceil(std::max(0.0, seconds) * 1000.0));
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

}  // namespace

std::intptr_t Win32Platform::SendBounded(WindowHandle window, std::uint32_t message,
                                         std::uint32_t wParam, std::intptr_t lParam) {
  lastSendAnswered_ = false;
  if (!window) {
    RecordDelivery(window, false);
    return 0;
  }
  DWORD_PTR result = 0;
  const LRESULT ok =
      ::SendMessageTimeoutA(ToHwnd(window), message, wParam, static_cast<LPARAM>(lParam),
                            SMTO_ABORTIFHUNG, sendBoundMilliseconds_, &result);
  lastSendAnswered_ = ok != 0;
  RecordDelivery(window, lastSendAnswered_);
  return ok ? static_cast<std::intptr_t>(result) : 0;
}

bool Win32Platform::LastSendAnswered() {
  return lastSendAnswered_;
}

void Win32Platform::SetSendBound(double seconds) {
  sendBoundMilliseconds_ = Milliseconds(seconds);
}

WindowHandle Win32Platform::FindWindowA(std::string_view className, CaptionFilter caption) {
  const std::string classBytes = ToHostBytes(className);
  return FromHwnd(::FindWindowA(classBytes.c_str(), HostCaption(caption).get()));
}

WindowHandle Win32Platform::FindWindowExA(WindowHandle parent, WindowHandle after,
                                          std::string_view className, CaptionFilter caption) {
  const std::string classBytes = ToHostBytes(className);
  const HostCaption hostCaption(caption);
  const char* anyClass = nullptr;
  return FromHwnd(::FindWindowExA(ToHwnd(parent), ToHwnd(after),
                                  className.empty() ? anyClass : classBytes.c_str(),
                                  hostCaption.get()));
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

std::intptr_t Win32Platform::SendMessageUnboundedA(WindowHandle window, std::uint32_t message,
                                                   std::uint32_t wParam, std::int16_t& variable) {
  lastSendAnswered_ = window && ::IsWindow(ToHwnd(window));
  RecordDelivery(window, lastSendAnswered_);
  if (!lastSendAnswered_)
    return 0;
  // The window-move command runs a modal loop inside the call until the button is
  // released: a time bound would cut the user's drag short, and the window is our own.
  return ::SendMessageA(ToHwnd(window), message, wParam, reinterpret_cast<LPARAM>(&variable));
}

void Win32Platform::PostMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                                 std::uint32_t lParam) {
  const bool accepted =
      window && ::PostMessageA(ToHwnd(window), message, wParam, static_cast<LPARAM>(lParam));
  RecordDelivery(window, accepted);
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

std::string Win32Platform::GetClassNameA(WindowHandle window, int size) {
  if (!window || size <= 0)
    return {};
  std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
  const int copied = ::GetClassNameA(ToHwnd(window), buffer.data(), size);
  return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void Win32Platform::ReleaseCapture() {
  ::ReleaseCapture();
}

namespace {

void Deliver(const MSG& msg, Win32Platform::WakeCounts& counts) {
  if (msg.message == WM_TIMER)
    ++counts.timerMessages;
  ::TranslateMessage(&msg);
  ::DispatchMessageA(&msg);
}

}  // namespace

void Win32Platform::PumpEvents() {
  MSG msg;
  while (!quitRequested_ && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Met inside a wait, perhaps in the middle of a handler: the wait ends and the
      // handler runs to its end; the main loop ends the program. Posted again so that
      // a modal loop of the system (a message box, a window move) ends as well.
      quitRequested_ = true;
      exitCode_ = static_cast<int>(msg.wParam);
      ::PostQuitMessage(exitCode_);
      return;
    }
    Deliver(msg, wakeCounts_);
  }
}

bool Win32Platform::QuitRequested() {
  return quitRequested_;
}

int Win32Platform::DeliverEventsUntilQuit() {
  MSG msg;
  while (!quitRequested_) {
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    ++wakeCounts_.wakes;
    if (got == 0) {
      quitRequested_ = true;
      exitCode_ = static_cast<int>(msg.wParam);
    } else if (got > 0) {
      Deliver(msg, wakeCounts_);
    }
  }
  return exitCode_;
}

double Win32Platform::Clock() {
  // The performance counter exists from Windows XP on and, unlike the time of day,
  // never jumps; unlike GetTickCount it has no 49.7-day wrap and no 16 ms steps.
  LARGE_INTEGER frequency;
  LARGE_INTEGER counter;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&counter);
  const long long whole = counter.QuadPart / frequency.QuadPart;
  const long long rest = counter.QuadPart % frequency.QuadPart;
  return static_cast<double>(whole) +
         static_cast<double>(rest) / static_cast<double>(frequency.QuadPart);
}

void Win32Platform::WaitForEvent(double seconds) {
  if (quitRequested_)
    return;
  ::MsgWaitForMultipleObjectsEx(0, nullptr, Milliseconds(seconds), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
  ++wakeCounts_.wakes;
}

void Win32Platform::Sleep(double seconds) {
  ::Sleep(Milliseconds(seconds));
}

std::intptr_t Win32Platform::SendMessageA(WindowHandle window, std::uint32_t message,
                                          std::uint32_t wParam, TextBuffer& buffer) {
  buffer.text.clear();
  if (buffer.size <= 0)
    return SendBounded(window, message, wParam, 0);
  // Room to spare: LB_GETTEXT carries no size, so the window writes all it holds, which
  // may have grown since it was measured (the host's lists change under us), and Wine
  // hands back another process's answer in UTF-16, two bytes a character.
  const std::size_t room = (static_cast<std::size_t>(buffer.size) + 1) * 2 + kSpareReplyBytes;
  std::string bytes(room, kUnwrittenByte);
  const std::intptr_t result =
      SendBounded(window, message, wParam, reinterpret_cast<LPARAM>(bytes.data()));
  buffer.text = LastSendAnswered() ? TextReplyUtf8(bytes, result) : std::string();
  return result;
}

void Win32Platform::ShowWindow(WindowHandle window, int command) {
  ::ShowWindow(ToHwnd(window), command);
}

bool Win32Platform::IsWindowVisible(WindowHandle window) {
  return ::IsWindowVisible(ToHwnd(window)) != FALSE;
}

void Win32Platform::SetWindowPos(WindowHandle window, int insertAfter, int x, int y, int width,
                                 int height, unsigned flags) {
  ::SetWindowPos(ToHwnd(window), reinterpret_cast<HWND>(static_cast<INT_PTR>(insertAfter)), x, y,
                 width, height, flags);
}

MenuHandle Win32Platform::GetMenu(WindowHandle window) {
  return FromHmenu(::GetMenu(ToHwnd(window)));
}

int Win32Platform::GetMenuItemCount(MenuHandle menu) {
  return ::GetMenuItemCount(ToHmenu(menu));
}

MenuHandle Win32Platform::GetSubMenu(MenuHandle menu, int position) {
  return FromHmenu(::GetSubMenu(ToHmenu(menu), position));
}

std::uint32_t Win32Platform::GetMenuItemID(MenuHandle menu, int position) {
  return ::GetMenuItemID(ToHmenu(menu), position);
}

std::string Win32Platform::GetMenuStringA(MenuHandle menu, std::uint32_t item, int size,
                                          unsigned flags) {
  if (size <= 0)
    return {};
  std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
  const int copied = ::GetMenuStringA(ToHmenu(menu), item, buffer.data(), size, flags);
  return FromHostBytes(std::string_view(buffer.data(), copied > 0 ? copied : 0));
}

Point Win32Platform::GetCursorPos() {
  POINT p{};
  ::GetCursorPos(&p);
  return Point{p.x, p.y};
}

void Win32Platform::SetCursorPos(int x, int y) {
  ::SetCursorPos(x, y);
}

int Win32Platform::GetSystemMetrics(int index) {
  return ::GetSystemMetrics(index);
}

std::uint32_t Win32Platform::GetWindowThreadProcessId(WindowHandle window) {
  DWORD processId = 0;
  if (window)
    ::GetWindowThreadProcessId(ToHwnd(window), &processId);
  return processId;
}

ProcessHandle Win32Platform::OpenProcess(std::uint32_t access, bool inherit,
                                         std::uint32_t processId) {
  return ProcessHandle{
      reinterpret_cast<std::uintptr_t>(::OpenProcess(access, inherit ? TRUE : FALSE, processId))};
}

bool Win32Platform::ReadProcessMemory(ProcessHandle process, std::uint32_t address, void* buffer,
                                      std::size_t size) {
  SIZE_T read = 0;
  const BOOL ok = ::ReadProcessMemory(
      ToHandle(process), reinterpret_cast<LPCVOID>(static_cast<std::uintptr_t>(address)), buffer,
      size, &read);
  return ok && read == size;
}

void Win32Platform::CloseHandle(ProcessHandle process) {
  if (process)
    ::CloseHandle(ToHandle(process));
}

}  // namespace velto::host
