#include "standin/substitute/substitute_host_windows.h"

#include <memory>

#include "host/messages.h"
#include "host/host_names.h"
#include "host/window_search.h"

namespace velto::standin {

WindowHandle SubstituteHostWindows::Create(WindowHandle parent, std::string_view className,
                                           std::string_view captionUtf8, Reaction reaction) {
  host::MessageHandler handler = [this, reaction](host::SubstituteDesktop& desktop,
                                                  WindowHandle self, const host::Message& message) {
    // The window answers first, as a real control would (keeps its text, answers from
    // its list), then the host reacts.
    const std::optional<std::intptr_t> listAnswer = AnswerListMessage(self, message);
    const std::intptr_t result = listAnswer ? *listAnswer : desktop.DefaultHandling(self, message);
    if (reaction)
      reaction(self, HostMessage{message.message, message.wParam, message.textBytes});
    return result;
  };
  const WindowHandle window =
      desktop_.AddWindow(parent, className, captionUtf8, std::move(handler));
  desktop_.SetWindowProcess(window, kHostProcessId);
  return window;
}

void SubstituteHostWindows::ShowMessageBox(WindowHandle /*owner*/, const std::string& textUtf8,
                                           std::function<void()> closed) {
  const WindowHandle box = desktop_.AddWindow(host::kNoWindow, host::host_class::kDialog,
                                              host::host_caption::kHostMessageBox);
  desktop_.SetWindowProcess(box, kHostProcessId);
  // A message box's icon is a "Static" of its own, before the one with the text.
  desktop_.AddWindow(box, "Static", "");
  // A space pressed and released on the button confirms the box, as on a real one.
  auto pressed = std::make_shared<bool>(false);
  desktop_.AddWindow(box, host::host_class::kButton, "OK",
                     [box, closed, pressed](host::SubstituteDesktop& desktop, WindowHandle,
                                            const host::Message& message) -> std::intptr_t {
                       if (message.wParam != VK_SPACE)
                         return 0;
                       if (message.message == WM_KEYDOWN)
                         *pressed = true;
                       if (message.message == WM_KEYUP && *pressed) {
                         desktop.RemoveWindow(box);
                         closed();
                       }
                       return 0;
                     });
  desktop_.AddWindow(box, "Static", textUtf8);
}

namespace {

// A button of a message box: a press of the space key (down, then up) confirms it.
host::MessageHandler SpaceButton(std::function<void()> pressed) {
  auto down = std::make_shared<bool>(false);
  return [down, pressed](host::SubstituteDesktop& desktop, WindowHandle self,
                         const host::Message& message) -> std::intptr_t {
    if (message.wParam == VK_SPACE && message.message == WM_KEYDOWN)
      *down = true;
    if (message.wParam == VK_SPACE && message.message == WM_KEYUP && *down) {
      *down = false;
      pressed();
      return 0;
    }
    return desktop.DefaultHandling(self, message);
  };
}

}  // namespace

void SubstituteHostWindows::ShowQuestion(WindowHandle /*owner*/, const std::string& textUtf8,
                                         std::function<void(bool yes)> answered) {
  const WindowHandle box = desktop_.AddWindow(host::kNoWindow, host::host_class::kDialog,
                                              host::host_caption::kHostMessageBox);
  desktop_.SetWindowProcess(box, kHostProcessId);
  desktop_.AddWindow(box, host::host_class::kDialogStatic, textUtf8);
  auto answer = [this, box, answered](bool yes) {
    desktop_.RemoveWindow(box);
    answered(yes);
  };
  desktop_.AddWindow(box, host::host_class::kButton, "&Yes",
                     SpaceButton([answer] { answer(true); }));
  desktop_.AddWindow(box, host::host_class::kButton, "&No",
                     SpaceButton([answer] { answer(false); }));
}

void SubstituteHostWindows::Quit(WindowHandle frame) {
  desktop_.RemoveWindow(frame);
  for (WindowHandle window : desktop_.ChildrenOf(host::kNoWindow)) {
    if (desktop_.GetWindowThreadProcessId(window) == kHostProcessId)
      desktop_.RemoveWindow(window);
  }
}

}  // namespace velto::standin
