#pragma once

#include <string>

#include "host/platform.h"

// The host's mail error window: the host child window captioned "Error", whose first
// "_AOL_View" lists, after two lines of heading, one refused name a line as
// "name - reason".
namespace velto::library {

host::WindowHandle FindMailErrorWindow(host::Platform& platform);

// The number of refused names: the view's lines less the two of the heading; 0 when
// there is no error window.
int CountMailErrors(host::Platform& platform);

// The n-th (from 1) refused name: line n + 2 up to its first "-", without the character
// just before the "-". Empty when n is greater than CountMailErrors() or the line has no
// "-".
std::string MailErrorName(host::Platform& platform, int n);

}  // namespace velto::library
