#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "standin/host_windows.h"

namespace velto::standin {

// The host's windows as real Win32 windows: the frame a real MDI frame (DefFrameProc),
// "MDIClient" the system's MDI client, "AOL Child" real MDI children (DefMDIChildProc),
// the controls real edit, button (push button, check box), list-box and static controls
// under the host's class names, the keyword box the system's own "Edit", the toolbars
// plain windows of ours.

// Registers the host's window classes for the process; registering again is harmless.
void RegisterHostClasses();

// Makes one of the host's windows. Its reaction hears the messages the host reacts to
// (text, characters, keys, clicks, double clicks, menu commands, close), after the
// window's own handling of them.
HWND CreateHostWindow(HWND parent, std::string_view className, const std::string& captionBytes,
                      Reaction reaction, int controlId);

// Lets `changed` hear of each change of a check box made by CreateHostWindow, from a
// click, a key or BM_SETCHECK, once the box is made.
void WatchCheckBox(HWND box, std::function<void(bool checked)> changed);

// Lets a list box made by CreateHostWindow answer LB_GETTEXTLEN and LB_GETTEXT from these
// bytes (which may hold NULs) rather than from what it shows.
void KeepListBytes(HWND list, std::vector<std::string> itemBytes);

// How long each message another program sends to a host window takes to be answered.
void SetHostAnswerDelay(unsigned milliseconds);

bool IsMdiClient(HWND window);

}  // namespace velto::standin
