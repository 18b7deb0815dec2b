#include "ui/win32/win32_controls.h"

#include <vector>

#include "host/host_text.h"
#include "ui/win32/win32_caret_rest.h"
#include "ui/win32/win32_dpi.h"
#include "ui/win32/win32_label.h"

namespace velto::ui {
namespace {

HWND CreateChild(HWND parent, DWORD exStyle, const char* className, DWORD style,
                 const ControlLayout& control, int id) {
  const std::string text = host::ToHostBytes(control.text);
  // Placed and given its font by the window's layout pass, which also runs on a dpi change.
  return ::CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0,
                           0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

HWND ControlCreateLabel(HWND parent, const ControlLayout& control, int id) {
  return CreateChild(parent, 0, kLabelClassName, 0, control, id);
}

HWND ControlCreateTextBox(HWND parent, const ControlLayout& control, int id) {
  const HWND box = CreateChild(parent, WS_EX_CLIENTEDGE, "EDIT",
                               WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, control, id);
  if (box)
    CaretRestsWhenUnused(box);
  return box;
}

// One call into the system where the text fits the usual buffer, two (size, then text)
// for a longer one.
std::string ControlText(HWND control) {
  constexpr int kUsualLength = 128;
  char usual[kUsualLength];
  const int got = ::GetWindowTextA(control, usual, kUsualLength);
  if (got < kUsualLength - 1)
    return host::FromHostBytes(
        std::string_view(usual, got > 0 ? static_cast<std::size_t>(got) : 0));
  const int length = ::GetWindowTextLengthA(control);
  if (length <= 0)
    return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(control, buffer.data(), length + 1);
  return host::FromHostBytes(std::string_view(buffer.data(), copied > 0 ? copied : 0));
}

std::string ControlSetText(HWND control, const std::string& utf8) {
  const std::string bytes = host::ToHostBytes(utf8);
  ::SetWindowTextA(control, bytes.c_str());
  return host::FromHostBytes(bytes);
}

HFONT ControlCreateFont(const Font& font, int dpi) {
  const std::string face(font.face);
  return ::CreateFontA(-FontPixelHeight(font.points, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

COLORREF ControlColour(Rgb colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

void ControlSetPaintColours(HDC dc) {
  ::SetTextColor(dc, ControlColour(kTextColour));
  ::SetBkColor(dc, ControlColour(kBackgroundColour));
}

}  // namespace velto::ui
