#pragma once

#include <map>
#include <optional>

#include "host/substitute_desktop.h"
#include "standin/host_windows.h"

namespace velto::standin {

// The stand-in host's windows as windows of the substitute desktop.
class SubstituteHostWindows : public HostWindows {
 public:
  explicit SubstituteHostWindows(host::SubstituteDesktop& desktop) : desktop_(desktop) {}

  WindowHandle Create(WindowHandle parent, std::string_view className, std::string_view captionUtf8,
                      Reaction reaction = {}) override;
  void Destroy(WindowHandle window) override { desktop_.RemoveWindow(window); }
  bool Exists(WindowHandle window) override { return desktop_.Exists(window); }
  std::string TextBytes(WindowHandle window) override { return desktop_.CaptionBytes(window); }
  void SetTextBytes(WindowHandle window, const std::string& bytes) override {
    desktop_.SetCaptionBytes(window, bytes);
  }
  void Later(double seconds, std::function<void()> action) override {
    desktop_.Schedule(seconds, std::move(action));
  }
  double Now() override { return desktop_.Now(); }
  void ShowMessageBox(WindowHandle owner, const std::string& textUtf8,
                      std::function<void()> closed) override;
  void ShowQuestion(WindowHandle owner, const std::string& textUtf8,
                    std::function<void(bool yes)> answered) override;

  // Menus, lists, check boxes and memory (substitute_host_controls.cpp).
  void SetMenuBar(WindowHandle window, const std::vector<MenuEntry>& bar) override;
  void ShowPopupMenu(WindowHandle owner, const std::vector<MenuEntry>& entries,
                     std::function<void(std::uint32_t command)> chosen) override;
  void SetListItems(WindowHandle list, std::vector<ListItem> items) override;
  int SelectedListItem(WindowHandle list) override;
  std::uint32_t PlaceInMemory(const std::string& bytes) override;
  WindowHandle CreateCheckBox(WindowHandle parent, std::string_view className,
                              std::string_view captionUtf8, bool checked,
                              std::function<void(bool checked)> changed) override;

  void Hang(double seconds) override { desktop_.HangProcess(kHostProcessId, seconds); }
  void SetAnswerDelay(double seconds) override { desktop_.SetAnswerDelay(kHostProcessId, seconds); }
  // Every top-level window of the host goes: the frame, and any message box it showed.
  void Quit(WindowHandle frame) override;

  // The host's process on the substitute desktop: every window of the stand-in host
  // belongs to it, and PlaceInMemory writes into its address space.
  static constexpr std::uint32_t kHostProcessId = 0x0A01;

 private:
  struct ListState {
    std::vector<ListItem> items;
    int selected = -1;
  };
  // A list box's answer to a list message; nullopt for the messages it leaves alone.
  std::optional<std::intptr_t> AnswerListMessage(WindowHandle list, const host::Message& message);

  host::SubstituteDesktop& desktop_;
  std::map<WindowHandle, ListState> lists_;
  std::uint32_t nextAddress_ = 0x00410000;
};

}  // namespace velto::standin
