#include "standin/substitute_host_windows.h"

#include <memory>

#include "host/messages.h"
#include "host/window_search.h"

namespace velto::standin {

WindowHandle SubstituteHostWindows::Create(WindowHandle parent, std::string_view className,
                                           std::string_view captionUtf8, Reaction reaction) {
  host::MessageHandler handler;
  if (reaction) {
    handler = [reaction](host::SubstituteDesktop& desktop, WindowHandle self,
                         const host::Message& message) {
      // The window keeps its text first, as a real control would, then the host reacts.
      const std::intptr_t result = desktop.DefaultHandling(self, message);
      reaction(self, HostMessage{message.message, message.wParam, message.textBytes});
      return result;
    };
  }
  return desktop_.AddWindow(parent, className, captionUtf8, std::move(handler));
}

void SubstituteHostWindows::ShowMessageBox(WindowHandle /*owner*/, const std::string& textUtf8,
                                           std::function<void()> closed) {
  const WindowHandle box =
      desktop_.AddWindow(host::kNoWindow, host::host_class::kDialog, "America Online");
  desktop_.AddWindow(box, "Static", textUtf8);
  // A space pressed and released on the button confirms the box, as on a real one.
  auto pressed = std::make_shared<bool>(false);
  desktop_.AddWindow(box, host::host_class::kButton, "OK",
                     [box, closed, pressed](host::SubstituteDesktop& desktop, WindowHandle,
                                            const host::Message& message) -> std::intptr_t {
                       if (message.wParam != VK_SPACE) return 0;
                       if (message.message == WM_KEYDOWN) *pressed = true;
                       if (message.message == WM_KEYUP && *pressed) {
                         desktop.RemoveWindow(box);
                         closed();
                       }
                       return 0;
                     });
}

}  // namespace velto::standin
