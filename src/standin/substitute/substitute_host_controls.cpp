// The stand-in host's menus, list boxes, check boxes and memory on the substitute
// desktop.

#include <algorithm>
#include <memory>
#include "host/host_names.h"
#include "host/window_search.h"

#include "host/host_text.h"
#include "host/messages.h"
#include "standin/substitute/substitute_host_windows.h"

namespace velto::standin {
namespace {

constexpr std::intptr_t kListError = -1;  // LB_ERR
constexpr std::intptr_t kChecked = 1;     // BST_CHECKED
// Blocks placed in the host's memory start at multiples of this, like heap blocks.
constexpr std::uint32_t kMemoryAlignment = 16;

host::MenuHandle BuildMenu(host::SubstituteDesktop& desktop,
                           const std::vector<MenuEntry>& entries) {
  const host::MenuHandle menu = desktop.AddMenu();
  for (const MenuEntry& entry : entries) {
    const host::MenuHandle further =
        entry.entries.empty() ? host::MenuHandle{} : BuildMenu(desktop, entry.entries);
    desktop.AddMenuItem(menu, entry.textUtf8, entry.command, further);
  }
  return menu;
}

bool IsSeparator(const MenuEntry& entry) {
  return entry.textUtf8.empty() && entry.command == 0 && entry.entries.empty();
}

// An open popup menu: the menus opened so far, each with its highlighted entry.
class PopupMenu {
 public:
  PopupMenu(std::vector<MenuEntry> entries, std::function<void(std::uint32_t)> chosen)
      : root_(std::move(entries)), chosen_(std::move(chosen)) {
    levels_.push_back(Level{&root_, -1});
  }

  // Acts on a key; returns whether the menu is done (an entry run, or closed).
  bool OnKey(std::uint32_t key) {
    Level& level = levels_.back();
    if (key == VK_DOWN)
      Move(level, +1);
    if (key == VK_UP)
      Move(level, -1);
    if (key == VK_ESCAPE)
      return true;
    if (key == VK_RIGHT)
      OpenFurther(level);
    if (key == VK_RETURN && level.highlighted >= 0) {
      const MenuEntry& entry = (*level.entries)[static_cast<std::size_t>(level.highlighted)];
      if (!entry.entries.empty()) {
        OpenFurther(level);
        return false;
      }
      chosen_(entry.command);
      return true;
    }
    return false;
  }

 private:
  struct Level {
    const std::vector<MenuEntry>* entries;
    int highlighted;
  };

  // Down from no highlight goes to the first entry, up to the last; separators are
  // passed over, and the highlight wraps around.
  static void Move(Level& level, int step) {
    const int count = static_cast<int>(level.entries->size());
    int at = level.highlighted < 0 ? (step > 0 ? -1 : count) : level.highlighted;
    for (int tries = 0; tries < count; ++tries) {
      at = ((at + step) % count + count) % count;
      if (!IsSeparator((*level.entries)[static_cast<std::size_t>(at)])) {
        level.highlighted = at;
        return;
      }
    }
  }

  void OpenFurther(Level& level) {
    if (level.highlighted < 0)
      return;
    const MenuEntry& entry = (*level.entries)[static_cast<std::size_t>(level.highlighted)];
    if (entry.entries.empty())
      return;
    Level further{&entry.entries, -1};
    Move(further, +1);
    levels_.push_back(further);
  }

  std::vector<MenuEntry> root_;
  std::function<void(std::uint32_t)> chosen_;
  std::vector<Level> levels_;
};

}  // namespace

void SubstituteHostWindows::SetMenuBar(WindowHandle window, const std::vector<MenuEntry>& bar) {
  desktop_.SetMenu(window, BuildMenu(desktop_, bar));
}

void SubstituteHostWindows::ShowPopupMenu(WindowHandle /*owner*/,
                                          const std::vector<MenuEntry>& entries,
                                          std::function<void(std::uint32_t)> chosen) {
  auto menu = std::make_shared<PopupMenu>(entries, std::move(chosen));
  const WindowHandle window = desktop_.AddWindow(
      host::kNoWindow, host::host_class::kPopupMenu, "",
      [menu](host::SubstituteDesktop& desktop, WindowHandle self, const host::Message& message) {
        if (message.message == WM_KEYDOWN && menu->OnKey(message.wParam))
          desktop.RemoveWindow(self);
        return std::intptr_t{0};
      });
  desktop_.SetWindowProcess(window, kHostProcessId);
}

void SubstituteHostWindows::SetListItems(WindowHandle list, std::vector<ListItem> items) {
  lists_[list] = ListState{std::move(items), -1};
}

int SubstituteHostWindows::SelectedListItem(WindowHandle list) {
  auto it = lists_.find(list);
  return it == lists_.end() ? -1 : it->second.selected;
}

std::optional<std::intptr_t> SubstituteHostWindows::AnswerListMessage(
    WindowHandle list, const host::Message& message) {
  auto it = lists_.find(list);
  if (it == lists_.end())
    return std::nullopt;
  ListState& state = it->second;
  const auto count = static_cast<std::uint32_t>(state.items.size());
  const bool inRange = message.wParam < count;
  const ListItem* item = inRange ? &state.items[message.wParam] : nullptr;
  switch (message.message) {
    case LB_GETCOUNT:
      return static_cast<std::intptr_t>(count);
    case LB_SETCURSEL:
      state.selected = inRange ? static_cast<int>(message.wParam) : -1;
      return inRange ? static_cast<std::intptr_t>(message.wParam) : kListError;
    case LB_GETITEMDATA:
      return item ? static_cast<std::intptr_t>(item->data) : kListError;
    case LB_GETTEXTLEN:
      return item ? static_cast<std::intptr_t>(host::ToHostBytes(item->textUtf8).size())
                  : kListError;
    case LB_GETTEXT: {
      if (!item || !message.buffer)
        return kListError;
      // A real list copies the whole item into a buffer it trusts to be large enough;
      // one too small shows here as a cut item.
      const std::size_t room =
          message.buffer->size > 0 ? static_cast<std::size_t>(message.buffer->size) - 1 : 0;
      const std::string copied = host::ToHostBytes(item->textUtf8).substr(0, room);
      message.buffer->text = host::FromHostBytes(copied);
      return static_cast<std::intptr_t>(copied.size());
    }
    default:
      return std::nullopt;
  }
}

std::uint32_t SubstituteHostWindows::PlaceInMemory(const std::string& bytes) {
  const std::uint32_t address = nextAddress_;
  desktop_.WriteProcessMemory(kHostProcessId, address, bytes);
  // Blocks lie apart, as heap blocks do: a read past the end of one fails.
  const auto size = static_cast<std::uint32_t>(bytes.size());
  nextAddress_ += (size / kMemoryAlignment + 1) * kMemoryAlignment + kMemoryAlignment;
  return address;
}

WindowHandle SubstituteHostWindows::CreateCheckBox(WindowHandle parent, std::string_view className,
                                                   std::string_view captionUtf8, bool checked,
                                                   std::function<void(bool)> changed) {
  struct State {
    bool checked;
    bool pressed = false;
  };
  auto state = std::make_shared<State>(State{checked});
  const WindowHandle box =
      desktop_.AddWindow(parent, className, captionUtf8,
                         [state, changed](host::SubstituteDesktop& desktop, WindowHandle self,
                                          const host::Message& message) -> std::intptr_t {
                           const bool before = state->checked;
                           switch (message.message) {
                             case BM_GETCHECK:
                               return state->checked ? kChecked : 0;
                             case BM_SETCHECK:
                               state->checked = message.wParam != 0;
                               break;
                             case WM_LBUTTONDOWN:
                               state->pressed = true;
                               break;
                             case WM_LBUTTONUP:
                               if (state->pressed)
                                 state->checked = !state->checked;
                               state->pressed = false;
                               break;
                             default:
                               return desktop.DefaultHandling(self, message);
                           }
                           if (state->checked != before && changed)
                             changed(state->checked);
                           return 0;
                         });
  desktop_.SetWindowProcess(box, kHostProcessId);
  return box;
}

}  // namespace velto::standin
