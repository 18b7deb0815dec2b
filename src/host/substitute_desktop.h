#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <queue>
#include <string>
#include <vector>

#include "host/platform.h"

namespace velto::host {

enum class Delivery { kSent, kPosted };
// How lParam travelled: a plain value, the address of a text's 8-bit copy, or the
// address of a 32-bit or 16-bit variable.
enum class LParamKind { kValue, kText, kReference32, kReference16, kBuffer };

// A message as a window of the substitute desktop receives it. Text travels as the
// host's 8-bit bytes, exactly as a real host window would read them.
struct Message {
  std::uint32_t message = 0;
  std::uint32_t wParam = 0;
  std::uint32_t lParam = 0;  // the value; for references, the variable's value
  LParamKind lParamKind = LParamKind::kValue;
  std::string textBytes;
  TextBuffer* buffer = nullptr;  // kBuffer: where the window copies its text back
};

// One entry of the delivery log.
struct LoggedMessage {
  WindowHandle window;
  Delivery how = Delivery::kSent;
  Message message;
  bool delivered = true;  // false when rejected: window 0, gone, or hung past the bound
  // The window as it was when the message came, for reports after it has gone.
  std::string className;
  std::string captionBytes;
};

class SubstituteDesktop;
// Handles a message; returns the message's result. Unhandled messages go to
// SubstituteDesktop::DefaultHandling.
using MessageHandler =
    std::function<std::intptr_t(SubstituteDesktop&, WindowHandle self, const Message&)>;

// An in-memory desktop that follows the platform's rules the host routines rely on:
// class names match without regard to case, a parent of 0 searches the top-level
// windows, children enumerate in creation order, a gone "after" window ends the
// enumeration, messages to window 0 are rejected. Time is virtual: waiting jumps the
// clock to the next due event, so tests never sleep.
class SubstituteDesktop : public Platform {
 public:
  SubstituteDesktop();

  // --- the window tree ---
  WindowHandle AddWindow(WindowHandle parent, std::string_view className,
                         std::string_view captionUtf8, MessageHandler handler = {});
  // Destroys the window and everything below it.
  void RemoveWindow(WindowHandle window);
  bool Exists(WindowHandle window) const;
  std::string ClassOf(WindowHandle window) const;
  std::string CaptionBytes(WindowHandle window) const;
  std::string Caption(WindowHandle window) const;  // widened to UTF-8
  void SetCaptionBytes(WindowHandle window, std::string bytes);
  WindowHandle ParentOf(WindowHandle window) const;
  std::vector<WindowHandle> ChildrenOf(WindowHandle parent) const;  // 0: top level
  void SetHandler(WindowHandle window, MessageHandler handler);

  // What a window does with a message its handler leaves alone (text messages).
  std::intptr_t DefaultHandling(WindowHandle window, const Message& message);

  // --- window state, menus, pointer, screen ---
  bool IsTopmost(WindowHandle window) const;
  MenuHandle AddMenu();
  // Adds an entry at the end of the menu; `submenu` makes it open a further menu.
  void AddMenuItem(MenuHandle menu, std::string_view textUtf8, std::uint32_t id,
                   MenuHandle submenu = {});
  void SetMenu(WindowHandle window, MenuHandle menu);
  void SetScreenSize(int width, int height) { screenWidth_ = width, screenHeight_ = height; }

  // --- other processes' memory ---
  void SetWindowProcess(WindowHandle window, std::uint32_t processId);
  // Maps bytes into a process's address space (which makes the process exist).
  void WriteProcessMemory(std::uint32_t processId, std::uint32_t address, std::string bytes);
  std::size_t OpenProcessHandles() const { return openProcesses_.size(); }

  // --- virtual time and events ---
  double Now() const { return now_; }  // virtual seconds since the desktop was made
  // The wall clock: moving it (a correction, a daylight-saving change) changes only the
  // time of day, never the monotonic Clock() that durations are measured on.
  void SetTimeOfDay(double secondsSinceMidnight);
  double TimeOfDay() const;
  // Runs `action` once `delaySeconds` of virtual time have passed (0: at the next pump).
  void Schedule(double delaySeconds, std::function<void()> action);
  // Lets virtual time pass, handling every event as it comes due.
  void RunFor(double seconds);
  std::size_t PendingEvents() const { return events_.size(); }
  // How many times a wait for events has blocked and woken again: what an idle program
  // costs. A wait that finds an event already due does not block.
  std::size_t Wakes() const { return wakes_; }

  // --- the delivery log ---
  const std::vector<LoggedMessage>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }
  std::size_t PlatformCalls() const { return platformCalls_; }
  // ReleaseCapture is no message; a test sees its order through this count.
  std::size_t CaptureReleases() const { return captureReleases_; }

  // --- failure injection ---
  // Runs before every FindWindowExA step (a window may close mid-walk).
  std::function<void(WindowHandle parent, WindowHandle after)> beforeFindWindowEx;
  // A hung window does not answer. A message sent to it takes the send bound of virtual
  // time and fails; once it has been hung for the bound, the system knows it is hung
  // and sends fail at once (SMTO_ABORTIFHUNG). Posted messages wait until it answers.
  void SetHung(WindowHandle window, bool hung);
  // Every window of the process stops answering for `seconds` (its program stopped
  // pumping messages); a send that the hang outlasts fails as above, one that it does
  // not is answered when the hang ends.
  void HangProcess(std::uint32_t processId, double seconds);
  // Each message sent to the process's windows takes this long to be answered.
  void SetAnswerDelay(std::uint32_t processId, double seconds);
  // The system asks the program to quit (WM_QUIT reaches its queue).
  void PostQuitMessage(int exitCode);
  int ExitCode() const { return exitCode_; }

  // --- Platform ---
  WindowHandle FindWindowA(std::string_view className, CaptionFilter caption) override;
  WindowHandle FindWindowExA(WindowHandle parent, WindowHandle after, std::string_view className,
                             CaptionFilter caption) override;
  std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                             const std::string& text) override;
  std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                             std::uint32_t lParam) override;
  std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                             std::int32_t& variable) override;
  std::intptr_t SendMessageUnboundedA(WindowHandle window, std::uint32_t message,
                                      std::uint32_t wParam, std::int16_t& variable) override;
  std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                             TextBuffer& buffer) override;
  void PostMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                    std::uint32_t lParam) override;
  int GetWindowTextLengthA(WindowHandle window) override;
  std::string GetWindowTextA(WindowHandle window, int size) override;
  std::string GetClassNameA(WindowHandle window, int size) override;
  void ReleaseCapture() override;
  void ShowWindow(WindowHandle window, int command) override;
  bool IsWindowVisible(WindowHandle window) override;
  void SetWindowPos(WindowHandle window, int insertAfter, int x, int y, int width, int height,
                    unsigned flags) override;
  MenuHandle GetMenu(WindowHandle window) override;
  int GetMenuItemCount(MenuHandle menu) override;
  MenuHandle GetSubMenu(MenuHandle menu, int position) override;
  std::uint32_t GetMenuItemID(MenuHandle menu, int position) override;
  std::string GetMenuStringA(MenuHandle menu, std::uint32_t item, int size,
                             unsigned flags) override;
  Point GetCursorPos() override;
  void SetCursorPos(int x, int y) override;
  int GetSystemMetrics(int index) override;
  std::uint32_t GetWindowThreadProcessId(WindowHandle window) override;
  ProcessHandle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) override;
  bool ReadProcessMemory(ProcessHandle process, std::uint32_t address, void* buffer,
                         std::size_t size) override;
  void CloseHandle(ProcessHandle process) override;
  bool LastSendAnswered() override { return lastSendAnswered_; }
  void SetSendBound(double seconds) override { sendBound_ = seconds; }
  void PumpEvents() override;
  bool QuitRequested() override { return quitRequested_; }
  double Clock() override;
  void WaitForEvent(double seconds) override;
  // On the substitute the other side only acts through the event queue, so a sleep
  // lets virtual time pass and the events that come due run.
  void Sleep(double seconds) override;

 private:
  // The window tree (substitute_desktop_windows.cpp). A window also carries what delivery
  // (its handler, whether it is hung), menus and processes keep about it.
  struct Window {
    WindowHandle parent;
    std::string className;
    std::string captionBytes;
    MessageHandler handler;
    std::vector<WindowHandle> children;
    bool hung = false;
    double hungSince = 0;
    bool visible = true;
    bool topmost = false;
    MenuHandle menu;
    std::uint32_t processId = 0;
  };
  const Window* Find(WindowHandle window) const;
  std::vector<WindowHandle>& SiblingsOf(WindowHandle parent);
  std::map<std::uint32_t, Window> windows_;
  std::vector<WindowHandle> topLevel_;
  std::uint32_t nextHandle_ = 0x10010;

  // Message delivery: hangs, answer delays and the send bound
  // (substitute_desktop_delivery.cpp).
  struct ProcessState {
    double hungSince = 0;
    double hungUntil = 0;
    double answerDelay = 0;
  };
  std::intptr_t Deliver(WindowHandle window, Delivery how, const Message& message);
  // Lets the time pass that a sent message takes; false when it was not answered.
  bool WaitForAnswer(const Window& target);
  // When a hung window answers again: now when it is not hung, infinity while hung for good.
  double AnswersAgainAt(const Window& target) const;
  double HungFor(const Window& target) const;
  void RunPosted(WindowHandle window, const Message& posted);
  std::vector<LoggedMessage> log_;
  bool lastSendAnswered_ = false;
  double sendBound_;
  std::map<std::uint32_t, ProcessState> processStates_;
  bool quitRequested_ = false;
  int exitCode_ = 0;

  // The virtual clock and the scheduled events (substitute_desktop_clock.cpp).
  struct Event {
    double due;
    std::uint64_t sequence;  // keeps events of the same moment in the order they came
    std::function<void()> action;
    bool operator>(const Event& other) const {
      return due != other.due ? due > other.due : sequence > other.sequence;
    }
  };
  bool HasDueEvent() const;
  std::priority_queue<Event, std::vector<Event>, std::greater<>> events_;
  std::uint64_t nextSequence_ = 0;
  double now_ = 0;
  std::size_t wakes_ = 0;
  double timeOfDayAtStart_ = 12 * 3600;  // noon, far from midnight unless a test asks

  // Menus (substitute_desktop_menus.cpp).
  struct MenuItem {
    std::string textBytes;
    std::uint32_t id = 0;
    MenuHandle submenu;
  };
  const MenuItem* FindMenuCommand(MenuHandle menu, std::uint32_t command) const;
  std::map<std::uint32_t, std::vector<MenuItem>> menus_;
  std::uint32_t nextMenu_ = 0x20010;

  // Other processes' memory (substitute_desktop_memory.cpp).
  struct MemoryRegion {
    std::uint32_t address;
    std::string bytes;
  };
  std::map<std::uint32_t, std::vector<MemoryRegion>> processes_;
  std::map<std::uintptr_t, std::uint32_t> openProcesses_;  // handle -> process id
  std::uintptr_t nextProcessHandle_ = 0x100;

  // The desktop as a whole: the pointer, the screen, and the counts a test reads
  // (substitute_desktop.cpp).
  std::size_t platformCalls_ = 0;
  std::size_t captureReleases_ = 0;
  Point cursor_;
  int screenWidth_ = 1280;
  int screenHeight_ = 1024;
};

}  // namespace velto::host
