#include "standin/standin_mail_list.h"

#include "host/messages.h"
#include "host/host_names.h"
#include "host/window_search.h"

namespace velto::standin {

StandinMailList::StandinMailList(HostWindows& windows, WindowHandle parent,
                                 std::vector<std::string> entries)
    : windows_(windows) {
  window_ =
      windows_.Create(parent, host::host_class::kTree, "",
                      [this](WindowHandle self, const HostMessage& m) { OnMessage(self, m); });
  SetEntries(std::move(entries));
}

void StandinMailList::SetEntries(std::vector<std::string> entries) {
  entries_ = std::move(entries);
  std::vector<ListItem> items;
  for (const std::string& entry : entries_) items.push_back(ListItem{entry, 0});
  windows_.SetListItems(window_, std::move(items));
}

void StandinMailList::RemoveSelected() {
  const int selected = windows_.SelectedListItem(window_);
  if (selected < 0 || selected >= static_cast<int>(entries_.size()))
    return;
  std::vector<std::string> left = entries_;
  left.erase(left.begin() + selected);
  SetEntries(std::move(left));
}

void StandinMailList::OnMessage(WindowHandle self, const HostMessage& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN || !onOpen)
    return;
  const int selected = windows_.SelectedListItem(self);
  if (selected >= 0 && selected < static_cast<int>(entries_.size()))
    onOpen(selected);
}

}  // namespace velto::standin
