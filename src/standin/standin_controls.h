#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/substitute_desktop.h"

// Pieces the stand-in host's mail and account windows are built from, on the substitute
// desktop: buttons that act on a click, windows that close when asked, the toolbar's
// icons, its popup menus and the question whether to save. Controls without a handler
// of their own keep and give back their text as any window does.
namespace velto::standin {

using host::WindowHandle;

// A button: acts when a press (WM_LBUTTONDOWN) is followed by a release (WM_LBUTTONUP),
// sent or posted, as a click of the mouse would.
host::MessageHandler Button(std::function<void()> clicked);

// A window that goes away on WM_CLOSE, or runs `onClose` instead when one is given.
host::MessageHandler Closable(std::function<void(WindowHandle self)> onClose = {});

// The first child of the parent (0: a top-level window) with the class and caption, found
// without going through the platform's searches.
WindowHandle ChildWithCaption(const host::SubstituteDesktop& desktop, WindowHandle parent,
                              std::string_view className, std::string_view caption);

// The n-th (from 1) "_AOL_Icon" of the host's inner toolbar below the frame; the
// toolbar is given further icons until it has n.
WindowHandle ToolbarIcon(host::SubstituteDesktop& desktop, WindowHandle frame, int n);

// An entry of a popup menu: its text and what choosing it does.
struct PopupEntry {
  std::string text;
  std::function<void()> chosen;
};

// Shows the host's popup menu ("#32768", top level). Posted keys drive it as on the
// screen: down and up move the highlight (from none, up goes to the last entry), return
// chooses the highlighted entry and closes the menu, escape closes it.
void ShowPopupMenu(host::SubstituteDesktop& desktop, std::vector<PopupEntry> entries);

// The host's "America Online" box asking whether to save, with "&Yes" and "&No"
// buttons that close it on a press of the space key; `answered` hears which.
void ShowSaveQuestion(host::SubstituteDesktop& desktop, std::function<void(bool save)> answered);

}  // namespace velto::standin
