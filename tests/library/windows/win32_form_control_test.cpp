// The form control over a real window, and the window primitives acting through it on a
// window of this process, on real user32 (under Wine).

#include <windows.h>

#include <gtest/gtest.h>

#include "host/win32_handles.h"
#include "host/win32_platform.h"
#include "library/windows/primitives.h"
#include "library/windows/win32_own_controls.h"

namespace velto::testing {
namespace {

using library::Win32FormControl;

constexpr int kTwips = 15;  // per pixel

class Win32FormControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VeltoFormControlTest";
    ::RegisterClassW(&wc);  // fails harmlessly when already registered
    frame_ = Create(nullptr, WS_POPUP | WS_VISIBLE, 100, 80, 200, 150);
  }
  void TearDown() override { ::DestroyWindow(frame_); }

  HWND Create(HWND parent, DWORD style, int x, int y, int width, int height) {
    return ::CreateWindowExW(0, L"VeltoFormControlTest", L"", style, x, y, width, height, parent,
                             nullptr, ::GetModuleHandleW(nullptr), nullptr);
  }
  static RECT ScreenRect(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return rect;
  }

  host::Win32Platform platform_;
  HWND frame_ = nullptr;
};

TEST_F(Win32FormControlTest, ReadsAndMovesATopLevelWindowInTwipsOfTheScreen) {
  Win32FormControl form(host::FromHwnd(frame_));
  EXPECT_EQ(form.Handle(), host::FromHwnd(frame_));
  EXPECT_EQ(form.Left(), 100 * kTwips);
  EXPECT_EQ(form.Top(), 80 * kTwips);
  EXPECT_EQ(form.Width(), 200 * kTwips);
  EXPECT_EQ(form.Height(), 150 * kTwips);

  form.SetLeft(30 * kTwips);
  form.SetTop(-20 * kTwips);
  const RECT moved = ScreenRect(frame_);
  EXPECT_EQ(moved.left, 30);
  EXPECT_EQ(moved.top, -20);
  EXPECT_EQ(moved.right - moved.left, 200) << "a move keeps the size";
}

TEST_F(Win32FormControlTest, PlacesAChildWindowWithinItsParentsClientArea) {
  HWND child = Create(frame_, WS_CHILD | WS_VISIBLE, 12, 7, 40, 20);
  Win32FormControl form(host::FromHwnd(child));
  EXPECT_EQ(form.Left(), 12 * kTwips);
  EXPECT_EQ(form.Top(), 7 * kTwips);

  form.SetLeft(25 * kTwips);
  RECT rect = ScreenRect(child);
  ::MapWindowPoints(HWND_DESKTOP, frame_, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 25);
  EXPECT_EQ(rect.top, 7);
}

TEST_F(Win32FormControlTest, CaptionsRoundTripAsUtf8BeyondTheAnsiCodePage) {
  Win32FormControl form(host::FromHwnd(frame_));
  const std::string caption = "Caf\u00e9 \u203a \u4e16\u754c";  // é, ›, and two CJK letters
  form.SetCaption(caption);
  EXPECT_EQ(form.Caption(), caption);
  wchar_t wide[16] = {};
  ::GetWindowTextW(frame_, wide, 16);
  EXPECT_EQ(std::wstring(wide), L"Caf\u00e9 \u203a \u4e16\u754c");
}

TEST_F(Win32FormControlTest, AVanishedWindowReadsAsNothing) {
  HWND gone = Create(nullptr, WS_POPUP, 5, 5, 50, 50);
  ::DestroyWindow(gone);
  Win32FormControl form(host::FromHwnd(gone));
  EXPECT_EQ(form.Left(), 0);
  EXPECT_EQ(form.Width(), 0);
  EXPECT_EQ(form.Caption(), "");
  form.SetTop(300);  // must not fail
}

TEST_F(Win32FormControlTest, TopmostIsSetAndCleared) {
  Win32FormControl form(host::FromHwnd(frame_));
  library::MakeTopmost(platform_, form);
  EXPECT_NE(::GetWindowLongW(frame_, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  library::ClearTopmost(platform_, form);
  EXPECT_EQ(::GetWindowLongW(frame_, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

// Each slide ends where it stops today: down past 480 pixels, up and left once the whole
// window is off the screen, right once it is past the screen's right edge.
TEST_F(Win32FormControlTest, SlidesMoveTheRealWindowOffTheScreen) {
  Win32FormControl form(host::FromHwnd(frame_));
  library::SlideFormDown(platform_, form);
  EXPECT_GT(ScreenRect(frame_).top, 480);
  EXPECT_EQ(ScreenRect(frame_).left, 100) << "a vertical slide keeps the left edge";

  library::SlideFormUp(platform_, form);
  EXPECT_LT(ScreenRect(frame_).bottom, 0);

  library::SlideFormLeft(platform_, form);
  EXPECT_LT(ScreenRect(frame_).right, 0);

  library::SlideFormRight(platform_, form);
  EXPECT_GT(ScreenRect(frame_).left, ::GetSystemMetrics(SM_CXSCREEN));
}

}  // namespace
}  // namespace velto::testing
