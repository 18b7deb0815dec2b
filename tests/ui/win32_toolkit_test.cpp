#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "host/win32_handles.h"
#include "ui/control_names.h"
#include "ui/form_layout.h"
#include "ui/golden_layout.h"
#include "ui/win32/win32_toolkit.h"

namespace velto::ui {

using host::ToHwnd;
namespace golden = testing::golden;
namespace {

using ::testing::Contains;

constexpr char kMarksUtf8[] = "‹¬·›•";
constexpr char kMarksHostBytes[] = "\x8B\xAC\xB7\x9B\x95";

// Where a rectangle of the layout lands at a dpi: its corner and its size each rounded to
// the nearest pixel (at 96 and 192 dpi the layout's twips, all multiples of 15, are whole
// pixels; at 144 dpi half pixels round up).
RECT PixelsAt(int dpi, const TwipRect& r) {
  const auto px = [dpi](int twips) { return ::MulDiv(twips, dpi, 1440); };
  return RECT{px(r.left), px(r.top), px(r.left) + px(r.width), px(r.top) + px(r.height)};
}

int ScreenDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

RECT PlacedOn(HWND form, HWND child) {
  RECT placed;
  ::GetWindowRect(child, &placed);
  ::MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&placed), 2);
  return placed;
}

std::string Describe(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

std::string WindowTextBytes(HWND window) {
  char buffer[256] = {};
  ::GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

// Handles this thread's messages for a while, as the program's loop would.
void PumpFor(DWORD milliseconds) {
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

// The golden table, in pixels at the screen's dpi: rectangles, captions with their blanks,
// fonts. Run at 96 dpi and again at 144 dpi (the test list sets Wine's dpi for the second).
TEST_F(Win32ToolkitTest, PlacesBorderlessWindowsAndTheirControlsAtTheGoldenRectangles) {
  const int dpi = ScreenDpi();

  const std::pair<FormId, const golden::Window& (*)()> forms[] = {{FormId::kForm1, golden::Form1},
                                                                  {FormId::kForm2, golden::Form2},
                                                                  {FormId::kForm3, golden::Form3}};
  for (const auto& [id, table] : forms) {
    const golden::Window& g = table();
    toolkit_.Load(id);
    HWND form = Form(id);
    ASSERT_TRUE(form) << g.name;

    RECT window, client;
    ::GetWindowRect(form, &window);
    ::GetClientRect(form, &client);
    EXPECT_EQ(Describe(window), Describe(PixelsAt(dpi, TwipRect{g.left, g.top, g.width, g.height})))
        << g.name;
    EXPECT_EQ(WindowTextBytes(form), g.caption) << g.name;
    EXPECT_EQ(client.right, window.right - window.left) << g.name << ": has a frame";
    EXPECT_EQ(client.bottom, window.bottom - window.top) << g.name << ": has a frame";
    const LONG_PTR style = ::GetWindowLongPtrA(form, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP) << g.name;
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX)) << g.name;
    EXPECT_FALSE(::IsWindowVisible(form)) << g.name << ": Load must not show";

    for (const golden::Control& c : g.controls) {
      if (c.kind != golden::Kind::kLabel && c.kind != golden::Kind::kTextBox)
        continue;
      const std::string where = std::string(g.name) + "." + c.name;
      HWND child = Control(id, c.name);
      ASSERT_TRUE(child) << where;
      EXPECT_EQ(Describe(PlacedOn(form, child)),
                Describe(PixelsAt(dpi, TwipRect{c.left, c.top, c.width, c.height})))
          << where;
      EXPECT_EQ(WindowTextBytes(child), c.text) << where;
      LOGFONTA font{};
      ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(child, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
      EXPECT_STREQ(font.lfFaceName, c.face) << where;
      EXPECT_EQ(font.lfHeight, -static_cast<LONG>(c.points * dpi / 72 + 0.5)) << where;
    }
  }
  EXPECT_TRUE(::GetWindowLongPtrA(Form(FormId::kForm2), GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

// The labels' fonts grow with the dpi as their rectangles do, so every caption, wrapped as
// the label wraps it, stays inside its label.
TEST_F(Win32ToolkitTest, EveryCaptionFitsInsideItsLabel) {
  for (FormId id : {FormId::kForm1, FormId::kForm2, FormId::kForm3}) {
    const FormLayout& layout = LayoutOf(id);
    toolkit_.Load(id);
    for (const ControlLayout& control : layout.controls) {
      if (control.kind != ControlKind::kLabel || control.text.empty())
        continue;
      HWND label = Control(id, control.name);
      ASSERT_TRUE(label) << layout.name << "." << control.name;
      RECT inside;
      ::GetClientRect(label, &inside);
      char caption[256] = {};
      ::GetWindowTextA(label, caption, sizeof caption);
      RECT needed = inside;
      HDC dc = ::GetDC(label);
      HGDIOBJ previous =
          ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(label, WM_GETFONT, 0, 0)));
      ::DrawTextA(dc, caption, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
      ::SelectObject(dc, previous);
      ::ReleaseDC(label, dc);
      EXPECT_LE(needed.right, inside.right) << layout.name << "." << control.name;
      EXPECT_LE(needed.bottom, inside.bottom) << layout.name << "." << control.name;
    }
  }
}

// Enter confirms nothing: only a click on "  enter" does.
TEST_F(Win32ToolkitTest, EnterInTheHandlePromptConfirmsNothing) {
  int confirmed = 0;
  toolkit_.OnClick(FormId::kForm1, handle_prompt::kEnter, [&] { ++confirmed; });
  toolkit_.Show(FormId::kForm1);
  HWND textBox = Control(FormId::kForm1, handle_prompt::kHandle);
  ::SetForegroundWindow(Form(FormId::kForm1));
  ::SetFocus(textBox);
  PumpFor(50);
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_RETURN;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, keys, sizeof(INPUT));
  ::PostMessageA(textBox, WM_KEYDOWN, VK_RETURN, 0);
  ::PostMessageA(textBox, WM_CHAR, '\r', 0);
  ::PostMessageA(textBox, WM_KEYUP, VK_RETURN, 0);
  PumpFor(150);
  EXPECT_EQ(confirmed, 0);
  EXPECT_TRUE(toolkit_.IsVisible(FormId::kForm1));
}

TEST_F(Win32ToolkitTest, LaysItselfOutAgainOnAMonitorOfAnotherDpi) {
  toolkit_.Load(FormId::kForm3);
  HWND form = Form(FormId::kForm3);
  RECT suggested = PixelsAt(192, LayoutOf(FormId::kForm3).rect);
  ::SendMessageA(form, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));

  RECT window;
  ::GetWindowRect(form, &window);
  EXPECT_EQ(Describe(window), Describe(suggested));
  HWND label = Control(FormId::kForm3, "Label8");
  EXPECT_EQ(Describe(PlacedOn(form, label)),
            Describe(PixelsAt(192, LayoutOf(FormId::kForm3).Find("Label8")->rect)));
  LOGFONTA font{};
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(label, WM_GETFONT, 0, 0)), sizeof font,
               &font);
  EXPECT_EQ(font.lfHeight, -21) << "8 points at 192 dpi, 21.3 pixels";
}

TEST_F(Win32ToolkitTest, PaintsLabelsAndTextBoxesRedOnBlackAndLinesInTheirColours) {
  toolkit_.Load(FormId::kForm1);
  toolkit_.Load(FormId::kForm2);
  Rendering(Control(FormId::kForm2, main_window::kTitle)).ExpectRedOnBlack("Form2.Label6");
  Rendering(Control(FormId::kForm2, main_window::kReason)).ExpectRedOnBlack("Form2.text1");
  Rendering(Control(FormId::kForm1, handle_prompt::kEnter)).ExpectRedOnBlack("Form1.Label2");

  // Line1 runs down x = 360 twips; Line12 is a single pixel at (1770, 1815) twips. Lines
  // stay one pixel wide at every dpi.
  const auto px = [dpi = ScreenDpi()](int twips) { return ::MulDiv(twips, dpi, 1440); };
  const Rendering form1(Form(FormId::kForm1));
  EXPECT_EQ(form1.At(px(360), px(300)), RGB(0, 0, 255));
  EXPECT_EQ(form1.At(px(360) - 1, px(300)), RGB(0, 0, 0));
  const Rendering form2(Form(FormId::kForm2));
  EXPECT_EQ(form2.At(px(1770), px(1815)), ::GetSysColor(COLOR_WINDOWTEXT));
}

TEST_F(Win32ToolkitTest, ShowsTheUpArrowWhereTheLayoutSaysAndTheUsualCursorsElsewhere) {
  toolkit_.Load(FormId::kForm2);
  toolkit_.Load(FormId::kForm3);
  const HCURSOR upArrow = ::LoadCursor(nullptr, IDC_UPARROW);
  const HCURSOR arrow = ::LoadCursor(nullptr, IDC_ARROW);
  EXPECT_EQ(CursorOver(Form(FormId::kForm2)), upArrow);
  for (const char* label : {"Label1", "Label2", "Label5"}) {
    EXPECT_EQ(CursorOver(Control(FormId::kForm2, label)), upArrow) << label;
  }
  EXPECT_EQ(CursorOver(Control(FormId::kForm2, main_window::kQuit)), arrow);
  EXPECT_EQ(CursorOver(Control(FormId::kForm2, main_window::kReason)),
            ::LoadCursor(nullptr, IDC_IBEAM));
  EXPECT_EQ(CursorOver(Form(FormId::kForm3)), arrow);
}

TEST_F(Win32ToolkitTest, TimersFireOnlyWhileEnabledWithAnInterval) {
  int idleTicks = 0;
  int clockTicks = 0;
  toolkit_.OnTimer(FormId::kForm2, main_window::kIdleTimer, [&] { ++idleTicks; });
  toolkit_.OnTimer(FormId::kForm2, main_window::kClockTimer, [&] { ++clockTicks; });
  toolkit_.Load(FormId::kForm2);  // hidden: its timers run all the same

  PumpFor(250);
  EXPECT_GE(clockTicks, 1) << "the clock timer runs from creation";
  EXPECT_EQ(idleTicks, 0) << "an interval of 0 never fires";

  toolkit_.SetTimerInterval(FormId::kForm2, main_window::kIdleTimer, 20);
  PumpFor(150);
  EXPECT_GE(idleTicks, 2);

  toolkit_.SetTimerEnabled(FormId::kForm2, main_window::kIdleTimer, false);
  idleTicks = 0;
  PumpFor(100);
  EXPECT_EQ(idleTicks, 0) << "disabled";

  toolkit_.SetTimerEnabled(FormId::kForm2, main_window::kIdleTimer, true);
  PumpFor(100);
  EXPECT_GE(idleTicks, 1) << "enabled again with its interval kept";

  toolkit_.SetTimerInterval(FormId::kForm2, main_window::kIdleTimer, 0);
  idleTicks = 0;
  PumpFor(100);
  EXPECT_EQ(idleTicks, 0) << "interval back to 0";
}

// The clock ticks 50 ms after its window is made, then once a second, just after the
// whole second (how soon after is the headless tests' to check; a busy machine delays
// real timers); a set time, a changed format or locale and a resume tick it at once.
TEST_F(Win32ToolkitTest, TheClockTicksOnTheWholeSecondsAndAtOnceAfterATimeFormatOrPowerChange) {
  std::vector<int> pastTheSecond;  // milliseconds, at each tick
  toolkit_.OnTimer(FormId::kForm2, main_window::kClockTimer, [&] {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    pastTheSecond.push_back(now.wMilliseconds);
  });
  toolkit_.Load(FormId::kForm2);  // hidden: its clock runs all the same
  PumpFor(2600);
  ASSERT_GE(pastTheSecond.size(), 3u);
  EXPECT_LE(pastTheSecond.size(), 4u) << "the first tick, then one a second";
  for (std::size_t i = 1; i < pastTheSecond.size(); ++i)
    EXPECT_LT(pastTheSecond[i], 500) << "tick " << i << " came long after its second";

  const HWND form = Form(FormId::kForm2);
  const struct {
    UINT message;
    WPARAM wParam;
    std::size_t ticks;
  } notices[] = {
      {WM_TIMECHANGE, 0, 1},
      {WM_SETTINGCHANGE, 0, 1},
      {WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 1},
      {WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 1},
      {WM_POWERBROADCAST, PBT_APMSUSPEND, 0},
  };
  for (const auto& notice : notices) {
    const std::size_t before = pastTheSecond.size();
    ::SendMessageA(form, notice.message, notice.wParam, 0);
    EXPECT_EQ(pastTheSecond.size() - before, notice.ticks)
        << "message " << std::hex << notice.message << " " << notice.wParam;
  }
}

TEST_F(Win32ToolkitTest, LoadRunsOnceBeforeTheFirstShowAndShowFocusesTheTextBox) {
  int loads = 0;
  bool visibleDuringLoad = true;
  toolkit_.OnFormEvent(FormId::kForm1, FormEvent::kLoad, [&] {
    ++loads;
    visibleDuringLoad = toolkit_.IsVisible(FormId::kForm1);
  });

  toolkit_.Show(FormId::kForm1);
  EXPECT_EQ(loads, 1);
  EXPECT_FALSE(visibleDuringLoad);
  EXPECT_TRUE(toolkit_.IsVisible(FormId::kForm1));
  HWND textBox = Control(FormId::kForm1, handle_prompt::kHandle);
  EXPECT_EQ(::GetFocus(), textBox);

  ::SetWindowTextA(textBox, "Vrel");
  toolkit_.Hide(FormId::kForm1);
  EXPECT_FALSE(toolkit_.IsVisible(FormId::kForm1));
  toolkit_.Show(FormId::kForm1);
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(toolkit_.Text(FormId::kForm1, handle_prompt::kHandle), "Vrel");
  EXPECT_EQ(::GetFocus(), textBox);
}

TEST_F(Win32ToolkitTest, SystemCloseRunsUnloadAndLeavesTheWindowToTheHandler) {
  int unloads = 0;
  toolkit_.OnFormEvent(FormId::kForm3, FormEvent::kUnload, [&] { ++unloads; });
  toolkit_.Show(FormId::kForm3);
  HWND form = Form(FormId::kForm3);

  ::SendMessageA(form, WM_CLOSE, 0, 0);
  EXPECT_EQ(unloads, 1);
  // Alt+F4 arrives as the close command, even on a window without a system menu.
  ::SendMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(unloads, 2);
  EXPECT_TRUE(::IsWindow(form));
  EXPECT_TRUE(toolkit_.IsVisible(FormId::kForm3));
}

// Real mouse input, so the system's hit testing decides which window a press reaches.
TEST_F(Win32ToolkitTest, PressesOnLabelsClickThemAndOnlyPressesOnTheBackgroundRunMouseDown) {
  int mouseDowns = 0;
  int clicks = 0;
  toolkit_.OnFormEvent(FormId::kForm3, FormEvent::kMouseDown, [&] { ++mouseDowns; });
  toolkit_.OnClick(FormId::kForm3, private_rooms_window::kExit, [&] { ++clicks; });
  toolkit_.Show(FormId::kForm3);
  PumpFor(50);

  RECT exit;
  ::GetWindowRect(Control(FormId::kForm3, private_rooms_window::kExit), &exit);
  const auto press = [](POINT at, DWORD down, DWORD up) {
    ::SetCursorPos(at.x, at.y);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = down;
    inputs[1].mi.dwFlags = up;
    ::SendInput(2, inputs, sizeof(INPUT));
    PumpFor(100);
  };
  press({exit.left + 5, exit.top + 5}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(mouseDowns, 0) << "a press on a label must not start a drag";

  RECT form;
  ::GetWindowRect(Form(FormId::kForm3), &form);
  const POINT background{form.left + 2, form.bottom - 2};
  press(background, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  press(background, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(mouseDowns, 2);
  EXPECT_EQ(clicks, 1);
}

TEST_F(Win32ToolkitTest, TextCrossesToAndFromWindowsAsWindows1252) {
  toolkit_.Load(FormId::kForm2);
  EXPECT_EQ(WindowTextBytes(Form(FormId::kForm2)), "Velto Idler by: Vrel");

  toolkit_.SetCaption(FormId::kForm2, main_window::kClock, kMarksUtf8);
  EXPECT_EQ(WindowTextBytes(Control(FormId::kForm2, main_window::kClock)), kMarksHostBytes);
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kClock), kMarksUtf8);

  // What the user types arrives as the 8-bit bytes and is read back as UTF-8.
  ::SetWindowTextA(Control(FormId::kForm2, main_window::kReason), kMarksHostBytes);
  EXPECT_EQ(toolkit_.Text(FormId::kForm2, main_window::kReason), kMarksUtf8);
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kTitle), "    Velto Idle By: Vrel");

  const std::string time = toolkit_.TimeOfDayText();
  EXPECT_NE(time.find(':'), std::string::npos) << time;
  EXPECT_EQ(time.find('\0'), std::string::npos) << "the terminating null is not text";
}

// The clock's label changes every second: a new caption is on the screen as soon as it
// is set, before the program's loop handles anything, as a system STATIC draws it.
TEST_F(Win32ToolkitTest, ANewCaptionIsOnTheScreenAtOnce) {
  toolkit_.Show(FormId::kForm2);
  PumpFor(100);
  HWND clock = Control(FormId::kForm2, main_window::kClock);
  toolkit_.SetCaption(FormId::kForm2, main_window::kClock, "");
  EXPECT_EQ(Rendering(clock, Rendering::From::kScreen).RedPixels(), 0);
  toolkit_.SetCaption(FormId::kForm2, main_window::kClock, "12:34:56");
  Rendering(clock, Rendering::From::kScreen).ExpectRedOnBlack("the clock");
  toolkit_.SetCaption(FormId::kForm2, main_window::kClock, "");
  EXPECT_EQ(Rendering(clock, Rendering::From::kScreen).RedPixels(), 0) << "the old one wiped";
}

// The clock's text is never behind the system's time of day, also right after a whole
// second: it is one of the two times read just before and just after it.
TEST_F(Win32ToolkitTest, TheTimeOfDayTextKeepsUpWithTheSystemsClock) {
  const auto formatted = [](const SYSTEMTIME& time) {
    char text[64] = {};
    ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, text, sizeof text);
    return std::string(text);
  };
  int behind = 0;
  int seconds = 0;
  std::string previous;
  for (const ULONGLONG end = ::GetTickCount64() + 2500; ::GetTickCount64() < end; ::Sleep(5)) {
    SYSTEMTIME before;
    ::GetLocalTime(&before);
    const std::string text = toolkit_.TimeOfDayText();
    SYSTEMTIME after;
    ::GetLocalTime(&after);
    if (text != formatted(before) && text != formatted(after))
      ++behind;
    if (text != previous)
      ++seconds;
    previous = text;
  }
  EXPECT_EQ(behind, 0);
  EXPECT_GE(seconds, 3) << "2.5 s show at least three seconds";
}

// A label's caption is read back as the label shows it, after every kind of write: the
// clock's once a second, a counter's, a character Windows-1252 lacks ("?" on the label).
TEST_F(Win32ToolkitTest, LabelCaptionsReadBackAsTheLabelsShowThem) {
  toolkit_.Load(FormId::kForm2);
  HWND clock = Control(FormId::kForm2, main_window::kClock);
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kClock), WindowTextBytes(clock));

  for (const char* caption : {"12:00:01", "12:00:02", "", "   7", "\u2603 snow"}) {
    toolkit_.SetCaption(FormId::kForm2, main_window::kClock, caption);
    EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kClock), WindowTextBytes(clock))
        << caption;
  }
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kClock), "? snow");

  toolkit_.SetCaption(FormId::kForm2, main_window::kMinutesIdled, "42");
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kMinutesIdled), "42");
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, main_window::kClock), "? snow")
      << "each label its own";
  EXPECT_EQ(toolkit_.Caption(FormId::kForm2, "NoSuchLabel"), "");
}

// What a message box showed, read by another thread while the box is up, which then
// answers it. The box is the user-interface thread's active window.
struct SeenBox {
  std::string title;
  std::vector<std::string> texts;
  HWND owner = nullptr;
  int icons = 0;    // visible icon controls holding an icon
  int buttons = 0;  // visible buttons
};

bool IsClass(HWND window, const char* className) {
  char name[32] = {};
  ::GetClassNameA(window, name, sizeof name);
  return ::lstrcmpiA(name, className) == 0;
}

SeenBox CloseNextMessageBox(DWORD uiThread) {
  SeenBox seen;
  for (int attempt = 0; attempt < 500; ++attempt, ::Sleep(10)) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    char name[16] = {};
    if (!::GetGUIThreadInfo(uiThread, &info) || !info.hwndActive)
      continue;
    if (::GetClassNameA(info.hwndActive, name, sizeof name) && std::string(name) == "#32770") {
      HWND box = info.hwndActive;
      seen.title = WindowTextBytes(box);
      seen.owner = ::GetWindow(box, GW_OWNER);
      for (HWND child = ::GetWindow(box, GW_CHILD); child;
           child = ::GetWindow(child, GW_HWNDNEXT)) {
        seen.texts.push_back(WindowTextBytes(child));
        if (!::IsWindowVisible(child))
          continue;
        if (IsClass(child, "Button"))
          ++seen.buttons;
        const LONG_PTR type = ::GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK;
        if (IsClass(child, "Static") && type == SS_ICON && ::SendMessageA(child, STM_GETICON, 0, 0))
          ++seen.icons;
      }
      ::PostMessageA(box, WM_COMMAND, IDOK, 0);
      break;
    }
  }
  return seen;
}

TEST_F(Win32ToolkitTest, MessageBoxBelongsToTheFrontWindowAndCarriesHostBytes) {
  toolkit_.Show(FormId::kForm2);
  SeenBox seen;
  std::thread closer(
      [&seen, uiThread = ::GetCurrentThreadId()] { seen = CloseNextMessageBox(uiThread); });
  toolkit_.ShowMessageBox(kMarksUtf8, std::string("Velto ") + kMarksUtf8);
  closer.join();

  EXPECT_EQ(seen.title, std::string("Velto ") + kMarksHostBytes);
  EXPECT_THAT(seen.texts, Contains(std::string(kMarksHostBytes)));
  EXPECT_EQ(seen.owner, Form(FormId::kForm2));
  EXPECT_EQ(seen.icons, 0) << "MB_OK alone: no icon";
  EXPECT_EQ(seen.buttons, 1) << "only OK";
}

}  // namespace
}  // namespace velto::ui
