#include <windows.h>

#include "host/win32_platform.h"
#include "ui/program.h"
#include "ui/win32/win32_toolkit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  velto::host::Win32Platform platform;
  velto::ui::Win32Toolkit toolkit;
  velto::ui::Program program(platform, toolkit);
  program.Start();
  // The loop only sleeps between events; handlers and timers do all the work. The
  // program ends only through the toolkit's EndProgram, which never returns.
  platform.DeliverEventsForever();
}
