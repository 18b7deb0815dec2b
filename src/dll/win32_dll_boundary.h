#pragma once

#include <cstdio>
#include <optional>

#include "dll/dll_boundary.h"
#include "host/tracing_platform.h"
#include "host/win32_platform.h"
#include "library/files/win32_file_services.h"
#include "library/windows/win32_own_controls.h"

// The boundary's Win32 half: what an export runs against, and the caller's window
// handles read as the library's windows and controls.
namespace velto::dll {

// The file the calling thread's calls are traced to (velto_TraceTo); null when none.
std::FILE* TraceFile();
void SetTraceFile(std::FILE* file);

// Made afresh for every call: the host routines keep no state between calls. When the
// thread traces its calls, the routine runs on the tracing platform, over the real one.
class Session {
  // First, as `platform` below refers to one of them.
  host::Win32Platform win32_;
  std::optional<host::TracingPlatform> tracing_;

 public:
  Session();
  host::Platform& platform;
  library::Win32FileServices files;

  // How the call went: the file services' word where they had one, else the host's.
  host::Outcome Outcome() const;
  // Keeps the call's outcome for velto_LastOutcome, and ends the call's trace with it.
  void KeepCallOutcome();

 private:
  host::Platform& TracedOrPlain();
};

// Runs `body` on the session and keeps the call's outcome; gives what `body` gives.
template <typename Body>
auto RunKept(Session& session, Body& body) {
  if constexpr (std::is_void_v<decltype(body(session))>) {
    body(session);
    session.KeepCallOutcome();
  } else {
    auto result = body(session);
    session.KeepCallOutcome();
    return result;
  }
}

// A handle that names a window now; any other is a bad argument.
host::WindowHandle Window(VELTO_WINDOW window);
// The caller's LISTBOX or COMBOBOX (by its class), EDIT, or any window as a form.
library::Win32ListControl ListOf(VELTO_WINDOW list);
library::Win32TextBox TextBoxOf(VELTO_WINDOW edit);
library::Win32FormControl FormOf(VELTO_WINDOW form);
// A window found by a routine as the caller's handle; 0 for none.
VELTO_WINDOW Handle(host::WindowHandle window);

template <typename Body>
int OnHost(Body body) noexcept {
  return Call([&] {
    Session session;
    return RunKept(session, body);
  });
}

// For the routines that find a window: 0 also when the search could not run.
template <typename Body>
VELTO_WINDOW FindOnHost(Body body) noexcept {
  KeepOutcome(host::Outcome::kDone);
  try {
    Session session;
    return Handle(RunKept(session, body));
  } catch (const BadArgument&) {
    KeepOutcome(host::Outcome::kBadArgument);
  } catch (...) {
    KeepOutcome(host::Outcome::kFailed);
  }
  return 0;
}

// An export's argument as the library takes it: a text converted (a bad one throws, inside
// the call), a number as it is.
inline std::string Argument(const VELTO_CHAR* text) {
  return Text(text);
}
inline int Argument(int number) {
  return number;
}

// Most exports: a routine of the library run on the host with the caller's texts and
// numbers.
template <typename Routine, typename... Arguments>
int RunOnHost(Routine routine, Arguments... arguments) noexcept {
  return OnHost(
      [&](Session& session) { return routine(session.platform, Argument(arguments)...); });
}
// ... for a routine whose int is a flag (kTrue or kFalse).
template <typename Routine, typename... Arguments>
int FlagOnHost(Routine routine, Arguments... arguments) noexcept {
  return OnHost(
      [&](Session& session) { return AsFlag(routine(session.platform, Argument(arguments)...)); });
}
template <typename Routine>
VELTO_WINDOW FindOnHostWith(Routine routine) noexcept {
  return FindOnHost([&](Session& session) { return routine(session.platform); });
}

// ---- The exports the build writes from velto.h: their Win32 half ----

// A window handle as the caller gave it, read as whatever the routine's parameter is: a
// host window, or the caller's own list, text box or form.
struct CallerWindow {
  VELTO_WINDOW handle;
};
class WindowArgument {
 public:
  explicit WindowArgument(VELTO_WINDOW handle) : handle_(handle) {}
  operator host::WindowHandle() const { return Window(handle_); }
  operator library::ListControl&() { return list_.emplace(ListOf(handle_)); }
  operator library::TextBoxControl&() { return textBox_.emplace(TextBoxOf(handle_)); }
  operator library::FormControl&() { return form_.emplace(FormOf(handle_)); }

 private:
  VELTO_WINDOW handle_;
  std::optional<library::Win32ListControl> list_;
  std::optional<library::Win32TextBox> textBox_;
  std::optional<library::Win32FormControl> form_;
};
inline WindowArgument Hold(CallerWindow window) {
  return WindowArgument(window.handle);
}
inline WindowArgument& Pass(WindowArgument& window) {
  return window;
}

// The routine with what it needs of the session put before the caller's arguments, by
// the routine's own leading parameters: the host, the file services, or both.
template <typename Result, typename... Rest>
auto OnSession(Result (*routine)(Rest...), Session&) {
  return routine;
}
template <typename Result, typename... Rest>
auto OnSession(Result (*routine)(host::Platform&, Rest...), Session& session) {
  return [routine, &session](Rest... rest) { return routine(session.platform, rest...); };
}
template <typename Result, typename... Rest>
auto OnSession(Result (*routine)(library::FileServices&, Rest...), Session& session) {
  return [routine, &session](Rest... rest) { return routine(session.files, rest...); };
}
template <typename Result, typename... Rest>
auto OnSession(Result (*routine)(library::FileServices&, host::Platform&, Rest...),
               Session& session) {
  return [routine, &session](Rest... rest) {
    return routine(session.files, session.platform, rest...);
  };
}

// The exports of the routines that run on the host or on the caller's windows.
template <typename Routine, typename... Arguments>
int ExportOnHost(Routine routine, Arguments... arguments) noexcept {
  return OnHost(
      [&](Session& session) { return RunHeld(OnSession(routine, session), arguments...); });
}
template <typename Routine, typename... Arguments>
int ExportTextOnHost(ResultText result, Routine routine, Arguments... arguments) noexcept {
  return OnHost([&](Session& session) {
    return RunHeldForText(result, OnSession(routine, session), arguments...);
  });
}
template <typename Routine>
VELTO_WINDOW ExportFinder(Routine routine) noexcept {
  return FindOnHost([&](Session& session) { return OnSession(routine, session)(); });
}

}  // namespace velto::dll
