#pragma once

#include <string>

#include "host/platform.h"
#include "library/windows/yes_and_no.h"

// The host's windows for writing and reading mail. The compose window is the host child
// window holding an "_AOL_Static" captioned "Send Now"; the write window is the one
// captioned "Write Mail" and holds the same controls: three "_AOL_Edit" (recipients,
// copies, subject), a "RICHCNTL" (the message), an "_AOL_Combobox", an "_AOL_Fontcombo"
// and sixteen "_AOL_Icon". The read-mail window holds two "RICHCNTL", an
// "_AOL_Combobox" and an "_AOL_FontCombo".
//
// Waits for a host window give up after timings::kHostWindowWaitSeconds; a routine
// whose wait ran out sends nothing further.
namespace velto::library {

host::WindowHandle FindComposeWindow(host::Platform& platform);
host::WindowHandle FindReadMailWindow(host::Platform& platform);

// Asks every compose and read-mail window to close, again and again, until none is open.
void CloseMailWindows(host::Platform& platform);

// Opens the write window from the toolbar, fills in recipients, subject and message and
// clicks send.
void SendMail(host::Platform& platform, const std::string& recipients, const std::string& subject,
              const std::string& message);

// Forwards the mail in the read-mail window: opens its compose window, fills in
// recipients and message (with stripPrefix true, also drops the first five characters
// of the subject the host put there) and clicks send until the compose window closes or
// the host shows its mail error window; once the compose window has closed, closes the
// read-mail window.
void ForwardMail(host::Platform& platform, const std::string& recipients,
                 const std::string& message, int stripPrefix);

// Whether the host knows the screen name: writes a mail to it and to "*", which the
// host refuses, and reads the names the host's error window lists. Leaves no window
// open (the write window is closed without saving).
int ScreenNameExists(host::Platform& platform, const std::string& screenName);

}  // namespace velto::library
