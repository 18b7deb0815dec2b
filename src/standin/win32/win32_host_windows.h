#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <vector>

#include "standin/host_windows.h"
#include "standin/win32/win32_low_memory.h"

namespace velto::standin {

// The stand-in host's windows as real windows of the calling thread, which must run a
// message loop: the frame is a real MDI frame with a real MDI client, the host child
// windows are real MDI children, and the host's controls are real edit, button,
// list-box, static and check-box controls superclassed under the host's class names (the
// keyword box is a plain "Edit"), the menus real menus. A window's reaction runs after
// the control's own handling, for the messages the host reacts to (text, characters,
// keys, clicks, menu commands, close). Destroying the frame ends the thread's message
// loop.
class Win32HostWindows : public HostWindows {
 public:
  Win32HostWindows();
  ~Win32HostWindows() override;
  Win32HostWindows(const Win32HostWindows&) = delete;
  Win32HostWindows& operator=(const Win32HostWindows&) = delete;

  WindowHandle Create(WindowHandle parent, std::string_view className, std::string_view captionUtf8,
                      Reaction reaction = {}) override;
  void Destroy(WindowHandle window) override;
  bool Exists(WindowHandle window) override;
  std::string TextBytes(WindowHandle window) override;
  void SetTextBytes(WindowHandle window, const std::string& bytes) override;
  void Later(double seconds, std::function<void()> action) override;
  double Now() override;
  // A real MessageBoxA, shown from a posted message so that whatever caused it (a
  // click sent by another program) returns first.
  void ShowMessageBox(WindowHandle owner, const std::string& textUtf8,
                      std::function<void()> closed) override;
  // A real MessageBoxA with Yes and No, shown as ShowMessageBox shows its box.
  void ShowQuestion(WindowHandle owner, const std::string& textUtf8,
                    std::function<void(bool yes)> answered) override;

  // Menus, lists, check boxes and memory (win32_host_controls.cpp).
  void SetMenuBar(WindowHandle window, const std::vector<MenuEntry>& bar) override;
  // A real popup menu (TrackPopupMenu), below the owner, shown from a posted message so
  // that the click that opened it returns first. It is the system's own "#32768"
  // window, whose menu loop takes the keys posted to it.
  void ShowPopupMenu(WindowHandle owner, const std::vector<MenuEntry>& entries,
                     std::function<void(std::uint32_t command)> chosen) override;
  void SetListItems(WindowHandle list, std::vector<ListItem> items) override;
  int SelectedListItem(WindowHandle list) override;
  // In this process, below 4 GB, where ReadProcessMemory of another program finds it.
  std::uint32_t PlaceInMemory(const std::string& bytes) override;
  WindowHandle CreateCheckBox(WindowHandle parent, std::string_view className,
                              std::string_view captionUtf8, bool checked,
                              std::function<void(bool checked)> changed) override;
  // The thread sleeps: none of its windows handles anything meanwhile.
  void Hang(double seconds) override;
  void SetAnswerDelay(double seconds) override;
  // The process ends at once, as if it crashed: no window closes by itself first.
  void Quit(WindowHandle frame) override;

 private:
  friend struct Win32HostEvents;
  struct PendingBox {
    WindowHandle owner;
    std::string textBytes;
    UINT buttons;                          // MB_OK or MB_YESNO
    std::function<void(bool yes)> closed;  // hears whether Yes (or OK) was pressed
  };
  struct PendingMenu {
    WindowHandle owner;
    std::vector<MenuEntry> entries;
    std::function<void(std::uint32_t)> chosen;
  };
  void RunAction(std::uintptr_t id);
  void ShowPendingBox(std::uintptr_t id);
  void ShowPendingMenu(std::uintptr_t id);

  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  WindowHandle events_;  // a message-only window for timers and posted work
  std::uintptr_t nextId_ = 1;
  std::map<std::uintptr_t, std::function<void()>> actions_;
  std::map<std::uintptr_t, PendingBox> boxes_;
  std::map<std::uintptr_t, PendingMenu> menus_;
  Win32LowMemory memory_;
  std::vector<WindowHandle> topLevel_;
};

}  // namespace velto::standin
