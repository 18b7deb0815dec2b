#pragma once

#include <functional>
#include <string_view>

#include "host/platform.h"

// Lookups of host windows that several routines of the library share.
namespace velto::library {

// The first host child window (in the MDI client's child order) that passes `test`;
// 0 when there is none or the host is not running.
host::WindowHandle FindHostChildWhere(host::Platform& platform,
                                      const std::function<bool(host::WindowHandle)>& test);

// The list of people in the chat room: its first "_AOL_Listbox" child.
host::WindowHandle FindChatPeopleList(host::Platform& platform);

// The host's "America Online" message box and its "OK" button, 0 where missing.
struct HostMessageBox {
  host::WindowHandle box;
  host::WindowHandle ok;
};
HostMessageBox FindHostMessageBox(host::Platform& platform);

// Whether there is a window to act on; window 0 is nothing to act on, and the call's
// outcome says so.
bool ActsOn(host::Platform& platform, host::WindowHandle window);

// Whether index names one of the entries (from 0) that `count` counts, counted only for
// an index that is not negative; an index out of range is nothing to act on, and the
// call's outcome says so.
bool IndexInRange(host::Platform& platform, int index, const std::function<int()>& count);

// The wait for a host window: runs the pump and tests `done` until it holds, looking
// again every host::timings::kWindowPollSeconds; gives up after
// timings::kHostWindowWaitSeconds. Returns whether `done` held.
bool WaitForHostWindow(host::Platform& platform, const std::function<bool()>& done);

// The rule of every routine that sends more than one message: it goes on only while the
// host answers. A send that fails (its window is gone, or the host is hung past the
// bound) ends the routine, which then sends nothing further, as a host routine does.
// True when the last message sent was answered.
bool HostAnswered(host::Platform& platform);

// WM_LBUTTONDOWN and WM_LBUTTONUP posted (wParam and lParam 0): a click that does not wait
// for the host, for buttons whose click opens a window or a menu. ClickControl (the
// primitives) is the sent click.
void PostClick(host::Platform& platform, host::WindowHandle button);

// WM_KEYDOWN and WM_KEYUP of the space key, sent (value form): a press of the button.
// Returns HostAnswered (false for button 0); no key-up follows a failed key-down.
bool SendSpaceKey(host::Platform& platform, host::WindowHandle button);

}  // namespace velto::library
