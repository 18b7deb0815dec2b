#pragma once

#include <cstdint>
#include <string>

#include "host/controls.h"
#include "host/window_handle.h"

// The library's controls over real EDIT, LISTBOX and COMBOBOX windows of this program.
// Text crosses as the host's 8-bit code page.
namespace velto::ui {

class Win32TextBox : public host::TextBoxControl {
 public:
  explicit Win32TextBox(host::WindowHandle edit) : edit_(edit) {}
  std::string Text() const override;
  void SetText(const std::string& text) override;

 private:
  host::WindowHandle edit_;
};

// The messages that read and grow a list: a list box's LB_ or a combo box's CB_ set.
struct ListMessages {
  std::uint32_t getCount;
  std::uint32_t getTextLength;
  std::uint32_t getText;
  std::uint32_t addString;
};

class Win32ListControl : public host::ListControl {
 public:
  Win32ListControl(host::WindowHandle list, const ListMessages& messages)
      : list_(list), messages_(messages) {}
  int Count() const override;
  // Empty past the end.
  std::string Item(int index) const override;
  void AddItem(const std::string& item) override;

 private:
  host::WindowHandle list_;
  ListMessages messages_;
};

class Win32ListBox : public Win32ListControl {
 public:
  explicit Win32ListBox(host::WindowHandle listBox);
};

class Win32ComboBox : public Win32ListControl {
 public:
  explicit Win32ComboBox(host::WindowHandle comboBox);
};

}  // namespace velto::ui
