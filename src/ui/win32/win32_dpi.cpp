#include "ui/win32/win32_dpi.h"

#include <cmath>

namespace velto::ui {

int ScreenDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

int TwipsToPixels(int twips, int dpi) {
  return ::MulDiv(twips, dpi, kTwipsPerInch);
}

RECT PixelRect(const TwipRect& rect, int dpi) {
  const int left = TwipsToPixels(rect.left, dpi);
  const int top = TwipsToPixels(rect.top, dpi);
  return RECT{left, top, left + TwipsToPixels(rect.width, dpi),
              top + TwipsToPixels(rect.height, dpi)};
}

int FontPixelHeight(double points, int dpi) {
  return static_cast<int>(std::lround(points * dpi / kPointsPerInch));
}

}  // namespace velto::ui
