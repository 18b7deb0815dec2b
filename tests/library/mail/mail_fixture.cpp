#include "mail_fixture.h"

#include <gtest/gtest.h>

#include "host/messages.h"

namespace velto::testing {
namespace {

bool IsQuestion(std::uint32_t message) {
  return message == LB_GETCOUNT || message == LB_GETTEXTLEN || message == LB_GETTEXT ||
         message == WM_GETTEXTLENGTH || message == WM_GETTEXT;
}

std::string Describe(const host::LoggedMessage& m) {
  std::string out =
      (m.how == host::Delivery::kSent ? "sent to " : "posted to ") +
      std::to_string(m.window.value()) + ": msg " + std::to_string(m.message.message) + " wParam " +
      std::to_string(m.message.wParam) + " lParam " + std::to_string(m.message.lParam) + " \"" +
      ShowBytes(m.message.textBytes) + "\"";
  return m.delivered ? out : out + " (rejected)";
}

std::string Describe(const Expected& e) {
  return (e.how == host::Delivery::kSent ? "sent to " : "posted to ") +
         std::to_string(e.window.value()) + ": msg " + std::to_string(e.message) + " wParam " +
         std::to_string(e.wParam) + " lParam " + std::to_string(e.lParam) + " \"" +
         ShowBytes(e.textBytes) + "\"";
}

bool Matches(const Expected& e, const host::LoggedMessage& m) {
  return e.window == m.window && e.how == m.how && e.message == m.message.message &&
         e.wParam == m.message.wParam && e.lParamKind == m.message.lParamKind &&
         e.lParam == m.message.lParam && e.textBytes == m.message.textBytes && m.delivered;
}

}  // namespace

host::WindowHandle MailTest::Child(host::WindowHandle parent, std::string_view className,
                                   int n) const {
  for (host::WindowHandle child : desktop_.ChildrenOf(parent)) {
    if (desktop_.ClassOf(child) == className && --n == 0)
      return child;
  }
  return host::kNoWindow;
}

host::WindowHandle MailTest::HostChild(std::string_view caption) const {
  for (host::WindowHandle child : desktop_.ChildrenOf(standin_.mdiClient())) {
    if (desktop_.Caption(child) == caption)
      return child;
  }
  return host::kNoWindow;
}

host::WindowHandle MailTest::TopLevel(std::string_view className, std::string_view caption) const {
  for (host::WindowHandle window : desktop_.ChildrenOf(host::kNoWindow)) {
    if (desktop_.ClassOf(window) == className && desktop_.Caption(window) == caption)
      return window;
  }
  return host::kNoWindow;
}

host::WindowHandle MailTest::ToolbarIcon(int n) const {
  const host::WindowHandle toolbar = Child(standin_.frame(), "AOL Toolbar");
  return Child(Child(toolbar, "_AOL_Toolbar"), "_AOL_Icon", n);
}

void ExpectActions(host::SubstituteDesktop& desktop, const std::vector<Expected>& expected,
                   const std::string& context) {
  std::vector<host::LoggedMessage> actual;
  for (const host::LoggedMessage& m : desktop.Log()) {
    if (!IsQuestion(m.message.message))
      actual.push_back(m);
  }
  bool same = actual.size() == expected.size();
  for (std::size_t i = 0; same && i < actual.size(); ++i) same = Matches(expected[i], actual[i]);
  if (!same) {
    std::string report = context + ": actions differ\n  expected:\n";
    for (const Expected& e : expected) report += "    " + Describe(e) + "\n";
    report += "  actual:\n";
    for (const host::LoggedMessage& m : actual) report += "    " + Describe(m) + "\n";
    ADD_FAILURE() << report;
  }
  desktop.ClearLog();
}

std::vector<Expected> Click(host::WindowHandle button) {
  return {SentZeroReference(button, WM_LBUTTONDOWN), SentZeroReference(button, WM_LBUTTONUP)};
}

std::vector<Expected> PostedClick(host::WindowHandle button) {
  return {Posted(button, WM_LBUTTONDOWN), Posted(button, WM_LBUTTONUP)};
}

std::vector<Expected> Join(std::initializer_list<std::vector<Expected>> parts) {
  std::vector<Expected> joined;
  for (const std::vector<Expected>& part : parts)
    joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

}  // namespace velto::testing
