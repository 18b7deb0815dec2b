#include "standin/standin_controls.h"

#include <memory>

#include "host/messages.h"
#include "host/window_search.h"

namespace velto::standin {
namespace {

namespace cls = host::host_class;

constexpr int kNoHighlight = -1;

struct PopupState {
  std::vector<PopupEntry> entries;
  int highlight = kNoHighlight;
};

void MoveHighlight(PopupState& menu, std::uint32_t key) {
  const int count = static_cast<int>(menu.entries.size());
  if (count == 0)
    return;
  if (key == VK_DOWN)
    menu.highlight = (menu.highlight + 1) % count;
  if (key == VK_UP)
    menu.highlight = menu.highlight <= 0 ? count - 1 : menu.highlight - 1;
}

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

WindowHandle FirstChildOfClass(const host::SubstituteDesktop& desktop, WindowHandle parent,
                               std::string_view className) {
  if (!parent)
    return host::kNoWindow;
  for (WindowHandle child : desktop.ChildrenOf(parent)) {
    if (desktop.ClassOf(child) == className)
      return child;
  }
  return host::kNoWindow;
}

}  // namespace

host::MessageHandler Button(std::function<void()> clicked) {
  auto pressed = std::make_shared<bool>(false);
  return [pressed, clicked](host::SubstituteDesktop& desktop, WindowHandle self,
                            const host::Message& message) -> std::intptr_t {
    if (message.message == WM_LBUTTONDOWN)
      *pressed = true;
    if (message.message == WM_LBUTTONUP && *pressed) {
      *pressed = false;
      clicked();
      return 0;
    }
    return desktop.DefaultHandling(self, message);
  };
}

host::MessageHandler Closable(std::function<void(WindowHandle self)> onClose) {
  return [onClose](host::SubstituteDesktop& desktop, WindowHandle self,
                   const host::Message& message) -> std::intptr_t {
    if (message.message != WM_CLOSE)
      return desktop.DefaultHandling(self, message);
    if (onClose) {
      onClose(self);
    } else {
      desktop.RemoveWindow(self);
    }
    return 0;
  };
}

WindowHandle ChildWithCaption(const host::SubstituteDesktop& desktop, WindowHandle parent,
                              std::string_view className, std::string_view caption) {
  for (WindowHandle child : desktop.ChildrenOf(parent)) {
    if (desktop.ClassOf(child) == className && desktop.Caption(child) == caption)
      return child;
  }
  return host::kNoWindow;
}

WindowHandle ToolbarIcon(host::SubstituteDesktop& desktop, WindowHandle frame, int n) {
  const WindowHandle toolbar = FirstChildOfClass(desktop, frame, cls::kToolbar);
  const WindowHandle inner = FirstChildOfClass(desktop, toolbar, cls::kInnerToolbar);
  if (!inner)
    return host::kNoWindow;
  std::vector<WindowHandle> icons;
  for (WindowHandle child : desktop.ChildrenOf(inner)) {
    if (desktop.ClassOf(child) == cls::kIcon)
      icons.push_back(child);
  }
  while (static_cast<int>(icons.size()) < n) {
    icons.push_back(desktop.AddWindow(inner, cls::kIcon, ""));
  }
  return icons[static_cast<std::size_t>(n - 1)];
}

void ShowPopupMenu(host::SubstituteDesktop& desktop, std::vector<PopupEntry> entries) {
  auto menu = std::make_shared<PopupState>();
  menu->entries = std::move(entries);
  desktop.AddWindow(host::kNoWindow, host::host_class::kPopupMenu, "",
                    [menu](host::SubstituteDesktop& d, WindowHandle self,
                           const host::Message& message) -> std::intptr_t {
                      if (message.message != WM_KEYDOWN)
                        return 0;
                      if (message.wParam == VK_ESCAPE) {
                        d.RemoveWindow(self);
                      } else if (message.wParam == VK_RETURN) {
                        d.RemoveWindow(self);
                        if (menu->highlight != kNoHighlight)
                          menu->entries[static_cast<std::size_t>(menu->highlight)].chosen();
                      } else {
                        MoveHighlight(*menu, message.wParam);
                      }
                      return 0;
                    });
}

void ShowSaveQuestion(host::SubstituteDesktop& desktop, std::function<void(bool save)> answered) {
  const WindowHandle box = desktop.AddWindow(host::kNoWindow, cls::kDialog, "America Online");
  desktop.AddWindow(box, "Static", "Do you want to save this mail before closing it?");
  auto answer = [&desktop, box, answered](bool save) {
    desktop.RemoveWindow(box);
    answered(save);
  };
  desktop.AddWindow(box, cls::kButton, "&Yes", SpaceButton([answer] { answer(true); }));
  desktop.AddWindow(box, cls::kButton, "&No", SpaceButton([answer] { answer(false); }));
}

}  // namespace velto::standin
