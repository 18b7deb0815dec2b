#pragma once

#include <functional>
#include <string>
#include <vector>

#include "standin/host_windows.h"

namespace velto::standin {

// The host frame's menu bar and the popup menu of the toolbar's mail icon. A command
// run from either is heard by `ran` with the entry's text.
class StandinMenus {
 public:
  // The delay with which the popup menu opens after the icon's click.
  static constexpr double kPopupMenuOpenSeconds = 0.1;

  StandinMenus(HostWindows& windows, std::function<void(const std::string& entryUtf8)> ran);

  static const std::vector<MenuEntry>& MenuBar();
  static const std::vector<MenuEntry>& ToolbarMenu();

  void AttachMenuBar(WindowHandle frame);
  // The reaction of the toolbar icon whose popup menu this is.
  void OnToolbarMenuIcon(WindowHandle icon, const HostMessage& message);
  // The frame's reaction: WM_COMMAND runs the menu-bar entry of that command.
  void OnFrameMessage(const HostMessage& message);

 private:
  void RunCommand(std::uint32_t command);

  HostWindows& windows_;
  std::function<void(const std::string&)> ran_;
};

}  // namespace velto::standin
