#pragma once

// Every bound and interval of the waits on the host, in one place.

namespace velto::host::timings {

// How often a wait for a host window looks again. Between looks it sleeps on the
// event queue, so the program's own windows stay alive.
inline constexpr double kWindowPollSeconds = 0.012;

// How long SendInstantMessage waits for the instant-message window, and then for
// the host's answer, before it gives up.
inline constexpr double kInstantMessageWaitSeconds = 60.0;

// How long a host message box, once found, may take to show itself before its button
// is pressed anyway: as long as a hung host gets.
inline constexpr double kHostMessageBoxShowSeconds = 5.0;

// A host window that has not answered a message in this long counts as missing
// (the same cut-off Windows itself uses to call a window hung).
inline constexpr unsigned kHungHostMilliseconds = 5000;

// The bound on each message of the farewell said while Windows logs off: the two
// messages of a chat line together stay within the 5 s the system grants.
inline constexpr double kLogOffSendSeconds = 2.4;

// The time of day restarts at midnight.
inline constexpr double kSecondsPerDay = 86400.0;

}  // namespace velto::host::timings
