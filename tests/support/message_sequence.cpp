#include "support/message_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace velto::testing {
namespace {

using host::Delivery;
using host::LParamKind;

std::string Describe(host::WindowHandle window, Delivery how, std::uint32_t message,
                     std::uint32_t wParam, LParamKind kind, std::uint32_t lParam,
                     const std::string& text) {
  char head[96];
  std::snprintf(head, sizeof head, "%s to %#x: msg %#x wParam %#x ",
                how == Delivery::kSent ? "sent" : "posted", window.value(), message, wParam);
  std::string out = head;
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

std::string Describe(const Expected& e) {
  return Describe(e.window, e.how, e.message, e.wParam, e.lParamKind, e.lParam, e.textBytes);
}

std::string Describe(const host::LoggedMessage& m) {
  std::string out = Describe(m.window, m.how, m.message.message, m.message.wParam,
                             m.message.lParamKind, m.message.lParam, m.message.textBytes);
  if (!m.delivered)
    out += " (rejected)";
  return out;
}

bool Matches(const Expected& e, const host::LoggedMessage& m) {
  return e.window == m.window && e.how == m.how && e.message == m.message.message &&
         e.wParam == m.message.wParam && e.lParamKind == m.message.lParamKind &&
         e.lParam == m.message.lParam && e.textBytes == m.message.textBytes && m.delivered;
}

}  // namespace

Expected SentText(host::WindowHandle window, std::uint32_t message, std::string textBytes) {
  return Expected{window, Delivery::kSent, message, 0, LParamKind::kText, 0, std::move(textBytes)};
}

Expected SentValue(host::WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                   std::uint32_t lParam) {
  return Expected{window, Delivery::kSent, message, wParam, LParamKind::kValue, lParam, {}};
}

Expected SentZeroReference(host::WindowHandle window, std::uint32_t message, std::uint32_t wParam) {
  return Expected{window, Delivery::kSent, message, wParam, LParamKind::kReference32, 0, {}};
}

Expected SentZeroReference16(host::WindowHandle window, std::uint32_t message,
                             std::uint32_t wParam) {
  return Expected{window, Delivery::kSent, message, wParam, LParamKind::kReference16, 0, {}};
}

Expected Posted(host::WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                std::uint32_t lParam) {
  return Expected{window, Delivery::kPosted, message, wParam, LParamKind::kValue, lParam, {}};
}

void ExpectSequence(host::SubstituteDesktop& desktop, const std::vector<Expected>& expected,
                    const std::string& context, const std::vector<host::WindowHandle>& windows) {
  std::vector<host::LoggedMessage> actual;
  for (const host::LoggedMessage& m : desktop.Log()) {
    if (windows.empty() || std::find(windows.begin(), windows.end(), m.window) != windows.end()) {
      actual.push_back(m);
    }
  }
  bool same = actual.size() == expected.size();
  for (std::size_t i = 0; same && i < actual.size(); ++i) same = Matches(expected[i], actual[i]);
  if (!same) {
    std::ostringstream report;
    report << context << ": message sequence differs\n  expected:\n";
    for (const Expected& e : expected) report << "    " << Describe(e) << "\n";
    report << "  actual:\n";
    for (const host::LoggedMessage& m : actual) report << "    " << Describe(m) << "\n";
    ADD_FAILURE() << report.str();
  }
  desktop.ClearLog();
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
