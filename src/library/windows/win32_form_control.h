#pragma once

#include <string>

#include "library/windows/form_control.h"

namespace velto::library {

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
