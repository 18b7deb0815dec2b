#pragma once

#include <windows.h>

#include <string>

#include "ui/form_layout.h"

namespace velto::ui {

// Thin helpers over the controls that realise labels (the program's own label class)
// and text boxes (the standard EDIT). Text crosses into the "A" API as the host's 8-bit
// code page.

// A label: left-aligned text that keeps its leading spaces and no "&" mnemonics. It
// stays on one line: a caption a little wider than its label (fonts differ between
// systems) is cut at the right instead of wrapping below the label's bottom edge. It
// answers the mouse (STN_CLICKED), so a press on it never falls through to the window's
// background, where it would start a drag.
HWND ControlCreateLabel(HWND parent, const ControlLayout& control, int id);
// An ordinary single-line edit box with the sunken border, whose caret rests while unused.
HWND ControlCreateTextBox(HWND parent, const ControlLayout& control, int id);

std::string ControlText(HWND control);
// Returns the text as the control now holds it, read back as UTF-8 (a character the
// 8-bit code page lacks does not survive the trip).
std::string ControlSetText(HWND control, const std::string& utf8);

HFONT ControlCreateFont(const Font& font, int dpi);
COLORREF ControlColour(Rgb colour);

// Red on black, for the WM_CTLCOLORSTATIC and WM_CTLCOLOREDIT answers; the caller
// returns its background brush.
void ControlSetPaintColours(HDC dc);

}  // namespace velto::ui
