#pragma once

#include "dll/dll_boundary.h"
#include "host/win32_platform.h"
#include "library/files/win32_file_services.h"
#include "library/windows/win32_own_controls.h"

// The boundary's Win32 half: what an export runs against, and the caller's window
// handles read as the library's windows and controls.
namespace velto::dll {

// Made afresh for every call: the host routines keep no state between calls.
struct Session {
  host::Win32Platform platform;
  library::Win32FileServices files;
};

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
    return body(session);
  });
}

// For the routines that find a window: 0 also when the search could not run.
template <typename Body>
VELTO_WINDOW FindOnHost(Body body) noexcept {
  try {
    Session session;
    return Handle(body(session));
  } catch (...) {
    return 0;
  }
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
template <typename Routine>
VELTO_WINDOW FindOnHostWith(Routine routine) noexcept {
  return FindOnHost([&](Session& session) { return routine(session.platform); });
}

}  // namespace velto::dll
