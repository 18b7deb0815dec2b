#include <windows.h>

#include "dll/win32_dll_boundary.h"
#include "host/win32_handles.h"

namespace velto::dll {
namespace {

// Longer than any class name the checks compare.
constexpr int kClassNameSize = 32;

HWND ToHwnd(VELTO_WINDOW window) {
  return reinterpret_cast<HWND>(window);
}

bool HasClass(VELTO_WINDOW window, const wchar_t* className) {
  wchar_t name[kClassNameSize] = {};
  return ::GetClassNameW(ToHwnd(window), name, kClassNameSize) > 0 &&
         ::lstrcmpiW(name, className) == 0;
}

}  // namespace

host::WindowHandle Window(VELTO_WINDOW window) {
  if (window == 0 || !::IsWindow(ToHwnd(window)))
    throw BadArgument{};
  return host::FromHwnd(ToHwnd(window));
}

library::Win32ListControl ListOf(VELTO_WINDOW list) {
  const host::WindowHandle handle = Window(list);
  if (HasClass(list, L"ListBox"))
    return library::Win32ListBox(handle);
  if (HasClass(list, L"ComboBox"))
    return library::Win32ComboBox(handle);
  throw BadArgument{};
}

library::Win32TextBox TextBoxOf(VELTO_WINDOW edit) {
  const host::WindowHandle handle = Window(edit);
  if (!HasClass(edit, L"Edit"))
    throw BadArgument{};
  return library::Win32TextBox(handle);
}

library::Win32FormControl FormOf(VELTO_WINDOW form) {
  return library::Win32FormControl(Window(form));
}

Session::Session() : platform(TracedOrPlain()) {}

host::Platform& Session::TracedOrPlain() {
  std::FILE* trace = TraceFile();
  if (!trace)
    return win32_;
  tracing_.emplace(win32_, [trace](const std::string& line) {
    std::fputs(line.c_str(), trace);
    std::fputc('\n', trace);
    std::fflush(trace);
  });
  return *tracing_;
}

host::Outcome Session::Outcome() const {
  return files.LastOutcomeWith(platform.LastOutcome());
}

void Session::KeepCallOutcome() {
  const host::Outcome outcome = Outcome();
  KeepOutcome(outcome);
  if (tracing_)
    tracing_->Tell("outcome " + std::string(host::OutcomeName(outcome)));
}

VELTO_WINDOW Handle(host::WindowHandle window) {
  return reinterpret_cast<VELTO_WINDOW>(host::ToHwnd(window));
}

}  // namespace velto::dll
