#pragma once

#include <functional>
#include <string>
#include <vector>

#include "standin/host_windows.h"

namespace velto::standin {

// A list of the host's mail windows ("_AOL_Tree"). It answers LB_GETCOUNT, LB_GETTEXTLEN
// and LB_GETTEXT from its entries (LB_ERR for an index that names none), keeps the entry
// LB_SETCURSEL selects, and opens the selected entry when return is typed on it. Entries
// are UTF-8 texts whose fields are separated by tabs.
class StandinMailList {
 public:
  StandinMailList(HostWindows& windows, WindowHandle parent, std::vector<std::string> entries);
  StandinMailList(const StandinMailList&) = delete;
  StandinMailList& operator=(const StandinMailList&) = delete;

  WindowHandle window() const { return window_; }
  const std::vector<std::string>& Entries() const { return entries_; }
  // Replaces the entries; nothing is selected afterwards.
  void SetEntries(std::vector<std::string> entries);
  // Takes the selected entry out of the list; nothing is selected afterwards.
  void RemoveSelected();

  // Hears the index of the entry that return opened.
  std::function<void(int index)> onOpen;

 private:
  void OnMessage(WindowHandle self, const HostMessage& message);

  HostWindows& windows_;
  std::vector<std::string> entries_;
  WindowHandle window_;
};

}  // namespace velto::standin
