#include "ui/program.h"

#include "host/host_routines.h"
#include "idler/commands.h"
#include "idler/idling.h"
#include "ui/control_names.h"
#include "ui/private_rooms.h"
#include "ui/startup.h"

namespace velto::ui {

namespace {
constexpr FormId kMain = FormId::kForm2;
}

std::string ToolkitMainWindow::CounterCaption() {
  return toolkit_.Caption(kMain, main_window::kMinutesIdled);
}
void ToolkitMainWindow::SetCounterCaption(const std::string& caption) {
  toolkit_.SetCaption(kMain, main_window::kMinutesIdled, caption);
}
std::string ToolkitMainWindow::ReasonText() {
  return toolkit_.Text(kMain, main_window::kReason);
}
void ToolkitMainWindow::SetIdleTimerEnabled(bool enabled) {
  toolkit_.SetTimerEnabled(kMain, main_window::kIdleTimer, enabled);
}
void ToolkitMainWindow::SetIdleTimerInterval(int milliseconds) {
  toolkit_.SetTimerInterval(kMain, main_window::kIdleTimer, milliseconds);
}
std::string ToolkitMainWindow::ClockCaption() {
  return toolkit_.Caption(kMain, main_window::kClock);
}
void ToolkitMainWindow::SetClockCaption(const std::string& caption) {
  toolkit_.SetCaption(kMain, main_window::kClock, caption);
}
std::string ToolkitMainWindow::TimeOfDayText() {
  return toolkit_.TimeOfDayText();
}
void ToolkitMainWindow::ShowMessageBox(std::string_view text, std::string_view title) {
  toolkit_.ShowMessageBox(text, title);
}
void ToolkitMainWindow::EndProgram() {
  toolkit_.EndProgram();
}

Program::Program(host::Platform& platform, Toolkit& toolkit)
    : platform_(platform), toolkit_(toolkit), mainWindow_(toolkit), idler_{platform, mainWindow_} {
  BindHandlePrompt();
  BindMainWindow();
  BindPrivateRooms();
}

void Program::Start() {
  toolkit_.Load(kMain);
}

void Program::BindHandlePrompt() {
  constexpr FormId kPrompt = FormId::kForm1;
  toolkit_.OnFormEvent(kPrompt, FormEvent::kLoad, [this] { ShowStartupBox(toolkit_); });
  toolkit_.OnClick(kPrompt, handle_prompt::kEnter, [this] { ConfirmHandle(platform_, toolkit_); });
  // Closed before the handle was confirmed: no window is left to quit from.
  toolkit_.OnFormEvent(kPrompt, FormEvent::kUnload, [this] { toolkit_.EndProgram(); });
}

void Program::BindMainWindow() {
  toolkit_.OnFormEvent(kMain, FormEvent::kLoad, [this] { MainWindowLoad(toolkit_); });
  toolkit_.OnFormEvent(kMain, FormEvent::kUnload, [this] {
    idler::MainWindowUnload(idler_);
    toolkit_.EndProgram();  // hidden windows hold nothing that must be kept
  });
  toolkit_.OnFormEvent(kMain, FormEvent::kEndSession, [this] {
    idler::FarewellOnLogOff(idler_);
    toolkit_.EndProgram();
  });
  toolkit_.OnFormEvent(kMain, FormEvent::kMouseDown,
                       [this] { host::DragForm(platform_, toolkit_.Handle(kMain)); });
  toolkit_.OnClick(kMain, main_window::kStart, [this] { idler::StartIdling(idler_); });
  toolkit_.OnClick(kMain, main_window::kStop, [this] { idler::StopIdling(idler_); });
  toolkit_.OnTimer(kMain, main_window::kIdleTimer, [this] { idler::IdleTick(idler_); });
  toolkit_.OnClick(kMain, main_window::kImsOff, [this] { idler::ImsOff(idler_); });
  toolkit_.OnClick(kMain, main_window::kImsOn, [this] { idler::ImsOn(idler_); });
  toolkit_.OnClick(kMain, main_window::kAbout, [this] { idler::ShowAbout(idler_); });
  toolkit_.OnClick(kMain, main_window::kGreets, [this] { idler::ShowGreets(idler_); });
  toolkit_.OnClick(kMain, main_window::kQuit, [this] { idler::QuitIdler(idler_); });
  toolkit_.OnTimer(kMain, main_window::kClockTimer, [this] { idler::ClockTick(idler_); });
  toolkit_.OnClick(kMain, main_window::kPrivateRooms, [this] { OpenPrivateRooms(toolkit_); });
}

void Program::BindPrivateRooms() {
  constexpr FormId kRooms = FormId::kForm3;
  for (const RoomLabel& room : RoomLabels()) {
    toolkit_.OnClick(kRooms, room.label, [this, room] { EnterRoom(platform_, room); });
  }
  toolkit_.OnClick(kRooms, private_rooms_window::kExit, [this] { LeavePrivateRooms(toolkit_); });
  // Closing the rooms window by the system's means is the same as its Exit.
  toolkit_.OnFormEvent(kRooms, FormEvent::kUnload, [this] { LeavePrivateRooms(toolkit_); });
  toolkit_.OnFormEvent(kRooms, FormEvent::kMouseDown,
                       [this] { host::DragForm(platform_, toolkit_.Handle(kRooms)); });
}

}  // namespace velto::ui
