// The timers of a Win32Form: SetTimer under the control's identifier, and the clock's
// schedule (clock_schedule.h).

#include "ui/clock_schedule.h"
#include "ui/win32/win32_form_window.h"

namespace velto::ui {

void Win32Form::SetTimerEnabled(std::string_view timer, bool enabled) {
  const auto index = IndexOf(timer);
  if (!index || layout_.controls[*index].kind != ControlKind::kTimer)
    return;
  timers_[*index].enabled = enabled;
  Rearm(*index);
}

void Win32Form::SetTimerInterval(std::string_view timer, int milliseconds) {
  const auto index = IndexOf(timer);
  if (!index || layout_.controls[*index].kind != ControlKind::kTimer)
    return;
  timers_[*index].interval = milliseconds;
  Rearm(*index);
}

// Setting a timer again under its identifier restarts its count from now.
void Win32Form::Rearm(std::size_t index) {
  const UINT_PTR id = static_cast<UINT_PTR>(IdOf(index));
  if (timers_[index].Armed()) {
    ::SetTimer(hwnd_, id, static_cast<UINT>(timers_[index].interval), nullptr);
  } else {
    ::KillTimer(hwnd_, id);
  }
}

// A timer of every interval repeats by itself; a clock's next tick is due just after the
// next whole second, whatever its interval.
void Win32Form::Tick(std::size_t index) {
  if (timers_[index].schedule == TimerSchedule::kAfterEachSecond) {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    ::SetTimer(hwnd_, static_cast<UINT_PTR>(IdOf(index)),
               static_cast<UINT>(MillisecondsToNextClockTick(now.wMilliseconds)), nullptr);
  }
  handlers_.Run(layout_.id, HandlerTable::Kind::kTimer, layout_.controls[index].name);
}

void Win32Form::OnTimer(UINT_PTR id) {
  if (id < static_cast<UINT_PTR>(kFirstControlId))
    return;
  const auto index = static_cast<std::size_t>(id - kFirstControlId);
  if (index >= timers_.size() || layout_.controls[index].kind != ControlKind::kTimer)
    return;
  // A tick generated just before the timer was stopped is not delivered.
  if (!timers_[index].Armed())
    return;
  Tick(index);
}

// Every clock of the window ticks at once and is armed anew from the time shown now.
void Win32Form::OnClockChange() {
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    if (layout_.controls[i].kind == ControlKind::kTimer && timers_[i].Armed() &&
        timers_[i].schedule == TimerSchedule::kAfterEachSecond)
      Tick(i);
  }
}

}  // namespace velto::ui
