#pragma once

#include <set>
#include <string>
#include <vector>

#include "standin/host_windows.h"

namespace velto::standin {

// The people in the stand-in host's chat room: the room's people list, whose entries
// lead through the host's memory to each name, the person window a double click on a
// name opens, and the host's answer to "is this member online?".
//
// The memory layout of an entry, as the host keeps it: the list item's data is the
// address of an entry block; the 32-bit value 24 bytes into that block is the address
// of a record; the name starts 6 bytes into the record, 8-bit characters ended by a NUL.
class StandinPeople {
 public:
  static constexpr std::uint32_t kRecordAddressOffset = 24;
  static constexpr std::uint32_t kNameOffset = 6;
  static constexpr double kPersonWindowOpenSeconds = 0.3;
  static constexpr double kAvailabilityAnswerSeconds = 0.2;
  static constexpr int kPersonWindowIcons = 2;

  StandinPeople(HostWindows& windows, std::string screenName);

  // The people in the room, in list order (at first the user alone).
  void SetPeople(std::vector<std::string> names);
  const std::vector<std::string>& people() const { return people_; }
  // Whether the person's "ignore" box is ticked.
  bool IsIgnored(const std::string& name) const { return ignored_.count(name) != 0; }
  // Members in the room, and the user, are online.
  bool IsOnline(const std::string& name) const;

  // Makes a chat room's people list.
  WindowHandle CreateList(WindowHandle room, WindowHandle mdi);
  // The reaction of an instant-message window's availability button.
  void OnAvailabilityButton(WindowHandle owner, const std::string& member,
                            const HostMessage& message);

 private:
  void Fill(WindowHandle list);
  void OpenPersonWindow(WindowHandle mdi, const std::string& name);

  HostWindows& windows_;
  std::string screenName_;
  std::vector<std::string> people_;
  std::set<std::string> ignored_;
  std::vector<WindowHandle> lists_;
};

}  // namespace velto::standin
