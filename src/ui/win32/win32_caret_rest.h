#pragma once

#include <windows.h>

namespace velto::ui {

// The system blinks a focused text box's caret, by a timer of its own, twice a second
// for as long as the box has the focus: on Windows before 10 and under Wine, for good.
// While the user is away from an idling program that is most of what wakes it. So, as
// Windows from 10 on does, the caret rests once its box has had no key or click for
// kCaretRestMilliseconds (here it is hidden, which stops the system's timer), and comes
// back with the next key or click.
inline constexpr UINT kCaretRestMilliseconds = 5000;

// Gives a text box (an EDIT made by this program) the resting caret.
void CaretRestsWhenUnused(HWND textBox);

}  // namespace velto::ui
