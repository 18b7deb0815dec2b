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

// How long a routine waits for a host window is kHostWindowWaitSeconds above, also for the
// mail and account windows (the write window, the error window, a profile, a dialog) and
// for the loops that click a button the host has not answered yet.

// SendChatText: after each line said, and after each block of lines of the text.
inline constexpr double kChatLinePauseSeconds = 0.7;
inline constexpr double kChatBlockPauseSeconds = 0.5;

// Lets the write window take in its texts before the send button is clicked.
inline constexpr double kBeforeSendSeconds = 0.2;
// Between clicks on the send button of a forwarded mail.
inline constexpr double kBetweenSendClicksSeconds = 1.0;
// Lets the parental-controls window settle before its button is clicked.
inline constexpr double kParentalControlsSettleSeconds = 0.3;
// Between clicks on the parental-controls button while its dialog has not shown.
inline constexpr double kBetweenParentalClicksSeconds = 0.8;
// Between clicks on the mail-preferences button while its dialog has not shown.
inline constexpr double kBetweenPreferencesClicksSeconds = 0.6;

}  // namespace velto::library::timings
