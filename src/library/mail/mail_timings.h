#pragma once

#include "library/windows/library_timings.h"

// The bounds and pauses of the mail and account-window routines, in one place. Their
// waits for host windows look again every host::timings::kWindowPollSeconds.

namespace velto::library::mail_timings {

// How long a routine waits for a host window (the write window, the error window, a
// profile, a dialog) or keeps clicking a button the host has not answered yet, before it
// gives up and sends nothing further: the library's bound for every such wait.
inline constexpr double kHostWindowWaitSeconds = timings::kHostWindowWaitSeconds;

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

}  // namespace velto::library::mail_timings
