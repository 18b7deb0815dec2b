#pragma once

#include <string>

#include "host/platform.h"
#include "library/windows/own_controls.h"
#include "library/windows/yes_and_no.h"

// The library's window and input primitives.
namespace velto::library {

void HideWindow(host::Platform& platform, host::WindowHandle window);
void UnhideWindow(host::Platform& platform, host::WindowHandle window);
void CloseHostWindow(host::Platform& platform, host::WindowHandle window);
// The sending primitives return whether the host answered: false for window 0 or when a
// send failed (its window is gone, or the host is hung past the bound);
// a key or click whose first half failed sends no second half.
bool SetControlText(host::Platform& platform, host::WindowHandle window, const std::string& text);
// The window's text (WM_GETTEXTLENGTH, then WM_GETTEXT); empty for window 0 or when the
// length was not answered (then nothing further is sent).
std::string GetControlText(host::Platform& platform, host::WindowHandle window);
// The text of a host list box's first item; empty for an empty list.
std::string GetListText(host::Platform& platform, host::WindowHandle list);
bool PressSpace(host::Platform& platform, host::WindowHandle window);
bool ClickControl(host::Platform& platform, host::WindowHandle window);
void MakeTopmost(host::Platform& platform, FormControl& form);
void ClearTopmost(host::Platform& platform, FormControl& form);
void SlideFormDown(host::Platform& platform, FormControl& form);
void SlideFormUp(host::Platform& platform, FormControl& form);
void SlideFormLeft(host::Platform& platform, FormControl& form);
void SlideFormRight(host::Platform& platform, FormControl& form);

}  // namespace velto::library
