#pragma once

#include <windows.h>

#include "ui/form_layout.h"

namespace velto::ui {

// The layout is in twips (1/1440 inch); windows are placed in pixels at a given dpi.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPointsPerInch = 72;

// The screen's dots per inch, as the system reports it to a dpi-aware program.
int ScreenDpi();
// The dots per inch of the monitor a window is on, where the system tells each window its
// own (Windows 10 and later, for a per-monitor aware program); the screen's elsewhere.
int WindowDpi(HWND window);
int TwipsToPixels(int twips, int dpi);
RECT PixelRect(const TwipRect& rect, int dpi);
// The height in pixels of a font of that many points; Win32 takes it negated.
int FontPixelHeight(double points, int dpi);

}  // namespace velto::ui
