#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "host/substitute_desktop.h"
#include "ui/handler_table.h"
#include "ui/toolkit.h"

namespace velto::ui {

// The program's windows as objects on the substitute desktop, on its virtual clock.
// Tests act as the user would: click labels, type into text boxes, press a mouse
// button on a background, close a window, answer message boxes, let time pass.
class HeadlessToolkit : public Toolkit {
 public:
  struct ShownBox {
    std::string text;
    std::string title;
  };

  explicit HeadlessToolkit(host::SubstituteDesktop& desktop) : desktop_(desktop) {}

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

  // --- the user ---
  // Returns false when the click could not happen (window hidden, box open, ended).
  bool Click(FormId form, std::string_view label);
  void Type(FormId form, std::string_view textBox, const std::string& text);
  void PressMouseOnBackground(FormId form);
  void CloseBySystem(FormId form);  // Alt+F4
  // Windows logs off or shuts down (WM_QUERYENDSESSION answered yes, then WM_ENDSESSION).
  void EndSession();

  // --- the system ---
  // The changes after which the time shown may be wrong at once: the system's time was
  // set (the test moves the desktop's time of day first), the user's time format or
  // locale changed, the machine woke from sleep (its time of day moved on meanwhile).
  enum class ClockChange { kTimeSet, kTimeFormatChanged, kResumedFromSleep };
  void ClockChanged(ClockChange change);
  // Runs while a message box is up, before the user confirms it. Time may pass inside.
  std::function<void(const ShownBox&)> whileBoxIsUp;

  // --- what a test looks at ---
  bool Created(FormId form) const;
  // Ended by EndProgram, or asked to quit by the system (the quit reaches the program's
  // main loop, which ends it): no handler runs any more.
  bool Ended() const { return ended_ || desktop_.QuitRequested(); }
  const std::vector<ShownBox>& Boxes() const { return boxes_; }
  bool TimerEnabled(FormId form, std::string_view timer);
  int TimerInterval(FormId form, std::string_view timer);
  // How many times the timer has ticked, from the start.
  int TimerTicks(FormId form, std::string_view timer);
  FormId FrontMost() const { return frontMost_; }

 private:
  struct Timer {
    bool enabled = false;
    int interval = 0;
    TimerSchedule schedule = TimerSchedule::kEveryInterval;
    std::uint64_t generation = 0;  // a re-armed timer forgets its earlier schedule
    int ticks = 0;
    bool Armed() const { return enabled && interval > 0; }
  };
  struct Form {
    bool created = false;
    bool visible = false;
    host::WindowHandle handle;
    std::map<std::string, std::string, std::less<>> values;  // captions and texts
    std::map<std::string, Timer, std::less<>> timers;
  };

  Form& FormOf(FormId form) { return forms_[static_cast<int>(form)]; }
  void Create(FormId form);
  // Runs one event's handler; the program's end stops it and every event it interrupted.
  void Dispatch(const std::function<void()>& event);
  void Rearm(FormId form, std::string_view timer);
  void ScheduleTick(FormId form, const std::string& timer, std::uint64_t generation,
                    double seconds);
  // Seconds from now to the timer's next tick after one that comes now.
  double SecondsToTickAfterNow(const Timer& timer) const;
  void Tick(FormId form, const std::string& timer);

  host::SubstituteDesktop& desktop_;
  HandlerTable handlers_;
  Form forms_[3];
  std::vector<ShownBox> boxes_;
  bool boxOpen_ = false;
  bool ended_ = false;
  int dispatching_ = 0;  // events under way, nested ones counted
  FormId frontMost_ = FormId::kForm2;
};

}  // namespace velto::ui
