#pragma once

#include <windows.h>

namespace velto::ui {

inline constexpr char kLabelClassName[] = "VeltoLabel";

// The program's labels, a window class of its own in place of the system's STATIC.
// The clock's label takes a new caption every second, all day. A STATIC asks its parent
// for colours and selects its font again for every new caption, and under Wine each
// font selection re-reads the X resources. This label keeps a device context of its own
// (CS_OWNDC), in which the parent's colours and the font are chosen once, so a new
// caption costs a fill and one text call, drawn at once as a STATIC draws it.
// Otherwise it behaves as a STATIC with SS_LEFTNOWORDWRAP, SS_NOPREFIX and SS_NOTIFY:
// left-aligned text on one line, cut at the right; no "&" mnemonics; STN_CLICKED and
// STN_DBLCLK to its parent; WM_SETFONT, WM_GETFONT and WM_PRINTCLIENT answered.

// Once per process, before the first label is created.
void RegisterLabelClass();

}  // namespace velto::ui
