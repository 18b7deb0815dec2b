#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "host/win32_handles.h"
#include "host/win32_platform.h"
#include "idler/commands.h"
#include "idler/idling.h"
#include "ui/control_names.h"
#include "ui/program.h"
#include "ui/win32/win32_caret_rest.h"
#include "ui/win32/win32_toolkit.h"

namespace velto::ui {
namespace {

// Counted from the second clock tick after idling started: by then the idle timer is
// armed and the clock ticks on whole seconds (its very first tick comes early).
constexpr int kSettlingTicks = 2;
constexpr int kMeasuredTicks = 60;

// The clock's ticks and the loop's wakes over a real minute, counted from inside the
// clock's own ticks: the program's thread alone touches the counts.
struct Minute {
  bool idlingStarted = false;
  int clockTicks = 0;  // since idling started
  int idleTicks = 0;
  int idleTicksAtStart = 0;
  int idleTicksAtEnd = 0;
  host::Win32Platform::WakeCounts atStart;
  host::Win32Platform::WakeCounts atEnd;
  int latestTickMilliseconds = 0;  // past its whole second, the latest a tick came
};

// Another program's window, made the active one: where the user has gone while the idler
// idles. (Had the main window stayed active, its text box would hold the keyboard focus
// and the caret's blink would wake the loop for its first seconds: the next test.)
class OtherActiveWindow {
 public:
  OtherActiveWindow()
      : window_(::CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0,
                                  kSize, kSize, nullptr, nullptr, nullptr, nullptr)) {
    ::SetForegroundWindow(window_);
    ::SetFocus(window_);
  }
  ~OtherActiveWindow() { ::DestroyWindow(window_); }
  OtherActiveWindow(const OtherActiveWindow&) = delete;
  OtherActiveWindow& operator=(const OtherActiveWindow&) = delete;

 private:
  static constexpr int kSize = 50;
  HWND window_;
};

// A real idle minute on user32 (under Wine in the Windows build): the main window shown,
// its clock and idle timer bound as the program binds them, idling started with no host
// to talk to, the user gone to another window. The program's own loop wakes once for
// each second of the clock and once for the idle minute, and for nothing else.
TEST(Win32IdleMinute, TheLoopWakesOnlyForTheClocksSecondsAndTheIdleMinute) {
  host::Win32Platform platform;
  Win32Toolkit toolkit;
  ToolkitMainWindow window(toolkit);
  idler::Idler idler{platform, window};
  Minute minute;
  toolkit.OnTimer(FormId::kForm2, main_window::kClockTimer, [&] {
    idler::ClockTick(idler);
    // Starting pauses between its lines, and the clock may tick in that pause; counted
    // from there, the idle minute could end after the measured one.
    if (!minute.idlingStarted)
      return;
    ++minute.clockTicks;
    if (minute.clockTicks == kSettlingTicks) {
      minute.atStart = platform.Wakes();
      minute.idleTicksAtStart = minute.idleTicks;
    } else if (minute.clockTicks > kSettlingTicks) {
      SYSTEMTIME now;
      ::GetLocalTime(&now);
      minute.latestTickMilliseconds =
          std::max<int>(minute.latestTickMilliseconds, now.wMilliseconds);
    }
    if (minute.clockTicks == kSettlingTicks + kMeasuredTicks) {
      minute.atEnd = platform.Wakes();
      minute.idleTicksAtEnd = minute.idleTicks;
      ::PostQuitMessage(0);
    }
  });
  toolkit.OnTimer(FormId::kForm2, main_window::kIdleTimer, [&] {
    ++minute.idleTicks;
    idler::IdleTick(idler);
  });
  toolkit.Show(FormId::kForm2);
  idler::StartIdling(idler);
  minute.idlingStarted = true;
  OtherActiveWindow userIsElsewhere;
  platform.DeliverEventsUntilQuit();

  const int idleTicks = minute.idleTicksAtEnd - minute.idleTicksAtStart;
  EXPECT_EQ(idleTicks, 1);
  EXPECT_EQ(minute.atEnd.timerMessages - minute.atStart.timerMessages,
            static_cast<std::uint64_t>(kMeasuredTicks + idleTicks));
  EXPECT_EQ(minute.atEnd.wakes - minute.atStart.wakes,
            static_cast<std::uint64_t>(kMeasuredTicks + idleTicks));
  ::testing::Test::RecordProperty("latest_tick_ms_past_the_second", minute.latestTickMilliseconds);
}

// The user left with the main window active and its text box focused, as after typing a
// reason and pressing Start. The caret blinks (a wake of its own twice a second) until it
// has rested; from then on the loop wakes for the clock alone, until the user's next key
// brings the caret, and its blink, back.
TEST(Win32IdleMinute, AFocusedTextBoxStopsWakingTheLoopOnceItsCaretRests) {
  constexpr int kRestedFromTick = 2 + static_cast<int>(kCaretRestMilliseconds / 1000) + 1;
  constexpr int kTicksMeasured = 5;
  constexpr int kKeyAtTick = kRestedFromTick + kTicksMeasured;
  host::Win32Platform platform;
  Win32Toolkit toolkit;
  int clockTicks = 0;
  host::Win32Platform::WakeCounts resting;
  host::Win32Platform::WakeCounts atKey;
  host::Win32Platform::WakeCounts afterKey;
  HWND box = nullptr;
  bool boxKeptTheFocus = true;
  toolkit.OnTimer(FormId::kForm2, main_window::kClockTimer, [&] {
    ++clockTicks;
    boxKeptTheFocus = boxKeptTheFocus && ::GetFocus() == box;
    if (clockTicks == kRestedFromTick)
      resting = platform.Wakes();
    if (clockTicks == kKeyAtTick) {
      atKey = platform.Wakes();
      ::PostMessageA(box, WM_KEYDOWN, VK_END, 0);
    }
    if (clockTicks == kKeyAtTick + kTicksMeasured) {
      afterKey = platform.Wakes();
      ::PostQuitMessage(0);
    }
  });
  toolkit.Show(FormId::kForm2);
  box = host::ToHwnd(toolkit.ControlHandle(FormId::kForm2, main_window::kReason));
  ASSERT_NE(box, nullptr);
  ::SetForegroundWindow(host::ToHwnd(toolkit.Handle(FormId::kForm2)));
  ::SetFocus(box);
  platform.DeliverEventsUntilQuit();

  EXPECT_TRUE(boxKeptTheFocus);
  EXPECT_EQ(atKey.wakes - resting.wakes, static_cast<std::uint64_t>(kTicksMeasured));
  // The clock's ticks and the key, and at least a blink a second besides.
  EXPECT_GE(afterKey.wakes - atKey.wakes, static_cast<std::uint64_t>(2 * kTicksMeasured + 1));
}

}  // namespace
}  // namespace velto::ui
