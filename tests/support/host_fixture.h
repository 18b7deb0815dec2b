#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "host/substitute_desktop.h"
#include "standin/standin_host.h"
#include "standin/substitute/substitute_host_windows.h"

namespace velto::testing {

// A substitute desktop with the stand-in host running on it.
class HostTest : public ::testing::Test {
 protected:
  explicit HostTest(standin::StandinOptions options = {})
      : windows_(desktop_), standin_(windows_, std::move(options)) {
    desktop_.ClearLog();
  }

  // The chat room's input: its second "RICHCNTL" child.
  host::WindowHandle ChatInput(host::WindowHandle room) const {
    return desktop_.ChildrenOf(room).at(1);
  }

  host::SubstituteDesktop desktop_;
  standin::SubstituteHostWindows windows_;
  standin::StandinHost standin_;
};

}  // namespace velto::testing
