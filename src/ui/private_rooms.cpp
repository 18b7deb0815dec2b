#include "ui/private_rooms.h"

#include <string>

#include "host/host_routines.h"

namespace velto::ui {

const std::vector<RoomLabel>& RoomLabels() {
  static const std::vector<RoomLabel> rooms = {
      {"Label1", "aol://2719:2-2-Mp3"},    {"Label2", "aol://2719:2-2-icp"},
      {"Label3", "aol://2719:2-2-vb4"},    {"Label4", "aol://2719:2-2-vb"},
      {"Label5", "aol://2719:2-2-progz"},  {"Label6", "aol://2719:2-2-vb6"},
      {"Label7", "aol://2719:2-2-phishy"}, {"Label8", "aol://2719:2-2-vb4"},
  };
  return rooms;
}

void OpenPrivateRooms(Toolkit& toolkit) {
  toolkit.Hide(FormId::kForm2);
  toolkit.Show(FormId::kForm3);
}

void EnterRoom(host::Platform& platform, const RoomLabel& room) {
  host::OpenKeyword(platform, std::string(room.keyword));
}

void LeavePrivateRooms(Toolkit& toolkit) {
  toolkit.Hide(FormId::kForm3);
  toolkit.Show(FormId::kForm2);
}

}  // namespace velto::ui
