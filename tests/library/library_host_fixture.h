#pragma once

#include <string>
#include <vector>

#include "host/messages.h"
#include "support/host_fixture.h"
#include "support/message_sequence.h"
#include "support/own_controls.h"

namespace velto::testing {

// The names every library test speaks of: the handles, what the host received, and the
// routines under test.
using host::kNoWindow;
using host::WindowHandle;
using standin::Received;
using namespace library;

// The substitute desktop with the stand-in host, as the library's tests share it.
class LibraryHostTest : public HostTest {
 protected:
  host::WindowHandle PeopleList() const { return Child(standin_.chatRoom(), "_AOL_Listbox"); }
  // The kinds and texts of what the host received since the last call.
  std::vector<std::string> Fresh(standin::Received::Kind kind) {
    std::vector<std::string> texts;
    for (std::size_t i = seen_; i < standin_.received().size(); ++i) {
      if (standin_.received()[i].kind == kind)
        texts.push_back(standin_.received()[i].bytes);
    }
    seen_ = standin_.received().size();
    return texts;
  }

  std::size_t seen_ = 0;
};

}  // namespace velto::testing
