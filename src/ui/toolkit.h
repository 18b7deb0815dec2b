#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "host/window_handle.h"
#include "ui/form_layout.h"

namespace velto::ui {

using Handler = std::function<void()>;

// The events a window itself answers; controls answer Click and timers Timer.
enum class FormEvent {
  kLoad,       // runs once, when the window is created, before it is first shown
  kUnload,     // the window is being closed by the system's own means (Alt+F4)
  kMouseDown,  // a mouse button pressed on the window's background
  // Windows logs off or shuts down; the program ends once the handler returns, and it
  // must return within the few seconds the system grants. Main window only.
  kEndSession,
};

// Realises the windows of form_layout.h and offers exactly what the handlers need.
// Two implementations: Win32 windows, and a headless one on the substitute desktop.
class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Bindings, made before any window is created.
  virtual void OnClick(FormId form, std::string_view control, Handler handler) = 0;
  virtual void OnTimer(FormId form, std::string_view timer, Handler handler) = 0;
  virtual void OnFormEvent(FormId form, FormEvent event, Handler handler) = 0;

  // Creates the window without showing it, running its Load handler (once only).
  virtual void Load(FormId form) = 0;
  // Makes the window visible and brings it to the front, creating it first if needed.
  virtual void Show(FormId form) = 0;
  // Makes the window invisible; it keeps its controls' values and its timers run on.
  virtual void Hide(FormId form) = 0;
  virtual bool IsVisible(FormId form) = 0;
  // The window's handle, for the platform's move command; 0 before it is created.
  virtual host::WindowHandle Handle(FormId form) = 0;

  virtual std::string Caption(FormId form, std::string_view label) = 0;
  virtual void SetCaption(FormId form, std::string_view label, const std::string& caption) = 0;
  virtual std::string Text(FormId form, std::string_view textBox) = 0;
  virtual void SetTimerEnabled(FormId form, std::string_view timer, bool enabled) = 0;
  virtual void SetTimerInterval(FormId form, std::string_view timer, int milliseconds) = 0;

  // A modal box with an OK button and no icon; returns once it is closed.
  virtual void ShowMessageBox(std::string_view text, std::string_view title) = 0;
  // The local time of day, in the user's time format.
  virtual std::string TimeOfDayText() = 0;
  // Ends the program at once, without any window's close handling.
  virtual void EndProgram() = 0;
};

}  // namespace velto::ui
