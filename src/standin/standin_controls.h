#pragma once

#include <functional>

#include "standin/host_windows.h"

// Reactions the stand-in host's mail and account windows are built from: buttons that act
// on a click, windows that close when asked.
namespace velto::standin {

// A button: acts when a press (WM_LBUTTONDOWN) is followed by a release (WM_LBUTTONUP),
// sent or posted, as a click of the mouse would.
Reaction OnClick(std::function<void()> clicked);

// A window that goes away on WM_CLOSE, or runs `onClose` instead when one is given.
Reaction OnClose(HostWindows& windows, std::function<void(WindowHandle self)> onClose = {});

}  // namespace velto::standin
