// The substitute desktop's menus: menu bars, their entries and the menus entries open.

#include "host/substitute_desktop.h"

#include "host/host_text.h"

namespace velto::host {

MenuHandle SubstituteDesktop::AddMenu() {
  const MenuHandle menu{nextMenu_};
  nextMenu_ += 4;
  menus_[menu.value];
  return menu;
}

void SubstituteDesktop::AddMenuItem(MenuHandle menu, std::string_view textUtf8, std::uint32_t id,
                                    MenuHandle submenu) {
  menus_[menu.value].push_back(MenuItem{ToHostBytes(textUtf8), id, submenu});
}

void SubstituteDesktop::SetMenu(WindowHandle window, MenuHandle menu) {
  if (auto it = windows_.find(window.value()); it != windows_.end())
    it->second.menu = menu;
}

MenuHandle SubstituteDesktop::GetMenu(WindowHandle window) {
  ++platformCalls_;
  const Window* found = Find(window);
  return found ? found->menu : MenuHandle{};
}

int SubstituteDesktop::GetMenuItemCount(MenuHandle menu) {
  ++platformCalls_;
  auto it = menus_.find(menu.value);
  return it == menus_.end() ? -1 : static_cast<int>(it->second.size());
}

MenuHandle SubstituteDesktop::GetSubMenu(MenuHandle menu, int position) {
  ++platformCalls_;
  auto it = menus_.find(menu.value);
  if (it == menus_.end() || position < 0 || position >= static_cast<int>(it->second.size())) {
    return {};
  }
  return it->second[position].submenu;
}

std::uint32_t SubstituteDesktop::GetMenuItemID(MenuHandle menu, int position) {
  ++platformCalls_;
  constexpr std::uint32_t kNoCommand = 0xFFFFFFFF;  // what Win32 answers for a submenu
  auto it = menus_.find(menu.value);
  if (it == menus_.end() || position < 0 || position >= static_cast<int>(it->second.size())) {
    return kNoCommand;
  }
  const MenuItem& item = it->second[position];
  return item.submenu ? kNoCommand : item.id;
}

std::string SubstituteDesktop::GetMenuStringA(MenuHandle menu, std::uint32_t item, int size,
                                              unsigned flags) {
  ++platformCalls_;
  constexpr unsigned kByPosition = 0x400;
  auto it = menus_.find(menu.value);
  if (it == menus_.end() || size <= 0)
    return {};
  const std::vector<MenuItem>& items = it->second;
  const MenuItem* found = nullptr;
  if (flags & kByPosition) {
    if (item < items.size())
      found = &items[item];
  } else {
    found = FindMenuCommand(menu, item);
  }
  if (!found)
    return {};
  return FromHostBytes(std::string_view(found->textBytes).substr(0, size - 1));
}

// As user32 does, a search by command looks into the menus an entry opens before it
// looks at the entries after that one.
const SubstituteDesktop::MenuItem* SubstituteDesktop::FindMenuCommand(MenuHandle menu,
                                                                      std::uint32_t command) const {
  auto it = menus_.find(menu.value);
  if (it == menus_.end())
    return nullptr;
  for (const MenuItem& entry : it->second) {
    if (entry.submenu) {
      if (const MenuItem* found = FindMenuCommand(entry.submenu, command))
        return found;
    } else if (entry.id == command) {
      return &entry;
    }
  }
  return nullptr;
}

}  // namespace velto::host
