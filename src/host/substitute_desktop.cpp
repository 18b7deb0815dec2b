// The desktop as a whole: the pointer, the screen, the mouse capture. The window tree,
// message delivery, the clock, menus and process memory each have a file of their own
// (substitute_desktop_*.cpp).

#include "host/substitute_desktop.h"

#include "host/timings.h"

namespace velto::host {

SubstituteDesktop::SubstituteDesktop() : sendBound_(timings::kHungHostMilliseconds / 1000.0) {}

void SubstituteDesktop::ReleaseCapture() {
  ++platformCalls_;
  ++captureReleases_;
}

Point SubstituteDesktop::GetCursorPos() {
  ++platformCalls_;
  return cursor_;
}

void SubstituteDesktop::SetCursorPos(int x, int y) {
  ++platformCalls_;
  cursor_ = Point{x, y};
}

int SubstituteDesktop::GetSystemMetrics(int index) {
  ++platformCalls_;
  constexpr int kScreenWidth = 0;   // SM_CXSCREEN
  constexpr int kScreenHeight = 1;  // SM_CYSCREEN
  if (index == kScreenWidth)
    return screenWidth_;
  if (index == kScreenHeight)
    return screenHeight_;
  return 0;
}

}  // namespace velto::host
