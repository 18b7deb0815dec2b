#include "standin/standin_controls.h"

#include <memory>

#include "host/messages.h"

namespace velto::standin {

Reaction OnClick(std::function<void()> clicked) {
  auto pressed = std::make_shared<bool>(false);
  return [pressed, clicked](WindowHandle, const HostMessage& message) {
    if (message.message == WM_LBUTTONDOWN)
      *pressed = true;
    if (message.message == WM_LBUTTONUP && *pressed) {
      *pressed = false;
      clicked();
    }
  };
}

Reaction OnClose(HostWindows& windows, std::function<void(WindowHandle self)> onClose) {
  return [&windows, onClose](WindowHandle self, const HostMessage& message) {
    if (message.message != WM_CLOSE)
      return;
    if (onClose) {
      onClose(self);
    } else {
      windows.Destroy(self);
    }
  };
}

}  // namespace velto::standin
