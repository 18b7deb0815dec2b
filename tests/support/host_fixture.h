#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "host/substitute_desktop.h"
#include "standin/standin_host.h"
#include "standin/substitute/substitute_host_windows.h"
#include "support/outcome_print.h"

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

  // The ways to the host's windows, straight from the desktop's tree, so a test never
  // finds its windows with the code it tests.
  // The n-th (from 1) direct child of the class; 0 when none.
  host::WindowHandle Child(host::WindowHandle parent, std::string_view className, int n = 1) const {
    for (host::WindowHandle child : desktop_.ChildrenOf(parent)) {
      if (desktop_.ClassOf(child) == className && --n == 0)
        return child;
    }
    return host::kNoWindow;
  }
  // The host's child window (of its MDI client) with exactly this caption; 0 when none.
  host::WindowHandle HostChild(std::string_view caption) const {
    for (host::WindowHandle child : desktop_.ChildrenOf(standin_.mdiClient())) {
      if (desktop_.Caption(child) == caption)
        return child;
    }
    return host::kNoWindow;
  }
  host::WindowHandle TopLevel(std::string_view className, std::string_view caption) const {
    for (host::WindowHandle window : desktop_.ChildrenOf(host::kNoWindow)) {
      if (desktop_.ClassOf(window) == className && desktop_.Caption(window) == caption)
        return window;
    }
    return host::kNoWindow;
  }
  // How the routine's call ended, from a call begun afresh.
  template <typename Routine>
  host::Outcome OutcomeOf(Routine routine) {
    desktop_.BeginCall();
    routine();
    return desktop_.LastOutcome();
  }

  host::WindowHandle InnerToolbar() const {
    return Child(Child(standin_.frame(), "AOL Toolbar"), "_AOL_Toolbar");
  }
  // The n-th (from 1) icon of the host's toolbar.
  host::WindowHandle ToolbarIcon(int n) const { return Child(InnerToolbar(), "_AOL_Icon", n); }

  host::SubstituteDesktop desktop_;
  standin::SubstituteHostWindows windows_;
  standin::StandinHost standin_;
};

}  // namespace velto::testing
