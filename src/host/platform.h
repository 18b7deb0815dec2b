#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/outcome.h"
#include "host/window_handle.h"

namespace velto::host {

// A menu or a process handle of the platform; 0 means none.
struct MenuHandle {
  std::uint32_t value = 0;
  explicit operator bool() const { return value != 0; }
  friend bool operator==(MenuHandle a, MenuHandle b) { return a.value == b.value; }
};
struct ProcessHandle {
  std::uintptr_t value = 0;
  explicit operator bool() const { return value != 0; }
};

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
};

// Room for text a window copies back (WM_GETTEXT, LB_GETTEXT): at most size - 1
// characters; `text` receives them widened to UTF-8.
struct TextBuffer {
  int size = 0;
  std::string text;
};

// A caption to search for; std::nullopt matches any caption (Win32's null pointer).
using CaptionFilter = std::optional<std::string_view>;
inline constexpr CaptionFilter kAnyCaption = std::nullopt;
// A class name to search for that matches any class (Win32's null pointer); only
// FindWindowExA takes it.
inline constexpr std::string_view kAnyClass = {};

// The operations the host routines need from the platform, under their Win32 names,
// plus the event pump, the clock and a blocking wait. Text arguments and results are
// UTF-8; an implementation converts them to and from the host's 8-bit code page where
// they cross into a window.
//
// Two implementations: Win32Platform over user32, and SubstituteDesktop, an in-memory
// desktop for tests.
class Platform {
 public:
  Platform() = default;
  // Not copied: a copy would keep its outcomes in the original.
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;
  virtual ~Platform() = default;

  // A top-level window of the class (compared without regard to case) whose caption
  // equals the filter; 0 if none.
  virtual WindowHandle FindWindowA(std::string_view className, CaptionFilter caption) = 0;

  // The next direct child of parent after `after` (0: from the first child) with the
  // class (kAnyClass: any) and caption; parent 0 searches the top-level windows; 0 when no further
  // child matches or `after` no longer exists.
  virtual WindowHandle FindWindowExA(WindowHandle parent, WindowHandle after,
                                     std::string_view className, CaptionFilter caption) = 0;

  // SendMessageA, text form: lParam is the address of the text's 8-bit copy.
  virtual std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message,
                                     std::uint32_t wParam, const std::string& text) = 0;
  // SendMessageA, value form.
  virtual std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message,
                                     std::uint32_t wParam, std::uint32_t lParam) = 0;
  // SendMessageA, reference form: lParam is the address of a 32-bit variable.
  virtual std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message,
                                     std::uint32_t wParam, std::int32_t& variable) = 0;
  // SendMessageA, reference form with a 16-bit variable, and the one send WITHOUT the
  // hung-window bound: it is for our own window's move command, whose modal loop runs
  // inside the call until the user releases the button, so no bound may cut it short.
  virtual std::intptr_t SendMessageUnboundedA(WindowHandle window, std::uint32_t message,
                                              std::uint32_t wParam, std::int16_t& variable) = 0;

  // SendMessageA with a buffer the window fills (WM_GETTEXT, LB_GETTEXT).
  virtual std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message,
                                     std::uint32_t wParam, TextBuffer& buffer) = 0;

  virtual void PostMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                            std::uint32_t lParam) = 0;

  // Length of the caption in 8-bit characters; 0 for window 0.
  virtual int GetWindowTextLengthA(WindowHandle window) = 0;
  // At most size - 1 8-bit characters of the caption, widened to UTF-8.
  virtual std::string GetWindowTextA(WindowHandle window, int size) = 0;

  // At most size - 1 characters of the window's class name; empty for window 0 or a
  // window that is gone.
  virtual std::string GetClassNameA(WindowHandle window, int size) = 0;

  virtual void ReleaseCapture() = 0;

  // Window state, menus and the pointer (the library's operations).
  virtual void ShowWindow(WindowHandle window, int command) = 0;
  virtual bool IsWindowVisible(WindowHandle window) = 0;
  virtual void SetWindowPos(WindowHandle window, int insertAfter, int x, int y, int width,
                            int height, unsigned flags) = 0;
  virtual MenuHandle GetMenu(WindowHandle window) = 0;
  virtual int GetMenuItemCount(MenuHandle menu) = 0;
  virtual MenuHandle GetSubMenu(MenuHandle menu, int position) = 0;
  virtual std::uint32_t GetMenuItemID(MenuHandle menu, int position) = 0;
  // The entry's text, at most size - 1 characters; flags as Win32's (0 by command, 0x400
  // by position).
  virtual std::string GetMenuStringA(MenuHandle menu, std::uint32_t item, int size,
                                     unsigned flags) = 0;
  virtual Point GetCursorPos() = 0;
  virtual void SetCursorPos(int x, int y) = 0;
  // The screen's size in pixels: GetSystemMetrics(SM_CXSCREEN / SM_CYSCREEN).
  virtual int GetSystemMetrics(int index) = 0;

  // Reading another process's memory (the host's list entries).
  virtual std::uint32_t GetWindowThreadProcessId(WindowHandle window) = 0;
  virtual ProcessHandle OpenProcess(std::uint32_t access, bool inherit,
                                    std::uint32_t processId) = 0;
  // Reads `size` bytes at `address`; false (and nothing) when any of them cannot be read.
  virtual bool ReadProcessMemory(ProcessHandle process, std::uint32_t address, void* buffer,
                                 std::size_t size) = 0;
  virtual void CloseHandle(ProcessHandle process) = 0;

  // Whether the latest SendMessageA (any form) reached its window and was answered
  // within the bound: false for window 0, a window that is gone, and a window that did
  // not answer in time or whose program the system already knows to be hung.
  virtual bool LastSendAnswered() = 0;
  // The longest a later SendMessageA to another program's window may take; the usual
  // bound is timings::kHungHostMilliseconds.
  virtual void SetSendBound(double seconds) = 0;

  // Handles every event already queued for the program's own windows, then returns.
  // Once the program has been asked to quit it handles nothing more.
  virtual void PumpEvents() = 0;
  // Whether the program has been asked to quit (WM_QUIT met by the pump). From then on
  // every wait ends and the host routines send nothing more; the request stays queued
  // for the program's main loop, which ends the program.
  virtual bool QuitRequested() = 0;
  // Seconds on a monotonic clock, with a fraction: only differences mean anything. It
  // never follows the time of day, so a clock correction or a daylight-saving change
  // leaves every duration as it is.
  virtual double Clock() = 0;
  // Blocks until an event is queued for the program or `seconds` have passed.
  virtual void WaitForEvent(double seconds) = 0;
  // Sleeps without looking at the program's events (for waits that must not pump).
  virtual void Sleep(double seconds) = 0;

  // Told by each wait and pause as it ends: its kind, how long it took, and whether
  // what it waited for held. Nothing by default; a trace of the call prints it.
  virtual void WaitEnded(std::string_view kind, double seconds, bool held);

  // How the latest call made on this platform ended. A caller begins each call it wants
  // to hear about, then reads LastOutcome(); a call begun after the program was asked to
  // quit ends "quit requested".
  void BeginCall();
  Outcome LastOutcome() const { return outcomes_->Last(); }
  // Where the routines' steps tell how they ended.
  OutcomeRecord& Outcomes() { return *outcomes_; }

 protected:
  // A platform that hands its operations on to `other` keeps its outcomes there too, so
  // a routine hears the same outcome through either.
  void ShareOutcomesOf(Platform& other) { outcomes_ = &other.Outcomes(); }

  // What every implementation's sends and posts tell: a message to window 0 had nothing
  // to act on; one that was not answered (or not accepted) is the host not answering.
  void RecordDelivery(WindowHandle window, bool answered);

 private:
  OutcomeRecord ownOutcomes_;
  OutcomeRecord* outcomes_ = &ownOutcomes_;
};

}  // namespace velto::host
