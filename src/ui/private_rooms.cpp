#include "ui/private_rooms.h"

#include <string>

#include "host/host_routines.h"
#include "idler/chat_lines.h"

namespace velto::ui {

const std::vector<RoomLabel>& RoomLabels() {
  static const std::vector<RoomLabel> rooms = {
      {"Label1", "Mp3"},   {"Label2", "icp"}, {"Label3", "vb4"},    {"Label4", "vb"},
      {"Label5", "progz"}, {"Label6", "vb6"}, {"Label7", "phishy"}, {"Label8", "vb4"},
  };
  return rooms;
}

void OpenPrivateRooms(Toolkit& toolkit) {
  toolkit.Hide(FormId::kForm2);
  toolkit.Show(FormId::kForm3);
}

void EnterRoom(host::Platform& platform, const RoomLabel& room) {
  host::OpenKeyword(platform, std::string(idler::lines::kRoomLink) + std::string(room.room));
}

void LeavePrivateRooms(Toolkit& toolkit) {
  toolkit.Hide(FormId::kForm3);
  toolkit.Show(FormId::kForm2);
}

}  // namespace velto::ui
