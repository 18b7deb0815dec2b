#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/window_handle.h"

namespace velto::standin {

using host::WindowHandle;

// What the stand-in host sees of a message to one of its windows. Text is the 8-bit
// bytes the sender gave.
struct HostMessage {
  std::uint32_t message = 0;
  std::uint32_t wParam = 0;
  std::string textBytes;
};

// Called for the messages a stand-in window reacts to; the window's own behaviour
// (keeping its text) happens whether or not a reaction is given.
using Reaction = std::function<void(WindowHandle self, const HostMessage&)>;

// An entry of a menu: a command, or (with entries of its own) a further menu. An entry
// with no text and no command is a separator.
struct MenuEntry {
  std::string textUtf8;
  std::uint32_t command = 0;
  std::vector<MenuEntry> entries;
};

// An item of a list box, with the 32-bit value the host keeps beside it (LB_GETITEMDATA).
struct ListItem {
  std::string textUtf8;
  std::uint32_t data = 0;
};

// The tiny window-creation interface the stand-in host is written over: windows on the
// substitute desktop in tests, real Win32 windows in standin-host.exe.
class HostWindows {
 public:
  virtual ~HostWindows() = default;
  virtual WindowHandle Create(WindowHandle parent, std::string_view className,
                              std::string_view captionUtf8, Reaction reaction = {}) = 0;
  virtual void Destroy(WindowHandle window) = 0;
  virtual bool Exists(WindowHandle window) = 0;
  virtual std::string TextBytes(WindowHandle window) = 0;
  virtual void SetTextBytes(WindowHandle window, const std::string& bytes) = 0;
  // Runs `action` after `seconds`, from the host's own event loop.
  virtual void Later(double seconds, std::function<void()> action) = 0;
  // Seconds since the stand-in host started.
  virtual double Now() = 0;
  // The host's "America Online" message box; `closed` runs once it is confirmed.
  virtual void ShowMessageBox(WindowHandle owner, const std::string& textUtf8,
                              std::function<void()> closed) = 0;

  // The host's "America Online" box asking a question, with "&Yes" and "&No" buttons
  // that a press of the space key confirms; `answered` hears which (true: yes).
  virtual void ShowQuestion(WindowHandle owner, const std::string& textUtf8,
                            std::function<void(bool yes)> answered) = 0;

  // Gives a top-level window a menu bar: each entry of `bar` a drop-down menu. The
  // window's reaction hears WM_COMMAND with an entry's command when it is run.
  virtual void SetMenuBar(WindowHandle window, const std::vector<MenuEntry>& bar) = 0;
  // Shows a popup menu ("#32768", top level) as a click on a toolbar icon opens it. It
  // is driven by the keys posted to it: down, up (from no highlight, down goes to the
  // first entry and up to the last), right (opens a further menu), return (runs the
  // entry: `chosen` gets its command) and escape (closes it, nothing chosen).
  virtual void ShowPopupMenu(WindowHandle owner, const std::vector<MenuEntry>& entries,
                             std::function<void(std::uint32_t command)> chosen) = 0;
  // Replaces the items of a list box, which then answers LB_GETCOUNT, LB_GETTEXTLEN,
  // LB_GETTEXT and LB_GETITEMDATA from them, and keeps the item LB_SETCURSEL selects.
  // Nothing is selected afterwards.
  virtual void SetListItems(WindowHandle list, std::vector<ListItem> items) = 0;
  // The item last selected in a list box; -1 for none.
  virtual int SelectedListItem(WindowHandle list) = 0;
  // Copies bytes into the host's memory, where another program may read them, and
  // gives their address.
  virtual std::uint32_t PlaceInMemory(const std::string& bytes) = 0;
  // A check box, ticked or not to begin with: BM_GETCHECK answers its state; a click
  // (button down, then up) or BM_SETCHECK changes it (any state but 0 ticks it, as the
  // system's two-state boxes take it), and `changed` hears of each change.
  virtual WindowHandle CreateCheckBox(WindowHandle parent, std::string_view className,
                                      std::string_view captionUtf8, bool checked,
                                      std::function<void(bool checked)> changed) = 0;

  // Misbehaviour on command. The host stops handling messages for `seconds`, as a hung
  // program does; messages sent to it meanwhile wait or time out.
  virtual void Hang(double seconds) = 0;
  // Each message another program sends to the host's windows takes this long.
  virtual void SetAnswerDelay(double seconds) = 0;
  // The host's process ends at once, all its windows with it.
  virtual void Quit(WindowHandle frame) = 0;
};

}  // namespace velto::standin
