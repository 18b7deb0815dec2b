#include "ui/win32/win32_form_window.h"

#include "host/host_text.h"
#include "ui/win32/win32_controls.h"
#include "ui/win32/win32_dpi.h"

namespace velto::ui {
namespace {

HCURSOR CursorHandle(Cursor cursor) {
  return ::LoadCursor(nullptr, cursor == Cursor::kUpArrow ? IDC_UPARROW : IDC_ARROW);
}

}  // namespace

Win32Form::Win32Form(const FormLayout& layout, const HandlerTable& handlers)
    : layout_(layout),
      handlers_(handlers),
      background_(::CreateSolidBrush(ControlColour(kBackgroundColour))),
      controls_(layout.controls.size(), nullptr),
      timers_(layout.controls.size()),
      captions_(layout.controls.size()) {}

Win32Form::~Win32Form() {
  if (hwnd_)
    ::DestroyWindow(hwnd_);
  for (auto& [key, font] : fonts_) ::DeleteObject(font);
  ::DeleteObject(background_);
}

void Win32Form::RegisterWindowClass() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.hCursor = CursorHandle(Cursor::kArrow);
  // The exe's own icon (resource 1), for the task bar and Alt+Tab; none in test programs.
  wc.hIcon = ::LoadIconA(wc.hInstance, MAKEINTRESOURCEA(1));
  wc.lpszClassName = kFormClassName;
  ::RegisterClassExA(&wc);  // fails harmlessly when already registered
}

// --- creation and layout ---

void Win32Form::Create() {
  if (hwnd_)
    return;
  dpi_ = ScreenDpi();
  const RECT rect = PixelRect(layout_.rect, dpi_);
  // A window with a caption is the one the system can name, so it alone is in the task bar.
  const DWORD exStyle = layout_.caption.empty() ? WS_EX_TOOLWINDOW : WS_EX_APPWINDOW;
  const std::string caption = host::ToHostBytes(layout_.caption);
  ::CreateWindowExA(exStyle, kFormClassName, caption.c_str(), WS_POPUP | WS_CLIPCHILDREN, rect.left,
                    rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                    ::GetModuleHandleA(nullptr), this);
  TakeTheDpiOfItsMonitor();
  CreateControls();
  LayOutControls();
  for (std::size_t i = 0; i < layout_.controls.size(); ++i) {
    const ControlLayout& control = layout_.controls[i];
    if (control.kind != ControlKind::kTimer)
      continue;
    timers_[i] = TimerSetting{control.timerEnabled, control.timerInterval, control.timerSchedule};
    Rearm(i);
  }
}

// A per-monitor aware window placed on a monitor whose dpi is not the primary one's gets
// no WM_DPICHANGED for it: it takes its size in inches at that monitor's dpi here, where
// it was placed.
void Win32Form::TakeTheDpiOfItsMonitor() {
  const int dpi = WindowDpi(hwnd_);
  if (dpi == dpi_)
    return;
  dpi_ = dpi;
  const RECT size = PixelRect(layout_.rect, dpi_);
  ::SetWindowPos(hwnd_, nullptr, 0, 0, size.right - size.left, size.bottom - size.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::CreateControls() {
  for (std::size_t i = 0; i < layout_.controls.size(); ++i) {
    const ControlLayout& control = layout_.controls[i];
    if (control.kind == ControlKind::kLabel) {
      controls_[i] = ControlCreateLabel(hwnd_, control, IdOf(i));
      captions_[i] = std::string(control.text);
    } else if (control.kind == ControlKind::kTextBox) {
      controls_[i] = ControlCreateTextBox(hwnd_, control, IdOf(i));
    }
  }
}

// Places the controls and gives them their fonts at the window's current dpi.
void Win32Form::LayOutControls() {
  for (std::size_t i = 0; i < layout_.controls.size(); ++i) {
    if (!controls_[i])
      continue;
    const ControlLayout& control = layout_.controls[i];
    const RECT rect = PixelRect(control.rect, dpi_);
    ::SetWindowPos(controls_[i], nullptr, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageA(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control.font)), TRUE);
  }
}

HFONT Win32Form::FontFor(const Font& font) {
  HFONT& handle = fonts_[FontKey{font.face, font.points}];
  if (!handle)
    handle = ControlCreateFont(font, dpi_);
  return handle;
}

// --- what the toolkit asks of the window ---

HWND Win32Form::Control(std::string_view name) const {
  const auto index = IndexOf(name);
  return index ? controls_[*index] : nullptr;
}

void Win32Form::Show() {
  ::ShowWindow(hwnd_, SW_SHOW);
  ::BringWindowToTop(hwnd_);
  ::SetForegroundWindow(hwnd_);
  FocusTextBox();
}

void Win32Form::Hide() {
  ::ShowWindow(hwnd_, SW_HIDE);
}

// A text box's text is the user's, read from the control each time; a label's caption
// is the one the toolkit last wrote.
std::string Win32Form::ControlValue(std::string_view name) const {
  const auto index = IndexOf(name);
  if (!index || !controls_[*index])
    return {};
  if (layout_.controls[*index].kind == ControlKind::kLabel)
    return captions_[*index];
  return ControlText(controls_[*index]);
}

void Win32Form::SetControlValue(std::string_view name, const std::string& value) {
  const auto index = IndexOf(name);
  if (!index || !controls_[*index])
    return;
  std::string held = ControlSetText(controls_[*index], value);
  if (layout_.controls[*index].kind == ControlKind::kLabel)
    captions_[*index] = std::move(held);
}

// The text box is the only control that takes the keyboard focus.
void Win32Form::FocusTextBox() {
  for (std::size_t i = 0; i < layout_.controls.size(); ++i) {
    if (layout_.controls[i].kind == ControlKind::kTextBox) {
      ::SetFocus(controls_[i]);
      return;
    }
  }
}

std::optional<std::size_t> Win32Form::IndexOf(std::string_view name) const {
  for (std::size_t i = 0; i < layout_.controls.size(); ++i) {
    if (layout_.controls[i].name == name)
      return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> Win32Form::IndexOfChild(HWND child) const {
  if (!child)
    return std::nullopt;
  const int id = ::GetDlgCtrlID(child);
  if (id < kFirstControlId)
    return std::nullopt;
  const auto index = static_cast<std::size_t>(id - kFirstControlId);
  if (index >= controls_.size() || controls_[index] != child)
    return std::nullopt;
  return index;
}

// --- the window procedure ---

LRESULT CALLBACK Win32Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Win32Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Win32Form*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!form)
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    form->hwnd_ = nullptr;
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return form->HandleMessage(message, wParam, lParam);
}

LRESULT Win32Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (WM_PAINT == message) {
    OnPaint();
    return 0;
  }
  if (WM_PRINTCLIENT == message) {
    OnPrintClient(reinterpret_cast<HDC>(wParam));
    return 0;
  }
  if (WM_ERASEBKGND == message) {
    RECT client;
    ::GetClientRect(hwnd_, &client);
    ::FillRect(reinterpret_cast<HDC>(wParam), &client, background_);
    return TRUE;
  }
  if (WM_CTLCOLORSTATIC == message || WM_CTLCOLOREDIT == message) {
    ControlSetPaintColours(reinterpret_cast<HDC>(wParam));
    return reinterpret_cast<LRESULT>(background_);
  }
  if (WM_SETCURSOR == message) {
    if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam)))
      return TRUE;
    return ::DefWindowProcA(hwnd_, message, wParam, lParam);
  }
  if (WM_COMMAND == message) {
    OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
    return 0;
  }
  if (WM_TIMER == message) {
    OnTimer(wParam);
    return 0;
  }
  if (WM_LBUTTONDOWN == message || WM_RBUTTONDOWN == message || WM_MBUTTONDOWN == message) {
    // Presses on labels and the text box go to those controls; only the background's come here.
    handlers_.Run(layout_.id, FormEvent::kMouseDown);
    return 0;
  }
  if (WM_SETFOCUS == message) {
    FocusTextBox();
    return 0;
  }
  // The time shown may be wrong at once after these: the system's time was set, the
  // user's time format or locale changed (WM_SETTINGCHANGE does not always say which
  // setting did; any costs one tick), or the machine woke from sleep. Top-level windows
  // receive them, hidden ones too.
  if (WM_TIMECHANGE == message || WM_SETTINGCHANGE == message) {
    OnClockChange();
    return 0;
  }
  if (WM_POWERBROADCAST == message) {
    if (PBT_APMRESUMEAUTOMATIC == wParam || PBT_APMRESUMESUSPEND == wParam)
      OnClockChange();
    return TRUE;
  }
  if (WM_QUERYENDSESSION == message)
    return TRUE;  // the program never holds up a log-off
  if (WM_ENDSESSION == message) {
    if (wParam)
      handlers_.Run(layout_.id, FormEvent::kEndSession);
    return 0;
  }
  if (WM_CLOSE == message) {
    // The bound handler decides what closing means; the window itself stays.
    handlers_.Run(layout_.id, FormEvent::kUnload);
    return 0;
  }
  if (WM_DPICHANGED == message) {
    OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    return 0;
  }
  return ::DefWindowProcA(hwnd_, message, wParam, lParam);
}

// --- the message handlers ---

void Win32Form::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(hwnd_, &paint);
  PaintLines(dc);
  ::EndPaint(hwnd_, &paint);
}

void Win32Form::OnPrintClient(HDC dc) {
  RECT client;
  ::GetClientRect(hwnd_, &client);
  ::FillRect(dc, &client, background_);
  PaintLines(dc);
}

void Win32Form::PaintLines(HDC dc) const {
  for (const ControlLayout& control : layout_.controls) {
    if (control.kind != ControlKind::kLine)
      continue;
    const LineShape& line = control.line;
    const COLORREF colour =
        line.systemWindowTextColour ? ::GetSysColor(COLOR_WINDOWTEXT) : ControlColour(line.colour);
    HPEN pen = ::CreatePen(PS_SOLID, 1, colour);  // 1 pixel at every dpi
    HGDIOBJ previous = ::SelectObject(dc, pen);
    ::MoveToEx(dc, TwipsToPixels(line.x1, dpi_), TwipsToPixels(line.y1, dpi_), nullptr);
    ::LineTo(dc, TwipsToPixels(line.x2, dpi_), TwipsToPixels(line.y2, dpi_));
    ::SelectObject(dc, previous);
    ::DeleteObject(pen);
  }
}

// Child controls pass WM_SETCURSOR to their parent first, so one place decides for all.
// Returns false where the class cursor applies: the arrow, or the I-beam over text boxes.
bool Win32Form::OnSetCursor(HWND under, UINT hitTest) {
  if (hitTest != HTCLIENT)
    return false;
  Cursor cursor = layout_.backgroundCursor;
  if (under != hwnd_) {
    const auto index = IndexOfChild(under);
    if (!index)
      return false;
    cursor = layout_.controls[*index].cursor;
  }
  if (cursor != Cursor::kUpArrow)
    return false;
  ::SetCursor(CursorHandle(cursor));
  return true;
}

void Win32Form::OnCommand(HWND from, UINT code) {
  if (code != STN_CLICKED)
    return;
  const auto index = IndexOfChild(from);
  if (!index)
    return;
  const ControlLayout& control = layout_.controls[*index];
  if (control.kind != ControlKind::kLabel || !control.answersClick)
    return;
  handlers_.Run(layout_.id, HandlerTable::Kind::kClick, control.name);
}

// Moved to a monitor of another dpi: the window takes the size the system suggests, and
// its controls and fonts are laid out again at the new dpi.
void Win32Form::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  std::map<FontKey, HFONT> previous;
  previous.swap(fonts_);
  ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  LayOutControls();
  for (auto& [key, font] : previous) ::DeleteObject(font);
  ::InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace velto::ui
