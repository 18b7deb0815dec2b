#include "idler/commands.h"

#include "host/host_routines.h"
#include "host/timings.h"
#include "idler/chat_lines.h"

namespace velto::idler {
namespace {

// Announces the switch only when the host took or refused the instant message: when it
// was never handed over (no host, a message that failed) or the host never answered,
// nothing happened to announce.
void SwitchInstantMessages(Idler& idler, std::string_view recipient, const std::string& line) {
  using host::InstantMessageOutcome;
  const InstantMessageOutcome outcome = host::SendInstantMessage(
      idler.host, std::string(recipient), std::string(lines::kImsSwitchMessage));
  if (outcome != InstantMessageOutcome::kTaken && outcome != InstantMessageOutcome::kRefused)
    return;
  host::SendChatLine(idler.host, line);
}

}  // namespace

void ImsOff(Idler& idler) {
  SwitchInstantMessages(idler, lines::kImsOffRecipient, lines::ImsOffLine());
}

void ImsOn(Idler& idler) {
  SwitchInstantMessages(idler, lines::kImsOnRecipient, lines::ImsOnLine());
}

void ShowAbout(Idler& idler) {
  idler.window.ShowMessageBox(lines::kAboutText, lines::kAboutTitle);
}

void ShowGreets(Idler& idler) {
  idler.window.ShowMessageBox(lines::kGreetsText, lines::kGreetsTitle);
}

void QuitIdler(Idler& idler) {
  host::SendChatLine(idler.host, lines::BannerLine());
  host::SendChatLine(idler.host, lines::UnloadedLine());
  idler.window.EndProgram();
}

// Written only on a change: a tick that comes before its second has turned, or at once
// after a change of the time format that left the text as it was, repaints nothing.
void ClockTick(Idler& idler) {
  const std::string now = idler.window.TimeOfDayText();
  if (idler.window.ClockCaption() != now)
    idler.window.SetClockCaption(now);
}

void MainWindowUnload(Idler& idler) {
  host::SendChatLine(idler.host, lines::UnloadLine());
}

void FarewellOnLogOff(Idler& idler) {
  // With no host the line finds no room and nothing waits. A hung or slow host gets a
  // shorter bound per message, so the line's two messages never hold up the log-off
  // beyond the system's 5 s.
  idler.host.SetSendBound(host::timings::kLogOffSendSeconds);
  MainWindowUnload(idler);
  idler.host.SetSendBound(host::timings::kHungHostMilliseconds / 1000.0);
}

}  // namespace velto::idler
