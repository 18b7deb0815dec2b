#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/substitute_desktop.h"

namespace velto::standin {

using host::WindowHandle;

// A list of the host's mail windows ("_AOL_Tree") on the substitute desktop. It answers
// LB_GETCOUNT, LB_GETTEXTLEN and LB_GETTEXT from its entries (LB_ERR for an index that
// names none), keeps the entry LB_SETCURSEL selects, and opens the selected entry when
// return is typed on it. Entries are UTF-8 texts whose fields are separated by tabs.
class StandinMailList {
 public:
  StandinMailList(host::SubstituteDesktop& desktop, WindowHandle parent,
                  std::vector<std::string> entries);
  StandinMailList(const StandinMailList&) = delete;
  StandinMailList& operator=(const StandinMailList&) = delete;

  WindowHandle window() const { return window_; }
  std::vector<std::string> Entries() const;
  int selected() const { return selected_; }
  // Takes the selected entry out of the list; nothing is selected afterwards.
  void RemoveSelected();

  // Hears the index of the entry that return opened.
  std::function<void(int index)> onOpen;

 private:
  std::intptr_t OnMessage(host::SubstituteDesktop& desktop, WindowHandle self,
                          const host::Message& message);
  std::intptr_t CopyEntry(std::uint32_t index, host::TextBuffer* buffer) const;
  bool IsEntry(std::uint32_t index) const { return index < entries_.size(); }

  std::vector<std::string> entries_;  // the host's 8-bit bytes
  int selected_ = -1;
  WindowHandle window_;
};

}  // namespace velto::standin
