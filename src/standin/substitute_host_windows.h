#pragma once

#include "host/substitute_desktop.h"
#include "standin/host_windows.h"

namespace velto::standin {

// The stand-in host's windows as windows of the substitute desktop.
class SubstituteHostWindows : public HostWindows {
 public:
  explicit SubstituteHostWindows(host::SubstituteDesktop& desktop) : desktop_(desktop) {}

  WindowHandle Create(WindowHandle parent, std::string_view className,
                      std::string_view captionUtf8, Reaction reaction = {}) override;
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

 private:
  host::SubstituteDesktop& desktop_;
};

}  // namespace velto::standin
