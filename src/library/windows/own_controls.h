#pragma once

#include <string>

#include "host/window_handle.h"

// The program's own controls as the library's routines use them: text boxes, lists and
// forms. The library reads and fills them but never makes them; whoever owns the windows
// gives them, over real windows (library/windows/win32_own_controls.h) or in memory.
namespace velto::library {

class TextBoxControl {
 public:
  virtual ~TextBoxControl() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

// The items of a list box, as the toolkit that owns the list box reads them.
class ListItems {
 public:
  virtual ~ListItems() = default;
  virtual int Count() const = 0;
  // The item at index (from 0).
  virtual std::string Item(int index) const = 0;
};

// A list box, or the item list of a combo box.
class ListControl : public ListItems {
 public:
  virtual void AddItem(const std::string& item) = 0;
};

// One of the program's own windows: its handle, its position in twips and its caption.
class FormControl {
 public:
  virtual ~FormControl() = default;
  virtual host::WindowHandle Handle() = 0;
  virtual int Left() = 0;
  virtual int Top() = 0;
  virtual int Width() = 0;
  virtual int Height() = 0;
  virtual void SetLeft(int twips) = 0;
  virtual void SetTop(int twips) = 0;
  virtual std::string Caption() = 0;
  virtual void SetCaption(const std::string& caption) = 0;
};

}  // namespace velto::library
