#include "ui/win32/win32_toolkit.h"

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "host/host_text.h"
#include "host/win32_handles.h"
#include "ui/win32/win32_form_window.h"
#include "ui/win32/win32_label.h"

namespace velto::ui {

using host::FromHwnd;
using host::ToHwnd;

Win32Toolkit::Win32Toolkit() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  Win32Form::RegisterWindowClass();
  RegisterLabelClass();
  for (FormId id : {FormId::kForm1, FormId::kForm2, FormId::kForm3}) {
    forms_[static_cast<int>(id)] = std::make_unique<Win32Form>(LayoutOf(id), handlers_);
  }
}

Win32Toolkit::~Win32Toolkit() = default;

Win32Form& Win32Toolkit::FormOf(FormId form) {
  return *forms_[static_cast<int>(form)];
}

// --- bindings ---

void Win32Toolkit::OnClick(FormId form, std::string_view control, Handler handler) {
  handlers_.Bind(form, HandlerTable::Kind::kClick, control, std::move(handler));
}

void Win32Toolkit::OnTimer(FormId form, std::string_view timer, Handler handler) {
  handlers_.Bind(form, HandlerTable::Kind::kTimer, timer, std::move(handler));
}

void Win32Toolkit::OnFormEvent(FormId form, FormEvent event, Handler handler) {
  handlers_.Bind(form, event, std::move(handler));
}

// --- windows ---

void Win32Toolkit::Load(FormId form) {
  if (FormOf(form).Window())
    return;
  FormOf(form).Create();
  handlers_.Run(form, FormEvent::kLoad);
}

void Win32Toolkit::Show(FormId form) {
  Load(form);
  FormOf(form).Show();
  front_ = form;
}

void Win32Toolkit::Hide(FormId form) {
  Load(form);
  FormOf(form).Hide();
}

bool Win32Toolkit::IsVisible(FormId form) {
  HWND window = FormOf(form).Window();
  return window && ::IsWindowVisible(window);
}

host::WindowHandle Win32Toolkit::Handle(FormId form) {
  return FromHwnd(FormOf(form).Window());
}

host::WindowHandle Win32Toolkit::ControlHandle(FormId form, std::string_view control) {
  return FromHwnd(FormOf(form).Control(control));
}

// --- controls ---

std::string Win32Toolkit::Caption(FormId form, std::string_view label) {
  return FormOf(form).ControlValue(label);
}

void Win32Toolkit::SetCaption(FormId form, std::string_view label, const std::string& caption) {
  FormOf(form).SetControlValue(label, caption);
}

std::string Win32Toolkit::Text(FormId form, std::string_view textBox) {
  return FormOf(form).ControlValue(textBox);
}

void Win32Toolkit::SetTimerEnabled(FormId form, std::string_view timer, bool enabled) {
  FormOf(form).SetTimerEnabled(timer, enabled);
}

void Win32Toolkit::SetTimerInterval(FormId form, std::string_view timer, int milliseconds) {
  FormOf(form).SetTimerInterval(timer, milliseconds);
}

// --- boxes, time, end ---

host::WindowHandle Win32Toolkit::FrontWindow() {
  if (!front_ || !IsVisible(*front_))
    return host::kNoWindow;
  return Handle(*front_);
}

void Win32Toolkit::ShowMessageBox(std::string_view text, std::string_view title) {
  const std::string textBytes = host::ToHostBytes(text);
  const std::string titleBytes = host::ToHostBytes(title);
  ::MessageBoxA(ToHwnd(FrontWindow()), textBytes.c_str(), titleBytes.c_str(), MB_OK);
}

namespace {

// The time in the user's format: one call into the system where the text fits the usual
// buffer, a second to size a longer one.
std::string FormattedTime(const SYSTEMTIME& time) {
  constexpr int kUsualLength = 64;
  char usual[kUsualLength];
  int written = ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, usual, kUsualLength);
  if (written > 0)
    return host::FromHostBytes(std::string_view(usual, static_cast<std::size_t>(written - 1)));
  const int size = ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, nullptr, 0);
  if (size <= 0)
    return {};
  std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
  written = ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, buffer.data(), size);
  // The count includes the terminating null.
  return host::FromHostBytes(std::string_view(buffer.data(), written > 1 ? written - 1 : 0));
}

}  // namespace

// Formatted anew at every ask: the clock asks once a second, and again at once when the
// user's time format has changed.
std::string Win32Toolkit::TimeOfDayText() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return FormattedTime(now);
}

void Win32Toolkit::EndProgram() {
  ::ExitProcess(0);
}

}  // namespace velto::ui
