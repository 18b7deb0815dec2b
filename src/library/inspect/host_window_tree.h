#pragma once

#include <string>

#include "host/platform.h"

// The host's windows as the library reads them: the frame "AOL Frame25" and everything
// under it, then the host's other top-level windows (its boxes and modal windows), one
// window a line, indented by depth. A line gives the handle, the class and the caption
// (quoted, with control characters and bytes beyond ASCII as \xNN), and whether the
// window is visible; beside a window a finder of the library recognises stands what it
// is and which finder says so, and beside a host child window that is almost a chat
// room stands the marker it lacks.
namespace velto::library {

// The tree as text, a line each ending in "\n"; empty, and the call's outcome nothing
// to act on, when the host is not running.
std::string DescribeHostWindows(host::Platform& platform);

}  // namespace velto::library
