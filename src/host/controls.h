#pragma once

#include <string>

#include "host/list_items.h"

// The program's own controls as the library's file routines use them. The toolkits
// provide them: in memory (ui/headless_list_controls.h) and over real Win32 controls
// (ui/win32/win32_list_controls.h).
namespace velto::host {

class TextBoxControl {
 public:
  virtual ~TextBoxControl() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

// A list box, or the item list of a combo box.
class ListControl : public ListItems {
 public:
  virtual void AddItem(const std::string& item) = 0;
};

}  // namespace velto::host
