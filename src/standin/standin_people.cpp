#include "standin/standin_people.h"

#include <algorithm>
#include <cctype>

#include "host/host_text.h"
#include "host/messages.h"
#include "host/host_names.h"
#include "host/window_search.h"

namespace velto::standin {
namespace {

namespace cls = host::host_class;

// Room after a name for the 16 bytes a reader takes, whatever the name's length.
constexpr std::size_t kBytesAfterName = 16;
// Bytes of the host's own around the addresses and names.
constexpr char kHostFiller = '\xCD';

std::string LittleEndian(std::uint32_t value) {
  std::string bytes(sizeof value, '\0');
  for (std::size_t i = 0; i < sizeof value; ++i)
    bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

bool SameMember(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

StandinPeople::StandinPeople(HostWindows& windows, std::string screenName)
    : windows_(windows), screenName_(std::move(screenName)), people_{screenName_} {}

void StandinPeople::SetPeople(std::vector<std::string> names) {
  people_ = std::move(names);
  for (WindowHandle list : lists_) {
    if (windows_.Exists(list))
      Fill(list);
  }
}

bool StandinPeople::IsOnline(const std::string& name) const {
  if (SameMember(name, screenName_))
    return true;
  return std::any_of(people_.begin(), people_.end(),
                     [&](const std::string& person) { return SameMember(person, name); });
}

WindowHandle StandinPeople::CreateList(WindowHandle room, WindowHandle mdi) {
  const WindowHandle list = windows_.Create(
      room, cls::kListBox, "", [this, mdi](WindowHandle self, const HostMessage& m) {
        if (m.message != WM_LBUTTONDBLCLK)
          return;
        const int selected = windows_.SelectedListItem(self);
        if (selected < 0 || selected >= static_cast<int>(people_.size()))
          return;
        const std::string name = people_[static_cast<std::size_t>(selected)];
        windows_.Later(kPersonWindowOpenSeconds,
                       [this, mdi, name] { OpenPersonWindow(mdi, name); });
      });
  lists_.push_back(list);
  Fill(list);
  return list;
}

void StandinPeople::Fill(WindowHandle list) {
  std::vector<ListItem> items;
  for (const std::string& name : people_) {
    std::string record(kNameOffset, kHostFiller);
    record += host::ToHostBytes(name);
    record += '\0';
    record.append(kBytesAfterName, kHostFiller);
    const std::uint32_t recordAddress = windows_.PlaceInMemory(record);

    std::string entry(kRecordAddressOffset, kHostFiller);
    entry += LittleEndian(recordAddress);
    entry.append(sizeof recordAddress, kHostFiller);
    items.push_back(ListItem{name, windows_.PlaceInMemory(entry)});
  }
  windows_.SetListItems(list, std::move(items));
}

void StandinPeople::OpenPersonWindow(WindowHandle mdi, const std::string& name) {
  const WindowHandle person =
      windows_.Create(mdi, cls::kChild, name, [this](WindowHandle self, const HostMessage& m) {
        if (m.message == WM_CLOSE)
          windows_.Destroy(self);
      });
  windows_.Create(person, cls::kStatic, name);
  windows_.Create(person, host::host_class::kGlyph, "");
  windows_.CreateCheckBox(person, host::host_class::kCheckBox, "Ignore Member", IsIgnored(name),
                          [this, name](bool checked) {
                            if (checked) {
                              ignored_.insert(name);
                            } else {
                              ignored_.erase(name);
                            }
                          });
  for (int i = 0; i < kPersonWindowIcons; ++i) windows_.Create(person, cls::kIcon, "");
}

void StandinPeople::OnAvailabilityButton(WindowHandle owner, const std::string& member,
                                         const HostMessage& message) {
  if (message.message != WM_LBUTTONUP)
    return;
  const std::string answer = IsOnline(member)
                                 ? member + " is online and able to receive Instant Messages."
                                 : member + " is not currently signed on.";
  windows_.Later(kAvailabilityAnswerSeconds,
                 [this, owner, answer] { windows_.ShowMessageBox(owner, answer, [] {}); });
}

}  // namespace velto::standin
