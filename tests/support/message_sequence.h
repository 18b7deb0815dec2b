#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "host/substitute_desktop.h"

namespace velto::testing {

// One message expected to reach a window, in a message-sequence table. Text is the
// host's 8-bit bytes (so the table states exactly what the host receives).
struct Expected {
  host::WindowHandle window;
  host::Delivery how = host::Delivery::kSent;
  std::uint32_t message = 0;
  std::uint32_t wParam = 0;
  host::LParamKind lParamKind = host::LParamKind::kValue;
  std::uint32_t lParam = 0;
  std::string textBytes;
  // May be missing from the log (a message the platform sends only sometimes).
  bool optional = false;
  // The platform refused it: window 0, gone, or hung.
  bool rejected = false;
  // Not an entry: every message with this number (to this window, or to any when the
  // window is 0) is left out of the comparison, wherever it comes.
  bool ignored = false;
};

// Any entry; the constructors below name the usual forms.
Expected Entry(host::WindowHandle window, host::Delivery how, std::uint32_t message,
               std::uint32_t wParam, host::LParamKind kind, std::uint32_t lParam,
               std::string textBytes);
// Expected constructors, named for the forms of SendMessageA and PostMessageA.
Expected SentText(host::WindowHandle window, std::uint32_t message, std::string textBytes);
Expected SentValue(host::WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                   std::uint32_t lParam = 0);
Expected SentZeroReference(host::WindowHandle window, std::uint32_t message,
                           std::uint32_t wParam = 0);
Expected SentZeroReference16(host::WindowHandle window, std::uint32_t message,
                             std::uint32_t wParam);
Expected Posted(host::WindowHandle window, std::uint32_t message, std::uint32_t wParam = 0,
                std::uint32_t lParam = 0);
// SendMessageA with a buffer the window fills (WM_GETTEXT, LB_GETTEXT).
Expected SentBuffer(host::WindowHandle window, std::uint32_t message, std::uint32_t wParam);
Expected Optional(Expected entry);
Expected Rejected(Expected entry);
Expected Ignored(std::uint32_t message, host::WindowHandle window = host::kNoWindow);

// Where a table is written, for the report; defaults to the caller's line.
struct Where {
  const char* file;
  int line;
  // As a default argument, names the caller's file and line (GCC and Clang).
  static Where Caller(const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    return {file, line};
  }
};

// Compares the messages in the desktop's log that went to `windows` (all windows when
// empty) with the table; on mismatch, fails the test at `where`, names the first
// differing entry and prints both sequences, windows by class and caption. Clears the
// log afterwards, as each check covers one step.
void ExpectSequence(host::SubstituteDesktop& desktop, const std::vector<Expected>& expected,
                    const std::string& context, const std::vector<host::WindowHandle>& windows = {},
                    Where where = Where::Caller());

// Compares only the messages that acted on the host with the table: the questions
// LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, WM_GETTEXTLENGTH and WM_GETTEXT are left out
// wherever they come. Otherwise as ExpectSequence.
void ExpectActions(host::SubstituteDesktop& desktop, const std::vector<Expected>& expected,
                   const std::string& context, Where where = Where::Caller());

// A click as the library sends it: button down, then up, each with the address of a zero.
std::vector<Expected> Click(host::WindowHandle button);
// A click as the library posts it: button down, then up, plain zeros.
std::vector<Expected> PostedClick(host::WindowHandle button);
// A list entry opened as the library opens one: selected, then Enter posted to the list.
std::vector<Expected> OpenedEntry(host::WindowHandle list, std::uint32_t index);
// The tables one after the other.
std::vector<Expected> Join(std::initializer_list<std::vector<Expected>> parts);

// Printable form of host bytes: ASCII as is, everything else as \xNN.
std::string ShowBytes(const std::string& bytes);

}  // namespace velto::testing
