#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "host/window_handle.h"

namespace velto::standin {

using host::WindowHandle;

// What the stand-in host sees of a message to one of its windows. Text is the 8-bit
// bytes the sender gave.
struct HostMessage {
  std::uint32_t message = 0;
  std::uint32_t wParam = 0;
  std::string textBytes;
};

// Called for the messages a stand-in window reacts to; the window's own behaviour
// (keeping its text) happens whether or not a reaction is given.
using Reaction = std::function<void(WindowHandle self, const HostMessage&)>;

// The tiny window-creation interface the stand-in host is written over: windows on the
// substitute desktop in tests, real Win32 windows in standin-host.exe.
class HostWindows {
 public:
  virtual ~HostWindows() = default;
  virtual WindowHandle Create(WindowHandle parent, std::string_view className,
                              std::string_view captionUtf8, Reaction reaction = {}) = 0;
  virtual void Destroy(WindowHandle window) = 0;
  virtual bool Exists(WindowHandle window) = 0;
  virtual std::string TextBytes(WindowHandle window) = 0;
  virtual void SetTextBytes(WindowHandle window, const std::string& bytes) = 0;
  // Runs `action` after `seconds`, from the host's own event loop.
  virtual void Later(double seconds, std::function<void()> action) = 0;
  // Seconds since the stand-in host started.
  virtual double Now() = 0;
  // The host's "America Online" message box; `closed` runs once it is confirmed.
  virtual void ShowMessageBox(WindowHandle owner, const std::string& textUtf8,
                              std::function<void()> closed) = 0;
};

}  // namespace velto::standin
