#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "ui/control_names.h"
#include "ui/golden_layout.h"
#include "ui/win32_toolkit_fixture.h"

// Where the windows and their controls stand, and how they look: at 96 dpi and again at
// 144 dpi.
namespace velto::ui {

namespace golden = testing::golden;
namespace {

using ::testing::Contains;

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

}  // namespace
}  // namespace velto::ui
