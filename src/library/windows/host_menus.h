#pragma once

#include <string>

#include "host/platform.h"

// Running the host's menu-bar entries and its toolbar's popup menu.
namespace velto::library {

void RunHostMenuItem(host::Platform& platform, int menuPosition, int itemPosition);
// Runs the first menu-bar entry whose text contains `text`, ignoring case.
void RunHostMenuText(host::Platform& platform, const std::string& text);
void ToolbarMenuDown4(host::Platform& platform);
void ToolbarMenuDown5(host::Platform& platform);
void ToolbarMenuDown2(host::Platform& platform);
void ToolbarMenuUpRight(host::Platform& platform);

}  // namespace velto::library
