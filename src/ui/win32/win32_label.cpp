#include "ui/win32/win32_label.h"

#include <string>
#include <string_view>

namespace velto::ui {
namespace {

constexpr UINT kTextFormat = DT_LEFT | DT_EXPANDTABS | DT_NOPREFIX;

// What a label remembers beside its window's text, which the system keeps.
struct LabelState {
  HFONT font = nullptr;
  HBRUSH background = nullptr;  // the parent's answer to WM_CTLCOLORSTATIC
  RECT client{};
};

LabelState* StateOf(HWND label) {
  return reinterpret_cast<LabelState*>(::GetWindowLongPtrA(label, GWLP_USERDATA));
}

// The caption in the 8-bit code page, as the system keeps it.
std::string CaptionOf(HWND label) {
  const int length = ::GetWindowTextLengthA(label);
  if (length <= 0)
    return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(label, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

// The parent chooses the colours, as it does for a STATIC: into the given DC, returning
// the brush for the background.
HBRUSH AskParentForColours(HWND label, HDC dc) {
  return reinterpret_cast<HBRUSH>(::SendMessageA(::GetParent(label), WM_CTLCOLORSTATIC,
                                                 reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(label)));
}

// Into a DC that already holds the font and colours.
void DrawCaption(HDC dc, const RECT& client, HBRUSH background, std::string_view text) {
  if (background)
    ::FillRect(dc, &client, background);
  RECT area = client;  // DrawText's rectangle is in-out, though unchanged with these flags
  ::DrawTextA(dc, text.data(), static_cast<int>(text.size()), &area, kTextFormat);
}

// The label's own DC keeps what is selected into it from one use to the next.
void ChooseFontAndColours(HWND label, LabelState& state) {
  HDC dc = ::GetDC(label);
  state.background = AskParentForColours(label, dc);
  if (state.font)
    ::SelectObject(dc, state.font);
  ::ReleaseDC(label, dc);
}

void DrawNow(HWND label, const LabelState& state, std::string_view text) {
  if (!::IsWindowVisible(label))
    return;
  HDC dc = ::GetDC(label);
  DrawCaption(dc, state.client, state.background, text);
  ::ReleaseDC(label, dc);
}

void OnPaint(HWND label, const LabelState& state) {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(label, &paint);
  DrawCaption(dc, state.client, state.background, CaptionOf(label));
  ::EndPaint(label, &paint);
}

// Into somebody else's DC (a picture of the window): that DC is set up here and left as
// it was found.
void OnPrintClient(HWND label, const LabelState& state, HDC dc) {
  const int saved = ::SaveDC(dc);
  HBRUSH background = AskParentForColours(label, dc);
  if (state.font)
    ::SelectObject(dc, state.font);
  DrawCaption(dc, state.client, background, CaptionOf(label));
  ::RestoreDC(dc, saved);
}

void NotifyParent(HWND label, WORD code) {
  const auto id = static_cast<WORD>(::GetWindowLongPtrA(label, GWLP_ID));
  ::SendMessageA(::GetParent(label), WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(label));
}

// The new caption is drawn from the message itself, once the system has stored it.
LRESULT OnSetText(HWND label, const LabelState& state, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = ::DefWindowProcA(label, WM_SETTEXT, wParam, lParam);
  const auto* text = reinterpret_cast<const char*>(lParam);
  if (result)
    DrawNow(label, state, text ? text : "");
  return result;
}

LRESULT HandleMessage(HWND label, LabelState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  if (WM_CREATE == message) {
    ChooseFontAndColours(label, state);
    return 0;
  }
  if (WM_SETTEXT == message)
    return OnSetText(label, state, wParam, lParam);
  if (WM_SETFONT == message) {
    state.font = reinterpret_cast<HFONT>(wParam);
    ChooseFontAndColours(label, state);
    if (LOWORD(lParam))
      ::InvalidateRect(label, nullptr, TRUE);
    return 0;
  }
  if (WM_GETFONT == message)
    return reinterpret_cast<LRESULT>(state.font);
  if (WM_SIZE == message) {
    ::GetClientRect(label, &state.client);
    return 0;
  }
  if (WM_ERASEBKGND == message)
    return TRUE;  // the caption's own fill covers the background
  if (WM_PAINT == message) {
    OnPaint(label, state);
    return 0;
  }
  if (WM_PRINTCLIENT == message) {
    OnPrintClient(label, state, reinterpret_cast<HDC>(wParam));
    return 0;
  }
  if (WM_LBUTTONDOWN == message) {
    NotifyParent(label, STN_CLICKED);
    return 0;
  }
  if (WM_LBUTTONDBLCLK == message) {
    NotifyParent(label, STN_DBLCLK);
    return 0;
  }
  return ::DefWindowProcA(label, message, wParam, lParam);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  if (WM_NCCREATE == message)
    ::SetWindowLongPtrA(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new LabelState));
  LabelState* state = StateOf(label);
  if (!state)
    return ::DefWindowProcA(label, message, wParam, lParam);
  if (WM_NCDESTROY == message) {
    ::SetWindowLongPtrA(label, GWLP_USERDATA, 0);
    delete state;
    return ::DefWindowProcA(label, message, wParam, lParam);
  }
  return HandleMessage(label, *state, message, wParam, lParam);
}

}  // namespace

void RegisterLabelClass() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_OWNDC | CS_DBLCLKS;
  wc.lpfnWndProc = LabelProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kLabelClassName;
  ::RegisterClassExA(&wc);  // fails harmlessly when already registered
}

}  // namespace velto::ui
