#pragma once

#include <string>

#include "host/window_handle.h"

namespace velto::library {

// One of the program's own windows, as the library's routines use it: its handle, its
// position in twips and its caption. The toolkits provide it.
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

// The library's yes and no.
inline constexpr int kTrue = -1;
inline constexpr int kFalse = 0;

}  // namespace velto::library
