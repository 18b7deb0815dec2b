#include "ui/win32/win32_caret_rest.h"

namespace velto::ui {
namespace {

constexpr UINT_PTR kCaretRestTimer = 0x5652;  // the box's own timer: the system's are apart
constexpr char kRestingProperty[] = "VeltoCaretResting";

WNDPROC g_editProcedure = nullptr;  // the system's EDIT procedure, the same for every box

bool Resting(HWND box) {
  return ::GetPropA(box, kRestingProperty) != nullptr;
}

void SetResting(HWND box, bool resting) {
  if (resting)
    ::SetPropA(box, kRestingProperty, reinterpret_cast<HANDLE>(1));
  else
    ::RemovePropA(box, kRestingProperty);
}

void StartRestCountdown(HWND box) {
  ::SetTimer(box, kCaretRestTimer, kCaretRestMilliseconds, nullptr);
}

bool IsUserInput(UINT message) {
  return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_CHAR ||
         message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
         message == WM_MOUSEWHEEL;
}

void WakeCaret(HWND box) {
  if (Resting(box)) {
    SetResting(box, false);
    ::ShowCaret(box);
  }
  StartRestCountdown(box);
}

void RestCaret(HWND box) {
  ::KillTimer(box, kCaretRestTimer);
  if (::GetFocus() == box && !Resting(box)) {
    ::HideCaret(box);
    SetResting(box, true);
  }
}

LRESULT CALLBACK RestingCaretProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kCaretRestTimer) {
    RestCaret(box);
    return 0;
  }
  if (IsUserInput(message))
    WakeCaret(box);
  if (message == WM_KILLFOCUS || message == WM_NCDESTROY) {
    // The box destroys its caret when it loses the focus and makes a new one on the next.
    ::KillTimer(box, kCaretRestTimer);
    SetResting(box, false);
  }
  const LRESULT result = ::CallWindowProcA(g_editProcedure, box, message, wParam, lParam);
  if (message == WM_SETFOCUS)
    StartRestCountdown(box);
  return result;
}

}  // namespace

void CaretRestsWhenUnused(HWND textBox) {
  const LONG_PTR previous = ::SetWindowLongPtrA(textBox, GWLP_WNDPROC,
                                                reinterpret_cast<LONG_PTR>(&RestingCaretProcedure));
  g_editProcedure = reinterpret_cast<WNDPROC>(previous);
}

}  // namespace velto::ui
