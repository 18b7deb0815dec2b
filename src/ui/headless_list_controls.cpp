#include "ui/headless_list_controls.h"

namespace velto::ui {

int HeadlessListBox::Count() const {
  return static_cast<int>(items_.size());
}

std::string HeadlessListBox::Item(int index) const {
  if (index < 0 || index >= Count())
    return {};
  return items_[static_cast<std::size_t>(index)];
}

}  // namespace velto::ui
