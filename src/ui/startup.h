#pragma once

#include "host/platform.h"
#include "ui/toolkit.h"

namespace velto::ui {

inline constexpr double kBetweenAnnouncementsSeconds = 0.5;

// The main window's Load: it stays hidden and the handle prompt comes up instead.
void MainWindowLoad(Toolkit& toolkit);
// The handle prompt's Load: the empty box titled with the application title.
void ShowStartupBox(Toolkit& toolkit);
// "  enter": the main window takes the prompt's place and the program announces itself.
void ConfirmHandle(host::Platform& platform, Toolkit& toolkit);

}  // namespace velto::ui
