#pragma once

#include <windows.h>

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/form_layout.h"
#include "ui/handler_table.h"

namespace velto::ui {

inline constexpr char kFormClassName[] = "VeltoForm";

// One of the program's windows, realised from its layout: a borderless popup with a
// black background, its labels and text box as child controls, its lines painted, its
// timers on SetTimer. Its events run the handlers bound to it.
class Win32Form {
 public:
  Win32Form(const FormLayout& layout, const HandlerTable& handlers);
  ~Win32Form();
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  // Once per process, before the first window is created.
  static void RegisterWindowClass();

  // Creates the window hidden, at its stored position, with its controls and timers.
  void Create();
  HWND Window() const { return hwnd_; }
  // The child window of a label or text box; null for any other name.
  HWND Control(std::string_view name) const;

  void Show();
  void Hide();
  std::string ControlValue(std::string_view name) const;
  void SetControlValue(std::string_view name, const std::string& value);
  void SetTimerEnabled(std::string_view timer, bool enabled);
  void SetTimerInterval(std::string_view timer, int milliseconds);

 private:
  struct TimerSetting {
    bool enabled = false;
    int interval = 0;
    TimerSchedule schedule = TimerSchedule::kEveryInterval;
    bool Armed() const { return enabled && interval > 0; }
  };
  using FontKey = std::pair<std::string_view, double>;

  // Control and timer identifiers are the layout index plus this, so none is 0.
  static constexpr int kFirstControlId = 1;
  static int IdOf(std::size_t index) { return static_cast<int>(index) + kFirstControlId; }

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnPaint();
  void OnPrintClient(HDC dc);
  bool OnSetCursor(HWND under, UINT hitTest);
  void OnCommand(HWND from, UINT code);
  void OnTimer(UINT_PTR id);  // win32_form_timers.cpp, as are the timers' other functions
  void OnClockChange();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void PaintLines(HDC dc) const;

  void TakeTheDpiOfItsMonitor();
  void CreateControls();
  void LayOutControls();
  HFONT FontFor(const Font& font);
  void FocusTextBox();
  void Rearm(std::size_t index);
  // Arms the timer for its next tick after one that comes now, and runs its handler.
  void Tick(std::size_t index);
  std::optional<std::size_t> IndexOf(std::string_view name) const;
  std::optional<std::size_t> IndexOfChild(HWND child) const;

  const FormLayout& layout_;
  const HandlerTable& handlers_;
  HWND hwnd_ = nullptr;
  int dpi_ = 0;
  HBRUSH background_ = nullptr;
  std::vector<HWND> controls_;        // by layout index: labels and text boxes
  std::vector<TimerSetting> timers_;  // by layout index: timers
  // By layout index: each label's caption as last written. Only the toolkit writes a
  // label, so this is what the label shows, and reading it costs no call into the system.
  std::vector<std::string> captions_;
  std::map<FontKey, HFONT> fonts_;
};

}  // namespace velto::ui
