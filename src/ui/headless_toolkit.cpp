#include "ui/headless_toolkit.h"

#include <cmath>
#include <cstdio>

#include "ui/clock_schedule.h"

namespace velto::ui {
namespace {

constexpr std::string_view kFormClass = "VeltoForm";
double Seconds(int milliseconds) {
  return milliseconds / static_cast<double>(kMillisecondsPerSecond);
}

// Thrown by EndProgram inside a handler and caught where the outermost event began:
// a real program ends at once, so nothing after the end may run, not even the rest of
// the handler that a nested event interrupted.
struct ProgramEnded {};

}  // namespace

// --- bindings ---

void HeadlessToolkit::OnClick(FormId form, std::string_view control, Handler handler) {
  handlers_.Bind(form, HandlerTable::Kind::kClick, control, std::move(handler));
}

void HeadlessToolkit::OnTimer(FormId form, std::string_view timer, Handler handler) {
  handlers_.Bind(form, HandlerTable::Kind::kTimer, timer, std::move(handler));
}

void HeadlessToolkit::OnFormEvent(FormId form, FormEvent event, Handler handler) {
  handlers_.Bind(form, event, std::move(handler));
}

// --- windows ---

void HeadlessToolkit::Create(FormId id) {
  const FormLayout& layout = LayoutOf(id);
  Form& form = FormOf(id);
  form.created = true;
  form.handle = desktop_.AddWindow(host::kNoWindow, kFormClass, layout.caption);
  for (const ControlLayout& control : layout.controls) {
    if (control.kind == ControlKind::kTimer) {
      form.timers[std::string(control.name)] =
          Timer{control.timerEnabled, control.timerInterval, control.timerSchedule};
      Rearm(id, control.name);
    } else if (control.kind != ControlKind::kLine) {
      form.values[std::string(control.name)] = std::string(control.text);
    }
  }
}

void HeadlessToolkit::Load(FormId form) {
  if (FormOf(form).created || Ended())
    return;
  Create(form);
  Dispatch([&] { handlers_.Run(form, FormEvent::kLoad); });
}

void HeadlessToolkit::Show(FormId form) {
  Load(form);
  if (Ended())
    return;
  FormOf(form).visible = true;
  frontMost_ = form;
}

void HeadlessToolkit::Hide(FormId form) {
  Load(form);
  FormOf(form).visible = false;
}

bool HeadlessToolkit::IsVisible(FormId form) {
  return FormOf(form).visible;
}
bool HeadlessToolkit::Created(FormId form) const {
  return forms_[static_cast<int>(form)].created;
}
host::WindowHandle HeadlessToolkit::Handle(FormId form) {
  return FormOf(form).handle;
}

// --- controls ---

std::string HeadlessToolkit::Caption(FormId form, std::string_view label) {
  auto& values = FormOf(form).values;
  auto it = values.find(label);
  return it == values.end() ? std::string() : it->second;
}

void HeadlessToolkit::SetCaption(FormId form, std::string_view label, const std::string& caption) {
  FormOf(form).values[std::string(label)] = caption;
}

std::string HeadlessToolkit::Text(FormId form, std::string_view textBox) {
  return Caption(form, textBox);
}

// --- timers ---

void HeadlessToolkit::SetTimerEnabled(FormId form, std::string_view timer, bool enabled) {
  FormOf(form).timers[std::string(timer)].enabled = enabled;
  Rearm(form, timer);
}

void HeadlessToolkit::SetTimerInterval(FormId form, std::string_view timer, int milliseconds) {
  FormOf(form).timers[std::string(timer)].interval = milliseconds;
  Rearm(form, timer);
}

bool HeadlessToolkit::TimerEnabled(FormId form, std::string_view timer) {
  return FormOf(form).timers[std::string(timer)].enabled;
}

int HeadlessToolkit::TimerInterval(FormId form, std::string_view timer) {
  return FormOf(form).timers[std::string(timer)].interval;
}

int HeadlessToolkit::TimerTicks(FormId form, std::string_view timer) {
  return FormOf(form).timers[std::string(timer)].ticks;
}

void HeadlessToolkit::Rearm(FormId form, std::string_view name) {
  Timer& timer = FormOf(form).timers[std::string(name)];
  ++timer.generation;
  if (!timer.Armed() || Ended())
    return;
  ScheduleTick(form, std::string(name), timer.generation, Seconds(timer.interval));
}

void HeadlessToolkit::ScheduleTick(FormId form, const std::string& name, std::uint64_t generation,
                                   double seconds) {
  desktop_.Schedule(seconds, [this, form, name, generation] {
    if (Ended() || FormOf(form).timers[name].generation != generation)
      return;
    Tick(form, name);
  });
}

double HeadlessToolkit::SecondsToTickAfterNow(const Timer& timer) const {
  if (timer.schedule == TimerSchedule::kEveryInterval)
    return Seconds(timer.interval);
  const double timeOfDay = desktop_.TimeOfDay();
  const auto intoSecond =
      static_cast<int>((timeOfDay - std::floor(timeOfDay)) * kMillisecondsPerSecond);
  return Seconds(MillisecondsToNextClockTick(intoSecond));
}

// The next tick is scheduled before this one's handler runs, however long that takes.
void HeadlessToolkit::Tick(FormId form, const std::string& name) {
  Timer& timer = FormOf(form).timers[name];
  ++timer.generation;
  ++timer.ticks;
  ScheduleTick(form, name, timer.generation, SecondsToTickAfterNow(timer));
  Dispatch([&] { handlers_.Run(form, HandlerTable::Kind::kTimer, name); });
}

// --- boxes, time, end ---

void HeadlessToolkit::ShowMessageBox(std::string_view text, std::string_view title) {
  if (Ended())
    return;
  boxes_.push_back(ShownBox{std::string(text), std::string(title)});
  const bool nested = boxOpen_;
  boxOpen_ = true;
  if (whileBoxIsUp)
    whileBoxIsUp(boxes_.back());
  boxOpen_ = nested;
}

std::string HeadlessToolkit::TimeOfDayText() {
  const long seconds = static_cast<long>(std::floor(desktop_.TimeOfDay()));
  char text[64];
  std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return text;
}

void HeadlessToolkit::EndProgram() {
  if (ended_)
    return;
  ended_ = true;
  // As with the Win32 toolkit's immediate end, no wait the call is nested in goes on and
  // no host routine sends anything more.
  desktop_.PostQuitMessage(0);
  for (Form& form : forms_) {
    form.visible = false;
    if (form.handle)
      desktop_.RemoveWindow(form.handle);
  }
  if (dispatching_ > 0)
    throw ProgramEnded{};
}

void HeadlessToolkit::Dispatch(const std::function<void()>& event) {
  ++dispatching_;
  try {
    event();
  } catch (const ProgramEnded&) {
    if (--dispatching_ > 0)
      throw;
    return;
  }
  --dispatching_;
}

// --- the user ---

bool HeadlessToolkit::Click(FormId form, std::string_view label) {
  if (Ended() || boxOpen_ || !FormOf(form).visible)
    return false;
  const ControlLayout* control = LayoutOf(form).Find(label);
  if (!control || !control->answersClick)
    return false;
  Dispatch([&] { handlers_.Run(form, HandlerTable::Kind::kClick, label); });
  return true;
}

void HeadlessToolkit::Type(FormId form, std::string_view textBox, const std::string& text) {
  if (Ended() || !FormOf(form).visible)
    return;
  SetCaption(form, textBox, text);
}

void HeadlessToolkit::PressMouseOnBackground(FormId form) {
  if (Ended() || boxOpen_ || !FormOf(form).visible)
    return;
  Dispatch([&] { handlers_.Run(form, FormEvent::kMouseDown); });
}

void HeadlessToolkit::CloseBySystem(FormId form) {
  if (Ended() || boxOpen_ || !FormOf(form).created)
    return;
  Dispatch([&] { handlers_.Run(form, FormEvent::kUnload); });
}

// --- the system ---

// Every clock of every window ticks at once and is scheduled anew from the time shown now:
// hidden windows' clocks too, as top-level windows all receive the system's notice.
void HeadlessToolkit::ClockChanged(ClockChange) {
  for (FormId form : {FormId::kForm1, FormId::kForm2, FormId::kForm3}) {
    for (auto& [name, timer] : FormOf(form).timers) {
      if (Ended())
        return;
      if (timer.schedule == TimerSchedule::kAfterEachSecond && timer.Armed())
        Tick(form, name);
    }
  }
}

void HeadlessToolkit::EndSession() {
  if (Ended())
    return;
  handlers_.Run(FormId::kForm2, FormEvent::kEndSession);
}

}  // namespace velto::ui
