#include "host/host_routines.h"
#include "host/messages.h"

namespace velto::host {

void DragForm(Platform& platform, WindowHandle form) {
  if (!form)
    return;
  platform.ReleaseCapture();
  std::int16_t zero = 0;
  // The platform runs its move loop inside this call, until the button is released.
  platform.SendMessageUnboundedA(form, WM_SYSCOMMAND, kMoveByCaption, zero);
}

}  // namespace velto::host
