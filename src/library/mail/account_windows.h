#pragma once

#include <string>

#include "host/platform.h"
#include "library/windows/yes_and_no.h"

// Routines over the host's account windows: parental controls, member profiles and mail
// preferences. Waits for a host window, and the re-clicking of a button the host has
// not answered yet, give up after timings::kHostWindowWaitSeconds; a routine whose
// wait ran out sends nothing further and returns its empty result.
namespace velto::library {

// Whether the signed-on screen name may set parental controls: opens the host's
// "Parental Controls" window and reads the dialog its button brings up (true when it
// says "Set Parental Controls"). Closes both windows.
int CanSetParentalControls(host::Platform& platform);

// The member's profile text, or "< No Profile >" when the host says there is none.
std::string GetMemberProfile(host::Platform& platform, const std::string& screenName);

// Sets three check boxes of the host's mail preferences (the first and the sixth off,
// the second on) and closes the preferences.
void ResetMailPreferences(host::Platform& platform);

}  // namespace velto::library
