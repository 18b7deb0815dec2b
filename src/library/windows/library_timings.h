#pragma once

// The bounds, intervals and pauses of the library's routines, in one place. The waits
// for host windows look again every host::timings::kWindowPollSeconds.

namespace velto::library::timings {

// How long a routine waits for a host window (the person window, the instant-message
// window, the host's answer, the room) before it gives up and ends there.
inline constexpr double kHostWindowWaitSeconds = 60.0;

// The wait for the toolbar's popup menu does not run our pump, so that no handler of
// ours runs (and perhaps takes the focus, which closes a menu) between the click and
// the keys: it sleeps between looks, and a menu that never opens ends the routine
// after this long.
inline constexpr double kPopupMenuWaitSeconds = 3.0;
inline constexpr double kPopupMenuPollSeconds = 0.010;

// SendChatText: after each line said, and after each block of lines of the text.
inline constexpr double kChatLinePauseSeconds = 0.7;
inline constexpr double kChatBlockPauseSeconds = 0.5;

}  // namespace velto::library::timings
