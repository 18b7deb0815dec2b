#include "standin/win32/win32_host_windows.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

#include "host/host_text.h"
#include "host/win32_handles.h"
#include "host/host_names.h"
#include "host/window_search.h"
#include "standin/win32/win32_host_classes.h"
#include "standin/win32/win32_host_layout.h"

namespace velto::standin {

using host::FromHwnd;
using host::ToHwnd;
namespace {

constexpr char kEventsClass[] = "VeltoStandinEvents";
constexpr UINT kShowMessageBoxMessage = WM_APP + 1;
constexpr UINT kShowPopupMenuMessage = WM_APP + 2;

HINSTANCE Module() {
  return ::GetModuleHandleA(nullptr);
}

}  // namespace

// The message-only window that runs timers and posted work on the host's thread.
struct Win32HostEvents {
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* owner = reinterpret_cast<Win32HostWindows*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (owner && message == WM_TIMER) {
      owner->RunAction(wParam);
      return 0;
    }
    if (owner && message == kShowMessageBoxMessage) {
      owner->ShowPendingBox(wParam);
      return 0;
    }
    if (owner && message == kShowPopupMenuMessage) {
      owner->ShowPendingMenu(wParam);
      return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
  }
};

Win32HostWindows::Win32HostWindows() {
  static const bool registered = (RegisterHostClasses(), true);
  (void)registered;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Win32HostEvents::Proc;
  wc.hInstance = Module();
  wc.lpszClassName = kEventsClass;
  ::RegisterClassExA(&wc);
  HWND events = ::CreateWindowExA(0, kEventsClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  Module(), nullptr);
  ::SetWindowLongPtrA(events, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  events_ = FromHwnd(events);
}

Win32HostWindows::~Win32HostWindows() {
  for (WindowHandle window : topLevel_) Destroy(window);
  ::DestroyWindow(ToHwnd(events_));
}

WindowHandle Win32HostWindows::Create(WindowHandle parent, std::string_view className,
                                      std::string_view captionUtf8, Reaction reaction) {
  HWND parentHwnd = ToHwnd(parent);
  const int controlId = static_cast<int>(nextId_++);
  HWND hwnd = CreateHostWindow(parentHwnd, className, host::ToHostBytes(captionUtf8),
                               std::move(reaction), controlId);
  if (!hwnd)
    return host::kNoWindow;
  if (parentHwnd) {
    LayOutHostWindow(parentHwnd);
  } else {
    topLevel_.push_back(FromHwnd(hwnd));
  }
  return FromHwnd(hwnd);
}

void Win32HostWindows::Destroy(WindowHandle window) {
  HWND hwnd = ToHwnd(window);
  if (!window || !::IsWindow(hwnd))
    return;
  HWND parent = ::GetParent(hwnd);
  // An MDI child leaves through its MDI client, which keeps its own list of children.
  if (parent && IsMdiClient(parent)) {
    ::SendMessageA(parent, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
  } else {
    ::DestroyWindow(hwnd);
  }
}

bool Win32HostWindows::Exists(WindowHandle window) {
  return window && ::IsWindow(ToHwnd(window)) != FALSE;
}

std::string Win32HostWindows::TextBytes(WindowHandle window) {
  if (!Exists(window))
    return {};
  HWND hwnd = ToHwnd(window);
  std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(hwnd)) + 1, '\0');
  const int copied = ::GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

void Win32HostWindows::SetTextBytes(WindowHandle window, const std::string& bytes) {
  if (Exists(window))
    ::SetWindowTextA(ToHwnd(window), bytes.c_str());
}

void Win32HostWindows::Later(double seconds, std::function<void()> action) {
  const std::uintptr_t id = nextId_++;
  actions_[id] = std::move(action);
  const double milliseconds = std::ceil(std::max(0.0, seconds) * 1000.0);
  ::SetTimer(ToHwnd(events_), id,
             std::max<UINT>(USER_TIMER_MINIMUM, static_cast<UINT>(milliseconds)), nullptr);
}

void Win32HostWindows::Hang(double seconds) {
  ::Sleep(static_cast<DWORD>(std::ceil(std::max(0.0, seconds) * 1000.0)));
}

void Win32HostWindows::SetAnswerDelay(double seconds) {
  SetHostAnswerDelay(static_cast<unsigned>(std::ceil(std::max(0.0, seconds) * 1000.0)));
}

void Win32HostWindows::Quit(WindowHandle) {
  ::ExitProcess(0);
}

double Win32HostWindows::Now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void Win32HostWindows::ShowMessageBox(WindowHandle owner, const std::string& textUtf8,
                                      std::function<void()> closed) {
  const std::uintptr_t id = nextId_++;
  boxes_[id] = PendingBox{owner, host::ToHostBytes(textUtf8), MB_OK, [closed](bool) {
                            if (closed)
                              closed();
                          }};
  ::PostMessageA(ToHwnd(events_), kShowMessageBoxMessage, id, 0);
}

void Win32HostWindows::ShowQuestion(WindowHandle owner, const std::string& textUtf8,
                                    std::function<void(bool yes)> answered) {
  const std::uintptr_t id = nextId_++;
  boxes_[id] = PendingBox{owner, host::ToHostBytes(textUtf8), MB_YESNO, std::move(answered)};
  ::PostMessageA(ToHwnd(events_), kShowMessageBoxMessage, id, 0);
}

void Win32HostWindows::ShowPopupMenu(WindowHandle owner, const std::vector<MenuEntry>& entries,
                                     std::function<void(std::uint32_t command)> chosen) {
  const std::uintptr_t id = nextId_++;
  menus_[id] = PendingMenu{owner, entries, std::move(chosen)};
  ::PostMessageA(ToHwnd(events_), kShowPopupMenuMessage, id, 0);
}

void Win32HostWindows::RunAction(std::uintptr_t id) {
  ::KillTimer(ToHwnd(events_), id);
  auto pending = actions_.extract(id);
  if (pending)
    pending.mapped()();
}

void Win32HostWindows::ShowPendingBox(std::uintptr_t id) {
  auto pending = boxes_.extract(id);
  if (!pending)
    return;
  PendingBox& box = pending.mapped();
  // Modal: the box runs its own message loop, in which the host's other windows and
  // timers go on working, until its button is pressed.
  HWND owner = Exists(box.owner) ? ToHwnd(box.owner) : nullptr;
  const std::string caption(host::host_caption::kHostMessageBox);
  const int pressed = ::MessageBoxA(owner, box.textBytes.c_str(), caption.c_str(), box.buttons);
  if (box.closed)
    box.closed(pressed != IDNO);
}

}  // namespace velto::standin
