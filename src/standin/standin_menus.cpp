#include "standin/standin_menus.h"

#include "host/messages.h"
#include "host/window_search.h"

namespace velto::standin {
namespace {

// The entry with the command, among the entries and the menus they open; null if none.
const MenuEntry* FindCommand(const std::vector<MenuEntry>& entries, std::uint32_t command) {
  for (const MenuEntry& entry : entries) {
    if (entry.entries.empty() && entry.command == command && !entry.textUtf8.empty())
      return &entry;
    if (const MenuEntry* found = FindCommand(entry.entries, command))
      return found;
  }
  return nullptr;
}

MenuEntry Separator() {
  return MenuEntry{};
}

}  // namespace

const std::vector<MenuEntry>& StandinMenus::MenuBar() {
  static const std::vector<MenuEntry> bar = {
      {"&File",
       0,
       {{"&New", 101, {}},
        {"&Open...", 102, {}},
        {"&Save", 103, {}},
        {"Save &As...", 104, {}},
        Separator(),
        {"&Close", 105, {}},
        {"E&xit", 106, {}}}},
      {"&Edit",
       0,
       {{"&Undo", 201, {}}, {"Cu&t", 202, {}}, {"&Copy", 203, {}}, {"&Paste", 204, {}}}},
      {"&Window",
       0,
       {{"&Cascade", 301, {}},
        {"&Tile", 302, {}},
        {"Close All Except &Front", 303, {}},
        {"&Remember Window Size", 304, {}},
        {"&Arrange", 0, {{"&Icons", 305, {}}}}}},
      {"&Sign Off", 0, {{"&Sign Off", 401, {}}, {"S&witch Screen Name", 402, {}}}},
      {"&Help", 0, {{"&Help Topics", 501, {}}, {"&About America Online", 502, {}}}},
  };
  return bar;
}

const std::vector<MenuEntry>& StandinMenus::ToolbarMenu() {
  static const std::vector<MenuEntry> menu = {
      {"Read Mail", 601, {}},
      {"Write Mail", 602, {}},
      {"Old Mail", 603, {}},
      {"Sent Mail", 604, {}},
      {"Address Book", 605, {}},
      {"Mail Preferences", 606, {}},
      {"Mail Extras", 0, {{"Stationery", 611, {}}, {"Colors and Styles", 612, {}}}},
  };
  return menu;
}

StandinMenus::StandinMenus(HostWindows& windows,
                           std::function<void(const std::string& entryUtf8)> ran)
    : windows_(windows), ran_(std::move(ran)) {}

void StandinMenus::AttachMenuBar(WindowHandle frame) {
  windows_.SetMenuBar(frame, MenuBar());
}

void StandinMenus::OnToolbarMenuIcon(WindowHandle icon, const HostMessage& message) {
  if (message.message != WM_LBUTTONUP)
    return;
  windows_.Later(kPopupMenuOpenSeconds, [this, icon] {
    windows_.ShowPopupMenu(icon, ToolbarMenu(), [this](std::uint32_t command) {
      if (const MenuEntry* entry = FindCommand(ToolbarMenu(), command))
        ran_(entry->textUtf8);
    });
  });
}

void StandinMenus::OnFrameMessage(const HostMessage& message) {
  if (message.message == WM_COMMAND)
    RunCommand(message.wParam);
}

void StandinMenus::RunCommand(std::uint32_t command) {
  if (const MenuEntry* entry = FindCommand(MenuBar(), command))
    ran_(entry->textUtf8);
}

}  // namespace velto::standin
