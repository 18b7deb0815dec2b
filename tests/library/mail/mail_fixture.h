#pragma once

#include <string>
#include <vector>

#include "support/host_fixture.h"
#include "support/message_sequence.h"
#include "support/own_controls.h"

namespace velto::testing {

// The stand-in host with its mail and account windows.
class MailTest : public HostTest {
 protected:
  // The n-th (from 1) child of the class, straight from the desktop's tree.
  host::WindowHandle Child(host::WindowHandle parent, std::string_view className, int n = 1) const;
  host::WindowHandle HostChild(std::string_view caption) const;
  host::WindowHandle TopLevel(std::string_view className, std::string_view caption) const;
  host::WindowHandle ToolbarIcon(int n) const;

  // Lets the host act on what it was sent.
  void LetHostAct() { desktop_.RunFor(1.0); }

  standin::StandinMail& mail_ = standin_.mail();
  standin::StandinAccounts& accounts_ = standin_.accounts();
};

// Compares the messages that acted on the host (everything but the questions LB_GETCOUNT,
// LB_GETTEXTLEN, LB_GETTEXT, WM_GETTEXTLENGTH and WM_GETTEXT) with the table, as
// ExpectSequence does, and clears the log.
void ExpectActions(host::SubstituteDesktop& desktop, const std::vector<Expected>& expected,
                   const std::string& context);

// A click as the library sends it: button down, then up, each with the address of a zero.
std::vector<Expected> Click(host::WindowHandle button);
// A click as the library posts it: button down, then up, plain zeros.
std::vector<Expected> PostedClick(host::WindowHandle button);
std::vector<Expected> Join(std::initializer_list<std::vector<Expected>> parts);

}  // namespace velto::testing
