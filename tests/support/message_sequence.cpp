#include "support/message_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <sstream>

#include "host/messages.h"

namespace velto::testing {
namespace {

using host::Delivery;
using host::LParamKind;

// A window as "class "caption"", as it was when the log last saw it or as it is now.
std::string ShowWindow(host::SubstituteDesktop& desktop, host::WindowHandle window) {
  char handle[16];
  std::snprintf(handle, sizeof handle, "%#x", window.value());
  if (!window)
    return "window 0";
  if (desktop.Exists(window))
    return desktop.ClassOf(window) + " \"" + ShowBytes(desktop.CaptionBytes(window)) + "\" (" +
           handle + ")";
  for (const host::LoggedMessage& m : desktop.Log()) {
    if (m.window == window && !m.className.empty())
      return m.className + " \"" + ShowBytes(m.captionBytes) + "\" (" + handle + ", gone)";
  }
  return std::string("gone window ") + handle;
}

std::string Describe(const std::string& window, Delivery how, std::uint32_t message,
                     std::uint32_t wParam, LParamKind kind, std::uint32_t lParam,
                     const std::string& text) {
  char head[64];
  std::snprintf(head, sizeof head, ": msg %#x wParam %#x ", message, wParam);
  std::string out = (how == Delivery::kSent ? "sent to " : "posted to ") + window + head;
  switch (kind) {
    case LParamKind::kText:
      out += "text \"" + ShowBytes(text) + "\"";
      break;
    case LParamKind::kValue:
      out += "lParam " + std::to_string(lParam);
      break;
    case LParamKind::kReference32:
      out += "&int32 holding " + std::to_string(lParam);
      break;
    case LParamKind::kReference16:
      out += "&int16 holding " + std::to_string(lParam);
      break;
    case LParamKind::kBuffer:
      out += "buffer of " + std::to_string(wParam);
      break;
  }
  return out;
}

std::string Describe(host::SubstituteDesktop& desktop, const Expected& e) {
  std::string out = Describe(ShowWindow(desktop, e.window), e.how, e.message, e.wParam,
                             e.lParamKind, e.lParam, e.textBytes);
  if (e.rejected)
    out += " (rejected)";
  return e.optional ? out + " (optional)" : out;
}

std::string Describe(host::SubstituteDesktop& desktop, const host::LoggedMessage& m) {
  std::string out =
      Describe(ShowWindow(desktop, m.window), m.how, m.message.message, m.message.wParam,
               m.message.lParamKind, m.message.lParam, m.message.textBytes);
  if (!m.delivered)
    out += " (rejected)";
  return out;
}

bool Matches(const Expected& e, const host::LoggedMessage& m) {
  return e.window == m.window && e.how == m.how && e.message == m.message.message &&
         e.wParam == m.message.wParam && e.lParamKind == m.message.lParamKind &&
         e.lParam == m.message.lParam && e.textBytes == m.message.textBytes &&
         m.delivered != e.rejected;
}

bool IsIgnored(const std::vector<Expected>& table, const host::LoggedMessage& m) {
  return std::any_of(table.begin(), table.end(), [&](const Expected& e) {
    return e.ignored && e.message == m.message.message && (!e.window || e.window == m.window);
  });
}

// The entries of the log the table speaks about.
std::vector<host::LoggedMessage> Relevant(host::SubstituteDesktop& desktop,
                                          const std::vector<Expected>& table,
                                          const std::vector<host::WindowHandle>& windows) {
  std::vector<host::LoggedMessage> actual;
  for (const host::LoggedMessage& m : desktop.Log()) {
    const bool watched =
        windows.empty() || std::find(windows.begin(), windows.end(), m.window) != windows.end();
    if (watched && !IsIgnored(table, m))
      actual.push_back(m);
  }
  return actual;
}

struct Difference {
  std::size_t expected;  // index into the table's entries, or its size
  std::size_t actual;    // index into the log's entries, or its size
};

// Walks both as Wine's ok_sequence does: an optional entry that does not match is
// passed over; anything else that does not match is the first difference.
std::optional<Difference> FirstDifference(const std::vector<Expected>& table,
                                          const std::vector<host::LoggedMessage>& actual) {
  std::size_t i = 0, j = 0;
  while (i < table.size()) {
    if (j < actual.size() && Matches(table[i], actual[j])) {
      ++i, ++j;
    } else if (table[i].optional) {
      ++i;
    } else {
      return Difference{i, j};
    }
  }
  if (j < actual.size())
    return Difference{i, j};
  return std::nullopt;
}

}  // namespace

Expected Entry(host::WindowHandle window, Delivery how, std::uint32_t message, std::uint32_t wParam,
               LParamKind kind, std::uint32_t lParam, std::string textBytes) {
  Expected e{};
  e.window = window;
  e.how = how;
  e.message = message;
  e.wParam = wParam;
  e.lParamKind = kind;
  e.lParam = lParam;
  e.textBytes = std::move(textBytes);
  return e;
}

Expected SentText(host::WindowHandle window, std::uint32_t message, std::string textBytes) {
  return Entry(window, Delivery::kSent, message, 0, LParamKind::kText, 0, std::move(textBytes));
}

Expected SentValue(host::WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                   std::uint32_t lParam) {
  return Entry(window, Delivery::kSent, message, wParam, LParamKind::kValue, lParam, {});
}

Expected SentZeroReference(host::WindowHandle window, std::uint32_t message, std::uint32_t wParam) {
  return Entry(window, Delivery::kSent, message, wParam, LParamKind::kReference32, 0, {});
}

Expected SentZeroReference16(host::WindowHandle window, std::uint32_t message,
                             std::uint32_t wParam) {
  return Entry(window, Delivery::kSent, message, wParam, LParamKind::kReference16, 0, {});
}

Expected Posted(host::WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                std::uint32_t lParam) {
  return Entry(window, Delivery::kPosted, message, wParam, LParamKind::kValue, lParam, {});
}

Expected SentBuffer(host::WindowHandle window, std::uint32_t message, std::uint32_t wParam) {
  return Entry(window, Delivery::kSent, message, wParam, LParamKind::kBuffer, 0, {});
}

Expected Optional(Expected entry) {
  entry.optional = true;
  return entry;
}

Expected Rejected(Expected entry) {
  entry.rejected = true;
  return entry;
}

Expected Ignored(std::uint32_t message, host::WindowHandle window) {
  Expected e = Entry(window, Delivery::kSent, message, 0, LParamKind::kValue, 0, {});
  e.ignored = true;
  return e;
}

void ExpectSequence(host::SubstituteDesktop& desktop, const std::vector<Expected>& expected,
                    const std::string& context, const std::vector<host::WindowHandle>& windows,
                    Where where) {
  std::vector<Expected> table;
  std::copy_if(expected.begin(), expected.end(), std::back_inserter(table),
               [](const Expected& e) { return !e.ignored; });
  const std::vector<host::LoggedMessage> actual = Relevant(desktop, expected, windows);
  if (const std::optional<Difference> d = FirstDifference(table, actual)) {
    std::ostringstream report;
    report << context << ": message sequence differs at expected entry " << d->expected + 1
           << ", logged entry " << d->actual + 1 << "\n  expected: "
           << (d->expected < table.size() ? Describe(desktop, table[d->expected]) : "nothing more")
           << "\n  logged:   "
           << (d->actual < actual.size() ? Describe(desktop, actual[d->actual]) : "nothing more")
           << "\n  the whole table:\n";
    for (const Expected& e : table) report << "    " << Describe(desktop, e) << "\n";
    report << "  the whole log:\n";
    for (const host::LoggedMessage& m : actual) report << "    " << Describe(desktop, m) << "\n";
    ADD_FAILURE_AT(where.file, where.line) << report.str();
  }
  desktop.ClearLog();
}

void ExpectActions(host::SubstituteDesktop& desktop, const std::vector<Expected>& expected,
                   const std::string& context, Where where) {
  std::vector<Expected> table = expected;
  for (std::uint32_t question :
       {LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, WM_GETTEXTLENGTH, WM_GETTEXT})
    table.push_back(Ignored(question));
  ExpectSequence(desktop, table, context, {}, where);
}

std::vector<Expected> Click(host::WindowHandle button) {
  return {SentZeroReference(button, WM_LBUTTONDOWN), SentZeroReference(button, WM_LBUTTONUP)};
}

std::vector<Expected> PostedClick(host::WindowHandle button) {
  return {Posted(button, WM_LBUTTONDOWN), Posted(button, WM_LBUTTONUP)};
}

std::vector<Expected> OpenedEntry(host::WindowHandle list, std::uint32_t index) {
  return {SentValue(list, LB_SETCURSEL, index), Posted(list, WM_KEYDOWN, VK_RETURN),
          Posted(list, WM_KEYUP, VK_RETURN)};
}

std::vector<Expected> Join(std::initializer_list<std::vector<Expected>> parts) {
  std::vector<Expected> joined;
  for (const std::vector<Expected>& part : parts)
    joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

std::string ShowBytes(const std::string& bytes) {
  std::string out;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      out.push_back(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      out += escaped;
    }
  }
  return out;
}

}  // namespace velto::testing
