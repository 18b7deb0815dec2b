// The stand-in host's menus, list boxes, check boxes and memory as real Win32 ones.

#include <windows.h>

#include "host/host_text.h"
#include "host/win32_handles.h"
#include "standin/win32/win32_host_classes.h"
#include "standin/win32/win32_host_layout.h"
#include "standin/win32/win32_host_windows.h"

namespace velto::standin {

using host::ToHwnd;
namespace {

bool IsSeparator(const MenuEntry& entry) {
  return entry.textUtf8.empty() && entry.command == 0 && entry.entries.empty();
}

// Fills a menu (a bar, or a drop-down or popup menu) with the entries, and the menus
// they open with theirs.
void AppendEntries(HMENU menu, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& entry : entries) {
    const std::string text = host::ToHostBytes(entry.textUtf8);
    if (IsSeparator(entry)) {
      ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!entry.entries.empty()) {
      HMENU further = ::CreatePopupMenu();
      AppendEntries(further, entry.entries);
      ::AppendMenuA(menu, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(further), text.c_str());
    } else {
      ::AppendMenuA(menu, MF_STRING, entry.command, text.c_str());
    }
  }
}

// Where a popup menu opens: below its owner's left edge, or at the pointer without one.
POINT PopupMenuPoint(HWND owner) {
  RECT rect{};
  if (owner && ::GetWindowRect(owner, &rect))
    return POINT{rect.left, rect.bottom};
  POINT pointer{};
  ::GetCursorPos(&pointer);
  return pointer;
}

}  // namespace

void Win32HostWindows::SetMenuBar(WindowHandle window, const std::vector<MenuEntry>& bar) {
  if (!Exists(window))
    return;
  HMENU menu = ::CreateMenu();
  AppendEntries(menu, bar);
  HMENU old = ::GetMenu(ToHwnd(window));
  ::SetMenu(ToHwnd(window), menu);
  if (old)
    ::DestroyMenu(old);
}

void Win32HostWindows::ShowPendingMenu(std::uintptr_t id) {
  auto pending = menus_.extract(id);
  if (!pending)
    return;
  PendingMenu& shown = pending.mapped();
  HWND owner = Exists(shown.owner) ? ToHwnd(shown.owner) : nullptr;
  // The menu's messages go to a window of this thread: the owner's top-level window.
  HWND window = owner ? ::GetAncestor(owner, GA_ROOT) : ToHwnd(events_);
  HMENU menu = ::CreatePopupMenu();
  AppendEntries(menu, shown.entries);
  const POINT at = PopupMenuPoint(owner);
  // Modal: the menu runs its own loop, which takes the keys posted to the menu window
  // (and the host's other windows and timers go on working) until an entry is chosen or
  // the menu is closed. The chosen command comes back here rather than as WM_COMMAND.
  const BOOL command =
      ::TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY, at.x,
                         at.y, window, nullptr);
  ::DestroyMenu(menu);
  if (command > 0 && shown.chosen)
    shown.chosen(static_cast<std::uint32_t>(command));
}

void Win32HostWindows::SetListItems(WindowHandle list, std::vector<ListItem> items) {
  if (!Exists(list))
    return;
  HWND hwnd = ToHwnd(list);
  ::SendMessageA(hwnd, LB_RESETCONTENT, 0, 0);
  std::vector<std::string> itemBytes;
  for (const ListItem& item : items) {
    const std::string text = host::ToHostBytes(item.textUtf8);
    itemBytes.push_back(text);
    const LRESULT index =
        ::SendMessageA(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index >= 0)
      ::SendMessageA(hwnd, LB_SETITEMDATA, static_cast<WPARAM>(index), item.data);
  }
  KeepListBytes(hwnd, std::move(itemBytes));
}

int Win32HostWindows::SelectedListItem(WindowHandle list) {
  if (!Exists(list))
    return -1;
  const LRESULT selected = ::SendMessageA(ToHwnd(list), LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

std::uint32_t Win32HostWindows::PlaceInMemory(const std::string& bytes) {
  return memory_.Place(bytes);
}

WindowHandle Win32HostWindows::CreateCheckBox(WindowHandle parent, std::string_view className,
                                              std::string_view captionUtf8, bool checked,
                                              std::function<void(bool checked)> changed) {
  const WindowHandle box = Create(parent, className, captionUtf8);
  if (!box)
    return box;
  ::SendMessageA(ToHwnd(box), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  WatchCheckBox(ToHwnd(box), std::move(changed));
  PlaceWindowWithCheckBox(ToHwnd(parent));
  return box;
}

}  // namespace velto::standin
