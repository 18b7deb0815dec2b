#include "ui/win32/win32_dpi.h"

#include <cmath>

namespace velto::ui {

int ScreenDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

int WindowDpi(HWND window) {
  // Looked up at run time: Windows before 10 has no GetDpiForWindow, and the program
  // must load there.
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow =
      reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
          ::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  const UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0;
  return dpi > 0 ? static_cast<int>(dpi) : ScreenDpi();
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
