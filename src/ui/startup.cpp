#include "ui/startup.h"

#include "host/host_routines.h"
#include "idler/chat_lines.h"
#include "ui/control_names.h"

namespace velto::ui {

void MainWindowLoad(Toolkit& toolkit) {
  toolkit.Hide(FormId::kForm2);
  toolkit.Show(FormId::kForm1);
}

void ShowStartupBox(Toolkit& toolkit) {
  toolkit.ShowMessageBox("", idler::lines::kApplicationTitle);
}

void ConfirmHandle(host::Platform& platform, Toolkit& toolkit) {
  toolkit.Hide(FormId::kForm1);
  toolkit.Show(FormId::kForm2);
  host::SendChatLine(platform, idler::lines::AnnouncementLine());
  host::Pause(platform, kBetweenAnnouncementsSeconds);
  // Read after the pause: the handle is whatever the prompt holds by then.
  host::SendChatLine(
      platform, idler::lines::LoadedByLine(toolkit.Text(FormId::kForm1, handle_prompt::kHandle)));
}

}  // namespace velto::ui
