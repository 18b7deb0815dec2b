#pragma once

#include <string>

#include "host/platform.h"
#include "library/windows/form_control.h"

// The library's window and input primitives.
namespace velto::library {

void HideWindow(host::Platform& platform, host::WindowHandle window);
void UnhideWindow(host::Platform& platform, host::WindowHandle window);
void CloseHostWindow(host::Platform& platform, host::WindowHandle window);
void SetControlText(host::Platform& platform, host::WindowHandle window, const std::string& text);
// The window's text (WM_GETTEXTLENGTH, then WM_GETTEXT); empty for window 0.
std::string GetControlText(host::Platform& platform, host::WindowHandle window);
// The text of a host list box's first item; empty for an empty list.
std::string GetListText(host::Platform& platform, host::WindowHandle list);
void PressSpace(host::Platform& platform, host::WindowHandle window);
void ClickControl(host::Platform& platform, host::WindowHandle window);
void MakeTopmost(host::Platform& platform, FormControl& form);
void ClearTopmost(host::Platform& platform, FormControl& form);
void SlideFormDown(host::Platform& platform, FormControl& form);
void SlideFormUp(host::Platform& platform, FormControl& form);
void SlideFormLeft(host::Platform& platform, FormControl& form);
void SlideFormRight(host::Platform& platform, FormControl& form);

}  // namespace velto::library
