#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/window_handle.h"
#include "ui/handler_table.h"
#include "ui/toolkit.h"

namespace velto::ui {

class Win32Form;

// The three windows as real Win32 windows on the user-interface thread. The program's
// event loop (the platform's pump) delivers their events.
class Win32Toolkit : public Toolkit {
 public:
  Win32Toolkit();
  ~Win32Toolkit() override;  // destroys the windows; the program itself never does
  Win32Toolkit(const Win32Toolkit&) = delete;
  Win32Toolkit& operator=(const Win32Toolkit&) = delete;

  // --- Toolkit ---
  void OnClick(FormId form, std::string_view control, Handler handler) override;
  void OnTimer(FormId form, std::string_view timer, Handler handler) override;
  void OnFormEvent(FormId form, FormEvent event, Handler handler) override;
  void Load(FormId form) override;
  void Show(FormId form) override;
  void Hide(FormId form) override;
  bool IsVisible(FormId form) override;
  host::WindowHandle Handle(FormId form) override;
  std::string Caption(FormId form, std::string_view label) override;
  void SetCaption(FormId form, std::string_view label, const std::string& caption) override;
  std::string Text(FormId form, std::string_view textBox) override;
  void SetTimerEnabled(FormId form, std::string_view timer, bool enabled) override;
  void SetTimerInterval(FormId form, std::string_view timer, int milliseconds) override;
  void ShowMessageBox(std::string_view text, std::string_view title) override;
  std::string TimeOfDayText() override;
  void EndProgram() override;

  // The child window of a label or text box; 0 before its window is created.
  host::WindowHandle ControlHandle(FormId form, std::string_view control);

 private:
  Win32Form& FormOf(FormId form);
  // The window a message box belongs to: the one last brought to the front, if visible.
  host::WindowHandle FrontWindow();

  HandlerTable handlers_;
  std::unique_ptr<Win32Form> forms_[3];
  std::optional<FormId> front_;
};

}  // namespace velto::ui
