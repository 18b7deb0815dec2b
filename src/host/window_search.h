#pragma once

#include <string_view>
#include <vector>

#include "host/platform.h"

namespace velto::host {

// Searches below a window we already hold. A missing parent (0) gives 0 instead of a
// search among the top-level windows, so a half-open host never makes us type into
// another program that happens to use the same class name.
WindowHandle FindChild(Platform& platform, WindowHandle parent, std::string_view className,
                       CaptionFilter caption = kAnyCaption);
WindowHandle FindNextChild(Platform& platform, WindowHandle parent, WindowHandle after,
                           std::string_view className, CaptionFilter caption = kAnyCaption);

// The n-th (1-based) direct child of the class, following the chain of "next child"
// searches; a gap in the chain gives 0 rather than starting over from the first child.
WindowHandle FindNthChild(Platform& platform, WindowHandle parent, std::string_view className,
                          int n);

// A finder of the host's windows tells the call's outcome what it found: a window the
// routine needs and cannot find is nothing to act on. Returns `window`.
WindowHandle Found(Platform& platform, WindowHandle window);

// The host's frame and its MDI client, 0 when the host is not running.
WindowHandle FindHostFrame(Platform& platform);
WindowHandle FindHostMdiClient(Platform& platform, WindowHandle frame);

// The host's toolbar: the frame's "AOL Toolbar", and within it the "_AOL_Toolbar" that
// holds the keyword box and the icons; 0 when any step is missing.
WindowHandle FindInnerToolbar(Platform& platform);
// The n-th (1-based) "_AOL_Icon" of the inner toolbar.
WindowHandle FindToolbarIcon(Platform& platform, int n);

// Windows of the host that a routine finds and the library's tree names too; each is
// defined beside the routine that uses it.
//
// The chat-room control classes the window lacks ("RICHCNTL", "_AOL_Listbox",
// "_AOL_Icon", "_AOL_Static"); none for a chat room (chat_room.cpp).
std::vector<std::string_view> MissingChatRoomMarkers(Platform& platform, WindowHandle window);
// The keyword box: the "Edit" of the inner toolbar's "_AOL_Combobox"; 0 when missing
// (keyword.cpp).
WindowHandle FindKeywordBox(Platform& platform);
// Every "Send Instant Message" child of the host's MDI client, in child order
// (instant_message.cpp).
std::vector<WindowHandle> FindInstantMessageWindows(Platform& platform, WindowHandle mdi);

}  // namespace velto::host
