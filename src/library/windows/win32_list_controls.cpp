#include "library/windows/win32_own_controls.h"

#include <windows.h>

#include <vector>

#include "host/host_text.h"
#include "host/win32_handles.h"

namespace velto::library {

using host::ToHwnd;
namespace {

constexpr ListMessages kListBoxMessages{LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_ADDSTRING};
constexpr ListMessages kComboBoxMessages{CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_ADDSTRING};

LRESULT Send(host::WindowHandle window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(ToHwnd(window), message, wParam, lParam);
}

// Reads text of a known length: the message fills the buffer and its NUL.
std::string ReadText(host::WindowHandle window, UINT message, WPARAM wParam, LRESULT length) {
  if (length <= 0)
    return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = Send(window, message, wParam, reinterpret_cast<LPARAM>(buffer.data()));
  if (copied <= 0)
    return {};
  return host::FromHostBytes(std::string_view(buffer.data(), static_cast<std::size_t>(copied)));
}

}  // namespace

std::string Win32TextBox::Text() const {
  const LRESULT length = Send(edit_, WM_GETTEXTLENGTH, 0, 0);
  return ReadText(edit_, WM_GETTEXT, static_cast<WPARAM>(length + 1), length);
}

void Win32TextBox::SetText(const std::string& text) {
  const std::string bytes = host::ToHostBytes(text);
  Send(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(bytes.c_str()));
}

int Win32ListControl::Count() const {
  const LRESULT count = Send(list_, messages_.getCount, 0, 0);
  return count < 0 ? 0 : static_cast<int>(count);
}

std::string Win32ListControl::Item(int index) const {
  const auto wParam = static_cast<WPARAM>(index);
  const LRESULT length = Send(list_, messages_.getTextLength, wParam, 0);
  return ReadText(list_, messages_.getText, wParam, length);  // LB_ERR and CB_ERR are -1
}

void Win32ListControl::AddItem(const std::string& item) {
  const std::string bytes = host::ToHostBytes(item);
  Send(list_, messages_.addString, 0, reinterpret_cast<LPARAM>(bytes.c_str()));
}

Win32ListBox::Win32ListBox(host::WindowHandle listBox)
    : Win32ListControl(listBox, kListBoxMessages) {}

Win32ComboBox::Win32ComboBox(host::WindowHandle comboBox)
    : Win32ListControl(comboBox, kComboBoxMessages) {}

}  // namespace velto::library
