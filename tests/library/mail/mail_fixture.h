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
  // Lets the host act on what it was sent.
  void LetHostAct() { desktop_.RunFor(1.0); }

  standin::StandinMail& mail_ = standin_.mail();
  standin::StandinAccounts& accounts_ = standin_.accounts();
};

}  // namespace velto::testing
