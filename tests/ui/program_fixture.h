#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/substitute_desktop.h"
#include "idler/pinned_lines.h"
#include "standin/standin_host.h"
#include "standin/substitute/substitute_host_windows.h"
#include "ui/control_names.h"
#include "ui/headless_toolkit.h"
#include "ui/program.h"

namespace velto::testing {

using ui::FormId;
namespace main_window = ui::main_window;
namespace handle_prompt = ui::handle_prompt;
namespace private_rooms_window = ui::private_rooms_window;

// The whole program on the substitute desktop, beside the stand-in host, on the
// virtual clock: a test plays the user.
class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest()
      : windows_(desktop_), host_(windows_, {}), toolkit_(desktop_), program_(desktop_, toolkit_) {}

  // Start-up up to the main window, with the given handle.
  void StartWithHandle(const std::string& handle) {
    program_.Start();
    toolkit_.Type(FormId::kForm1, handle_prompt::kHandle, handle);
    ASSERT_TRUE(toolkit_.Click(FormId::kForm1, handle_prompt::kEnter));
  }
  // Past start-up, with nothing received yet.
  void StartAndForgetAnnouncements() {
    StartWithHandle("me");
    desktop_.RunFor(1);
    seen_ = host_.received().size();
  }

  // The chat room's input: its second "RICHCNTL" child.
  host::WindowHandle ChatInput() const { return desktop_.ChildrenOf(host_.chatRoom()).at(1); }
  bool Click(FormId form, std::string_view label) { return toolkit_.Click(form, label); }
  void Wait(double seconds) { desktop_.RunFor(seconds); }
  // Start clicked, then `label` clicked in the pause between the first minute's banner
  // and its idle line; the lines of both are left for NewChatLines.
  void ClickDuringTheFirstTicksPause(std::string_view label) {
    Click(FormId::kForm2, main_window::kStart);
    NewlyReceived();
    desktop_.Schedule(60.1, [this, label] { Click(FormId::kForm2, label); });
    Wait(200);
  }

  // What the host received since the last call, as the host's bytes.
  std::vector<standin::Received> NewlyReceived() {
    std::vector<standin::Received> fresh(host_.received().begin() + static_cast<long>(seen_),
                                         host_.received().end());
    seen_ = host_.received().size();
    return fresh;
  }
  std::vector<std::string> NewChatLines() {
    std::vector<std::string> lines;
    for (const auto& r : NewlyReceived()) {
      if (r.kind == standin::Received::Kind::kChatLine)
        lines.push_back(r.bytes);
    }
    return lines;
  }
  // The idle line as the host receives it; the reason in the host's bytes.
  static std::string Idle(const std::string& counter,
                          const std::string& reasonBytes = "Reason???") {
    return pinned::IdleLine(counter, reasonBytes);
  }

  host::SubstituteDesktop desktop_;
  standin::SubstituteHostWindows windows_;
  standin::StandinHost host_;
  ui::HeadlessToolkit toolkit_;
  ui::Program program_;
  std::size_t seen_ = 0;
};

}  // namespace velto::testing
