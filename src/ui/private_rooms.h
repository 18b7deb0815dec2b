#pragma once

#include <string_view>
#include <vector>

#include "host/platform.h"
#include "ui/toolkit.h"

namespace velto::ui {

// A room label of the private-rooms window and the private room it enters: the keyword
// sent is the room link followed by the name. The room names are the host's own and do
// not follow the captions' capitals.
struct RoomLabel {
  std::string_view label;
  std::string_view room;
};

const std::vector<RoomLabel>& RoomLabels();

void OpenPrivateRooms(Toolkit& toolkit);  // "  Privite rooms" on the main window
void EnterRoom(host::Platform& platform, const RoomLabel& room);
void LeavePrivateRooms(Toolkit& toolkit);  // "   Exit"

}  // namespace velto::ui
