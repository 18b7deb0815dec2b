#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "ui/control_names.h"
#include "ui/golden_layout.h"
#include "ui/win32_toolkit_fixture.h"

// What the windows do: timers, the clock, load and close, presses, text and captions,
// message boxes.
namespace velto::ui {

namespace golden = testing::golden;
namespace {

using ::testing::Contains;

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
