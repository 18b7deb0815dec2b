#include <windows.h>

#include "host/win32_platform.h"
#include "ui/program.h"
#include "ui/win32/win32_toolkit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  velto::host::Win32Platform platform;
  velto::ui::Win32Toolkit toolkit;
  velto::ui::Program program(platform, toolkit);
  program.Start();
  // The loop only sleeps between events; handlers and timers do all the work. The program
  // ends through the toolkit's EndProgram, which never returns, or when the system asks it
  // to quit (WM_QUIT), which ends any wait it meets on its way here.
  return platform.DeliverEventsUntilQuit();
}
