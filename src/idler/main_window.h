#pragma once

#include <string>
#include <string_view>

#include "host/platform.h"

namespace velto::idler {

// What the idler reads and writes of the main window. The idle state lives here, in the
// controls: the idle timer (Timer1), the minute counter (Label3's caption) and the
// reason (text1); the program keeps no copy of it.
class MainWindowControls {
 public:
  virtual ~MainWindowControls() = default;
  virtual std::string CounterCaption() = 0;
  virtual void SetCounterCaption(const std::string& caption) = 0;
  virtual std::string ReasonText() = 0;
  virtual void SetIdleTimerEnabled(bool enabled) = 0;
  virtual void SetIdleTimerInterval(int milliseconds) = 0;
  virtual std::string ClockCaption() = 0;
  virtual void SetClockCaption(const std::string& caption) = 0;
  // The local time of day in the user's format.
  virtual std::string TimeOfDayText() = 0;
  // A modal box with an OK button and no icon; returns once the user closes it.
  virtual void ShowMessageBox(std::string_view text, std::string_view title) = 0;
  // Ends the program at once: no window's close handling runs.
  virtual void EndProgram() = 0;
};

// What every handler of the main window works with.
struct Idler {
  host::Platform& host;
  MainWindowControls& window;
};

}  // namespace velto::idler
