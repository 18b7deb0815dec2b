#pragma once

#include "host/platform.h"
#include "idler/main_window.h"
#include "ui/toolkit.h"

namespace velto::ui {

// The main window's controls as the idler sees them, over the toolkit.
class ToolkitMainWindow : public idler::MainWindowControls {
 public:
  explicit ToolkitMainWindow(Toolkit& toolkit) : toolkit_(toolkit) {}
  std::string CounterCaption() override;
  void SetCounterCaption(const std::string& caption) override;
  std::string ReasonText() override;
  void SetIdleTimerEnabled(bool enabled) override;
  void SetIdleTimerInterval(int milliseconds) override;
  std::string ClockCaption() override;
  void SetClockCaption(const std::string& caption) override;
  std::string TimeOfDayText() override;
  void ShowMessageBox(std::string_view text, std::string_view title) override;
  void EndProgram() override;

 private:
  Toolkit& toolkit_;
};

// The whole program: its three windows bound to their handlers.
class Program {
 public:
  Program(host::Platform& platform, Toolkit& toolkit);
  // Creates the hidden main window, whose Load brings up the handle prompt.
  void Start();

 private:
  void BindHandlePrompt();
  void BindMainWindow();
  void BindPrivateRooms();

  host::Platform& platform_;
  Toolkit& toolkit_;
  ToolkitMainWindow mainWindow_;
  idler::Idler idler_;
};

}  // namespace velto::ui
