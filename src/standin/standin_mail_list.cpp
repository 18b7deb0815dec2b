#include "standin/standin_mail_list.h"
#include "host/window_search.h"

#include "host/host_text.h"
#include "host/messages.h"
#include "standin/standin_controls.h"

namespace velto::standin {
namespace {

constexpr std::intptr_t kListError = -1;  // LB_ERR
constexpr int kNoSelection = -1;

}  // namespace

StandinMailList::StandinMailList(host::SubstituteDesktop& desktop, WindowHandle parent,
                                 std::vector<std::string> entries) {
  for (const std::string& entry : entries) entries_.push_back(host::ToHostBytes(entry));
  window_ = desktop.AddWindow(
      parent, host::host_class::kTree, "",
      [this](host::SubstituteDesktop& d, WindowHandle self, const host::Message& message) {
        return OnMessage(d, self, message);
      });
}

std::vector<std::string> StandinMailList::Entries() const {
  std::vector<std::string> entries;
  for (const std::string& bytes : entries_) entries.push_back(host::FromHostBytes(bytes));
  return entries;
}

void StandinMailList::RemoveSelected() {
  if (selected_ == kNoSelection)
    return;
  entries_.erase(entries_.begin() + selected_);
  selected_ = kNoSelection;
}

std::intptr_t StandinMailList::CopyEntry(std::uint32_t index, host::TextBuffer* buffer) const {
  if (!IsEntry(index) || !buffer)
    return kListError;
  // A real list copies the whole entry into a buffer it trusts to be large enough; one
  // too small shows here as a cut entry.
  const std::size_t room = buffer->size > 0 ? static_cast<std::size_t>(buffer->size) - 1 : 0;
  const std::string copied = entries_[index].substr(0, room);
  buffer->text = host::FromHostBytes(copied);
  return static_cast<std::intptr_t>(copied.size());
}

std::intptr_t StandinMailList::OnMessage(host::SubstituteDesktop& desktop, WindowHandle self,
                                         const host::Message& message) {
  const std::uint32_t index = message.wParam;
  switch (message.message) {
    case LB_GETCOUNT:
      return static_cast<std::intptr_t>(entries_.size());
    case LB_GETTEXTLEN:
      return IsEntry(index) ? static_cast<std::intptr_t>(entries_[index].size()) : kListError;
    case LB_GETTEXT:
      return CopyEntry(index, message.buffer);
    case LB_SETCURSEL:
      selected_ = IsEntry(index) ? static_cast<int>(index) : kNoSelection;
      return selected_ == kNoSelection ? kListError : selected_;
    case WM_KEYDOWN:
      if (message.wParam == VK_RETURN && selected_ != kNoSelection && onOpen)
        onOpen(selected_);
      return 0;
    default:
      return desktop.DefaultHandling(self, message);
  }
}

}  // namespace velto::standin
