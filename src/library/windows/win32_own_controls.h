#pragma once

#include <cstdint>
#include <string>

#include "host/window_handle.h"
#include "library/windows/own_controls.h"

// The program's own controls over real windows: EDIT, LISTBOX and COMBOBOX windows, whose
// text crosses as the host's 8-bit code page, and a form over any window.
namespace velto::library {

class Win32TextBox : public TextBoxControl {
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

class Win32ListControl : public ListControl {
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

// A FormControl over a real window, so the window primitives (SlideForm*, MakeTopmost,
// ClearTopmost ...) act on a consumer's own windows. Positions are in twips at 15 per
// pixel, the scale the slides measure the screen in; a child window's position is within
// its parent's client area, a top-level window's on the screen. The caption is read and
// written as Unicode and given as UTF-8. The window stays the caller's: nothing is
// destroyed here, and a handle that no longer names a window reads as 0 everywhere.
class Win32FormControl : public FormControl {
 public:
  explicit Win32FormControl(host::WindowHandle window) : window_(window) {}

  host::WindowHandle Handle() override { return window_; }
  int Left() override;
  int Top() override;
  int Width() override;
  int Height() override;
  void SetLeft(int twips) override;
  void SetTop(int twips) override;
  std::string Caption() override;
  void SetCaption(const std::string& caption) override;

 private:
  host::WindowHandle window_;
};

}  // namespace velto::library
