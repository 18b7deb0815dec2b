#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/win32_handles.h"
#include "ui/form_layout.h"
#include "ui/win32/win32_toolkit.h"

// The Win32 toolkit's windows on real user32, and the ways its tests look at them.
namespace velto::ui {

using host::ToHwnd;

inline constexpr char kMarksUtf8[] = "‹¬·›•";
inline constexpr char kMarksHostBytes[] = "\x8B\xAC\xB7\x9B\x95";

// Where a rectangle of the layout lands at a dpi: its corner and its size each rounded to
// the nearest pixel (at 96 and 192 dpi the layout's twips, all multiples of 15, are whole
// pixels; at 144 dpi half pixels round up).
inline RECT PixelsAt(int dpi, const TwipRect& r) {
  const auto px = [dpi](int twips) { return ::MulDiv(twips, dpi, 1440); };
  return RECT{px(r.left), px(r.top), px(r.left) + px(r.width), px(r.top) + px(r.height)};
}

inline int ScreenDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

inline RECT PlacedOn(HWND form, HWND child) {
  RECT placed;
  ::GetWindowRect(child, &placed);
  ::MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&placed), 2);
  return placed;
}

inline std::string Describe(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

inline std::string WindowTextBytes(HWND window) {
  char buffer[256] = {};
  ::GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

// Handles this thread's messages for a while, as the program's loop would.
inline void PumpFor(DWORD milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  for (ULONGLONG now = ::GetTickCount64(); now < end; now = ::GetTickCount64()) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
}

// A window's client area, one COLORREF per pixel: as it paints itself (WM_PRINTCLIENT),
// or as it is on the screen now.
class Rendering {
 public:
  enum class From { kPrintClient, kScreen };
  explicit Rendering(HWND window, From from = From::kPrintClient) {
    RECT client;
    ::GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = ::SelectObject(dc, bitmap);
    if (from == From::kPrintClient) {
      ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc),
                     PRF_CLIENT | PRF_ERASEBKGND);
    } else {
      HDC screen = ::GetDC(window);
      ::BitBlt(dc, 0, 0, width_, height_, screen, 0, 0, SRCCOPY);
      ::ReleaseDC(window, screen);
    }
    ::GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < width_ * height_; ++i) {
      const std::uint32_t bgra = pixels[i];
      pixels_.push_back(RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF));
    }
    ::SelectObject(dc, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
  }
  COLORREF At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
  int RedPixels() const {
    int red = 0;
    for (COLORREF c : pixels_) {
      if (GetRValue(c) >= 0x80)
        ++red;
    }
    return red;
  }
  // Red text on black: every pixel a shade of pure red (smoothing may soften the edges),
  // the corner black, and some text drawn.
  void ExpectRedOnBlack(const std::string& what) const {
    ASSERT_FALSE(pixels_.empty()) << what;
    for (COLORREF c : pixels_) {
      ASSERT_TRUE(GetGValue(c) == 0 && GetBValue(c) == 0)
          << what << ": pixel " << std::hex << c << " is neither red nor black";
    }
    EXPECT_EQ(At(0, 0), RGB(0, 0, 0)) << what;
    EXPECT_GT(RedPixels(), 0) << what << ": no text";
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> pixels_;
};

class Win32ToolkitTest : public ::testing::Test {
 protected:
  HWND Form(FormId form) { return ToHwnd(toolkit_.Handle(form)); }
  HWND Control(FormId form, std::string_view name) {
    return ToHwnd(toolkit_.ControlHandle(form, name));
  }
  // The cursor the system shows over a child, asked as it asks: WM_SETCURSOR to the child,
  // which passes it to its parent first.
  HCURSOR CursorOver(HWND window) {
    ::SetCursor(nullptr);
    ::SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return ::GetCursor();
  }

  Win32Toolkit toolkit_;
};

}  // namespace velto::ui
