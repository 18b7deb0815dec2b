#include "host/substitute_desktop.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>

#include "host/host_text.h"
#include "host/messages.h"
#include "host/timings.h"

namespace velto::host {
namespace {

// Class names and captions both compare without regard to (ASCII) letter case, as
// user32 does.
bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// How long a window must not have answered before the system calls it hung.
constexpr double kKnownHungSeconds = timings::kHungHostMilliseconds / 1000.0;
constexpr double kForever = std::numeric_limits<double>::infinity();
// How often a message posted to a window that is hung for good looks again.
constexpr double kPostedRetrySeconds = 1.0;

}  // namespace

SubstituteDesktop::SubstituteDesktop() : sendBound_(timings::kHungHostMilliseconds / 1000.0) {}

// --- the window tree ---

WindowHandle SubstituteDesktop::AddWindow(WindowHandle parent, std::string_view className,
                                          std::string_view captionUtf8, MessageHandler handler) {
  const WindowHandle handle{nextHandle_};
  nextHandle_ += 4;  // real handles are spaced the same way
  Window& window = windows_[handle.value()];
  window.parent = parent;
  window.className = std::string(className);
  window.captionBytes = ToHostBytes(captionUtf8);
  window.handler = std::move(handler);
  SiblingsOf(parent).push_back(handle);
  return handle;
}

void SubstituteDesktop::RemoveWindow(WindowHandle window) {
  const Window* found = Find(window);
  if (!found)
    return;
  const std::vector<WindowHandle> children = found->children;
  for (WindowHandle child : children) RemoveWindow(child);
  auto& siblings = SiblingsOf(found->parent);
  siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
  windows_.erase(window.value());
}

bool SubstituteDesktop::Exists(WindowHandle window) const {
  return Find(window) != nullptr;
}

std::string SubstituteDesktop::ClassOf(WindowHandle window) const {
  const Window* found = Find(window);
  return found ? found->className : std::string();
}

std::string SubstituteDesktop::CaptionBytes(WindowHandle window) const {
  const Window* found = Find(window);
  return found ? found->captionBytes : std::string();
}

std::string SubstituteDesktop::Caption(WindowHandle window) const {
  return FromHostBytes(CaptionBytes(window));
}

void SubstituteDesktop::SetCaptionBytes(WindowHandle window, std::string bytes) {
  if (auto it = windows_.find(window.value()); it != windows_.end()) {
    it->second.captionBytes = std::move(bytes);
  }
}

WindowHandle SubstituteDesktop::ParentOf(WindowHandle window) const {
  const Window* found = Find(window);
  return found ? found->parent : kNoWindow;
}

std::vector<WindowHandle> SubstituteDesktop::ChildrenOf(WindowHandle parent) const {
  if (!parent)
    return topLevel_;
  const Window* found = Find(parent);
  return found ? found->children : std::vector<WindowHandle>{};
}

void SubstituteDesktop::SetHandler(WindowHandle window, MessageHandler handler) {
  if (auto it = windows_.find(window.value()); it != windows_.end()) {
    it->second.handler = std::move(handler);
  }
}

void SubstituteDesktop::SetHung(WindowHandle window, bool hung) {
  if (auto it = windows_.find(window.value()); it != windows_.end()) {
    it->second.hung = hung;
    it->second.hungSince = now_;
  }
}

void SubstituteDesktop::HangProcess(std::uint32_t processId, double seconds) {
  ProcessState& state = processStates_[processId];
  state.hungSince = now_;
  state.hungUntil = now_ + seconds;
}

void SubstituteDesktop::SetAnswerDelay(std::uint32_t processId, double seconds) {
  processStates_[processId].answerDelay = seconds;
}

void SubstituteDesktop::PostQuitMessage(int exitCode) {
  quitRequested_ = true;
  exitCode_ = exitCode;
}

double SubstituteDesktop::AnswersAgainAt(const Window& target) const {
  if (target.hung)
    return kForever;
  auto it = processStates_.find(target.processId);
  if (it != processStates_.end() && it->second.hungUntil > now_)
    return it->second.hungUntil;
  return now_;
}

double SubstituteDesktop::HungFor(const Window& target) const {
  if (target.hung)
    return now_ - target.hungSince;
  auto it = processStates_.find(target.processId);
  if (it != processStates_.end() && it->second.hungUntil > now_)
    return now_ - it->second.hungSince;
  return 0;
}

// The sender is blocked meanwhile: time passes without any event of ours being handled.
bool SubstituteDesktop::WaitForAnswer(const Window& target) {
  const double answersAt = AnswersAgainAt(target);
  if (answersAt > now_) {
    if (HungFor(target) >= kKnownHungSeconds)
      return false;
    if (answersAt - now_ > sendBound_) {
      now_ += sendBound_;
      return false;
    }
    now_ = answersAt;
  }
  auto it = processStates_.find(target.processId);
  const double delay = it == processStates_.end() ? 0 : it->second.answerDelay;
  if (delay > sendBound_) {
    now_ += sendBound_;
    return false;
  }
  now_ += delay;
  return true;
}

const SubstituteDesktop::Window* SubstituteDesktop::Find(WindowHandle window) const {
  auto it = windows_.find(window.value());
  return it == windows_.end() ? nullptr : &it->second;
}

std::vector<WindowHandle>& SubstituteDesktop::SiblingsOf(WindowHandle parent) {
  return parent ? windows_.at(parent.value()).children : topLevel_;
}

// --- messages ---

std::intptr_t SubstituteDesktop::DefaultHandling(WindowHandle window, const Message& message) {
  auto it = windows_.find(window.value());
  if (it == windows_.end())
    return 0;
  std::string& caption = it->second.captionBytes;
  if (message.message == WM_SETTEXT) {
    caption = message.textBytes;
    return 1;
  }
  if (message.message == WM_GETTEXTLENGTH)
    return static_cast<std::intptr_t>(caption.size());
  if (message.message == WM_GETTEXT && message.buffer) {
    // wParam is the room in the caller's buffer, the NUL included.
    const std::size_t room = std::min<std::size_t>(message.wParam, message.buffer->size);
    const std::string_view copied = std::string_view(caption).substr(0, room > 0 ? room - 1 : 0);
    message.buffer->text = FromHostBytes(copied);
    return static_cast<std::intptr_t>(copied.size());
  }
  return 0;
}

std::intptr_t SubstituteDesktop::Deliver(WindowHandle window, Delivery how,
                                         const Message& message) {
  const Window* target = Find(window);
  const bool delivered = target != nullptr && WaitForAnswer(*target);
  log_.push_back(LoggedMessage{window, how, message, delivered, target ? target->className : "",
                               target ? target->captionBytes : ""});
  lastSendAnswered_ = delivered;
  if (!delivered)
    return 0;
  // Copy the handler: it may remove its own window while it runs.
  MessageHandler handler = target->handler;
  if (handler)
    return handler(*this, window, message);
  return DefaultHandling(window, message);
}

std::intptr_t SubstituteDesktop::SendMessageA(WindowHandle window, std::uint32_t message,
                                              std::uint32_t wParam, const std::string& text) {
  ++platformCalls_;
  return Deliver(window, Delivery::kSent,
                 Message{message, wParam, 0, LParamKind::kText, ToHostBytes(text)});
}

std::intptr_t SubstituteDesktop::SendMessageA(WindowHandle window, std::uint32_t message,
                                              std::uint32_t wParam, std::uint32_t lParam) {
  ++platformCalls_;
  return Deliver(window, Delivery::kSent, Message{message, wParam, lParam, LParamKind::kValue, {}});
}

std::intptr_t SubstituteDesktop::SendMessageA(WindowHandle window, std::uint32_t message,
                                              std::uint32_t wParam, std::int32_t& variable) {
  ++platformCalls_;
  return Deliver(
      window, Delivery::kSent,
      Message{message, wParam, static_cast<std::uint32_t>(variable), LParamKind::kReference32, {}});
}

std::intptr_t SubstituteDesktop::SendMessageUnboundedA(WindowHandle window, std::uint32_t message,
                                                       std::uint32_t wParam,
                                                       std::int16_t& variable) {
  ++platformCalls_;
  return Deliver(
      window, Delivery::kSent,
      Message{message, wParam, static_cast<std::uint16_t>(variable), LParamKind::kReference16, {}});
}

void SubstituteDesktop::PostMessageA(WindowHandle window, std::uint32_t message,
                                     std::uint32_t wParam, std::uint32_t lParam) {
  ++platformCalls_;
  const Message posted{message, wParam, lParam, LParamKind::kValue, {}};
  const bool accepted = Exists(window);
  log_.push_back(LoggedMessage{window, Delivery::kPosted, posted, accepted, ClassOf(window),
                               CaptionBytes(window)});
  if (!accepted)
    return;
  Schedule(0, [this, window, posted] { RunPosted(window, posted); });
}

void SubstituteDesktop::RunPosted(WindowHandle window, const Message& posted) {
  const Window* target = Find(window);
  if (!target)
    return;  // the window went away before its queue was read
  const double answersAt = AnswersAgainAt(*target);
  if (answersAt > now_) {
    // A hung window reads its queue once it runs again.
    Schedule(std::min(answersAt - now_, kPostedRetrySeconds),
             [this, window, posted] { RunPosted(window, posted); });
    return;
  }
  MessageHandler handler = target->handler;
  if (handler) {
    handler(*this, window, posted);
  } else {
    DefaultHandling(window, posted);
  }
}

// --- searches and captions ---

WindowHandle SubstituteDesktop::FindWindowA(std::string_view className, CaptionFilter caption) {
  ++platformCalls_;
  return FindWindowExA(kNoWindow, kNoWindow, className, caption);
}

WindowHandle SubstituteDesktop::FindWindowExA(WindowHandle parent, WindowHandle after,
                                              std::string_view className, CaptionFilter caption) {
  ++platformCalls_;
  if (beforeFindWindowEx)
    beforeFindWindowEx(parent, after);
  if (parent && !Exists(parent))
    return kNoWindow;
  const std::vector<WindowHandle>& children = SiblingsOf(parent);
  auto it = children.begin();
  if (after) {
    it = std::find(children.begin(), children.end(), after);
    if (it == children.end())
      return kNoWindow;  // "after" is gone: the walk ends
    ++it;
  }
  const std::string captionBytes = caption ? ToHostBytes(*caption) : std::string();
  for (; it != children.end(); ++it) {
    const Window& window = windows_.at(it->value());
    if (!SameName(window.className, className))
      continue;
    if (caption && !SameName(window.captionBytes, captionBytes))
      continue;
    return *it;
  }
  return kNoWindow;
}

int SubstituteDesktop::GetWindowTextLengthA(WindowHandle window) {
  ++platformCalls_;
  const Window* found = Find(window);
  return found ? static_cast<int>(found->captionBytes.size()) : 0;
}

std::string SubstituteDesktop::GetWindowTextA(WindowHandle window, int size) {
  ++platformCalls_;
  const Window* found = Find(window);
  if (!found || size <= 0)
    return {};
  const std::size_t room = static_cast<std::size_t>(size - 1);
  return FromHostBytes(std::string_view(found->captionBytes).substr(0, room));
}

void SubstituteDesktop::ReleaseCapture() {
  ++platformCalls_;
  ++captureReleases_;
}

// --- time and events ---

void SubstituteDesktop::SetTimeOfDay(double secondsSinceMidnight) {
  timeOfDayAtStart_ = secondsSinceMidnight - now_;
}

double SubstituteDesktop::TimeOfDay() const {
  const double day = timings::kSecondsPerDay;
  return std::fmod(std::fmod(timeOfDayAtStart_ + now_, day) + day, day);
}

double SubstituteDesktop::Clock() {
  ++platformCalls_;
  return now_;
}

void SubstituteDesktop::Schedule(double delaySeconds, std::function<void()> action) {
  events_.push(Event{now_ + std::max(0.0, delaySeconds), nextSequence_++, std::move(action)});
}

bool SubstituteDesktop::HasDueEvent() const {
  return !events_.empty() && events_.top().due <= now_;
}

void SubstituteDesktop::PumpEvents() {
  ++platformCalls_;
  while (HasDueEvent()) {
    // Take the event off the queue first: its action may pump again.
    std::function<void()> action = events_.top().action;
    events_.pop();
    action();
  }
}

void SubstituteDesktop::WaitForEvent(double seconds) {
  ++platformCalls_;
  if (HasDueEvent())
    return;
  ++wakes_;
  double until = now_ + std::max(0.0, seconds);
  if (!events_.empty())
    until = std::min(until, events_.top().due);
  // A wait always lets some time pass, even one too short to change the clock's value,
  // so that a loop waiting for a deadline always reaches it.
  now_ = seconds > 0 ? std::max(until, std::nextafter(now_, kForever)) : until;
}

void SubstituteDesktop::RunFor(double seconds) {
  const double end = now_ + seconds;
  for (;;) {
    PumpEvents();
    if (now_ >= end)
      return;
    WaitForEvent(end - now_);
  }
}

}  // namespace velto::host

// --- the library's operations ---

namespace velto::host {

std::intptr_t SubstituteDesktop::SendMessageA(WindowHandle window, std::uint32_t message,
                                              std::uint32_t wParam, TextBuffer& buffer) {
  ++platformCalls_;
  Message sent{message, wParam, 0, LParamKind::kBuffer, {}};
  sent.buffer = &buffer;
  return Deliver(window, Delivery::kSent, sent);
}

void SubstituteDesktop::ShowWindow(WindowHandle window, int command) {
  ++platformCalls_;
  if (auto it = windows_.find(window.value()); it != windows_.end()) {
    it->second.visible = command != 0;  // SW_HIDE is 0; every other command shows
  }
}

bool SubstituteDesktop::IsWindowVisible(WindowHandle window) {
  ++platformCalls_;
  // As on Windows, a window is visible only when all its ancestors are.
  for (const Window* w = Find(window); w; w = Find(w->parent)) {
    if (!w->visible)
      return false;
    if (!w->parent)
      return true;
  }
  return false;
}

void SubstituteDesktop::SetWindowPos(WindowHandle window, int insertAfter, int, int, int, int,
                                     unsigned) {
  ++platformCalls_;
  constexpr int kTopmost = -1;
  constexpr int kNotTopmost = -2;
  if (auto it = windows_.find(window.value()); it != windows_.end()) {
    if (insertAfter == kTopmost)
      it->second.topmost = true;
    if (insertAfter == kNotTopmost)
      it->second.topmost = false;
  }
}

bool SubstituteDesktop::IsTopmost(WindowHandle window) const {
  const Window* found = Find(window);
  return found && found->topmost;
}

MenuHandle SubstituteDesktop::AddMenu() {
  const MenuHandle menu{nextMenu_};
  nextMenu_ += 4;
  menus_[menu.value];
  return menu;
}

void SubstituteDesktop::AddMenuItem(MenuHandle menu, std::string_view textUtf8, std::uint32_t id,
                                    MenuHandle submenu) {
  menus_[menu.value].push_back(MenuItem{ToHostBytes(textUtf8), id, submenu});
}

void SubstituteDesktop::SetMenu(WindowHandle window, MenuHandle menu) {
  if (auto it = windows_.find(window.value()); it != windows_.end())
    it->second.menu = menu;
}

MenuHandle SubstituteDesktop::GetMenu(WindowHandle window) {
  ++platformCalls_;
  const Window* found = Find(window);
  return found ? found->menu : MenuHandle{};
}

int SubstituteDesktop::GetMenuItemCount(MenuHandle menu) {
  ++platformCalls_;
  auto it = menus_.find(menu.value);
  return it == menus_.end() ? -1 : static_cast<int>(it->second.size());
}

MenuHandle SubstituteDesktop::GetSubMenu(MenuHandle menu, int position) {
  ++platformCalls_;
  auto it = menus_.find(menu.value);
  if (it == menus_.end() || position < 0 || position >= static_cast<int>(it->second.size())) {
    return {};
  }
  return it->second[position].submenu;
}

std::uint32_t SubstituteDesktop::GetMenuItemID(MenuHandle menu, int position) {
  ++platformCalls_;
  constexpr std::uint32_t kNoCommand = 0xFFFFFFFF;  // what Win32 answers for a submenu
  auto it = menus_.find(menu.value);
  if (it == menus_.end() || position < 0 || position >= static_cast<int>(it->second.size())) {
    return kNoCommand;
  }
  const MenuItem& item = it->second[position];
  return item.submenu ? kNoCommand : item.id;
}

std::string SubstituteDesktop::GetMenuStringA(MenuHandle menu, std::uint32_t item, int size,
                                              unsigned flags) {
  ++platformCalls_;
  constexpr unsigned kByPosition = 0x400;
  auto it = menus_.find(menu.value);
  if (it == menus_.end() || size <= 0)
    return {};
  const std::vector<MenuItem>& items = it->second;
  const MenuItem* found = nullptr;
  if (flags & kByPosition) {
    if (item < items.size())
      found = &items[item];
  } else {
    found = FindMenuCommand(menu, item);
  }
  if (!found)
    return {};
  return FromHostBytes(std::string_view(found->textBytes).substr(0, size - 1));
}

// As user32 does, a search by command looks into the menus an entry opens before it
// looks at the entries after that one.
const SubstituteDesktop::MenuItem* SubstituteDesktop::FindMenuCommand(MenuHandle menu,
                                                                      std::uint32_t command) const {
  auto it = menus_.find(menu.value);
  if (it == menus_.end())
    return nullptr;
  for (const MenuItem& entry : it->second) {
    if (entry.submenu) {
      if (const MenuItem* found = FindMenuCommand(entry.submenu, command))
        return found;
    } else if (entry.id == command) {
      return &entry;
    }
  }
  return nullptr;
}

Point SubstituteDesktop::GetCursorPos() {
  ++platformCalls_;
  return cursor_;
}

void SubstituteDesktop::SetCursorPos(int x, int y) {
  ++platformCalls_;
  cursor_ = Point{x, y};
}

int SubstituteDesktop::GetSystemMetrics(int index) {
  ++platformCalls_;
  constexpr int kScreenWidth = 0;   // SM_CXSCREEN
  constexpr int kScreenHeight = 1;  // SM_CYSCREEN
  if (index == kScreenWidth)
    return screenWidth_;
  if (index == kScreenHeight)
    return screenHeight_;
  return 0;
}

void SubstituteDesktop::SetWindowProcess(WindowHandle window, std::uint32_t processId) {
  if (auto it = windows_.find(window.value()); it != windows_.end()) {
    it->second.processId = processId;
  }
}

void SubstituteDesktop::WriteProcessMemory(std::uint32_t processId, std::uint32_t address,
                                           std::string bytes) {
  processes_[processId].push_back(MemoryRegion{address, std::move(bytes)});
}

std::uint32_t SubstituteDesktop::GetWindowThreadProcessId(WindowHandle window) {
  ++platformCalls_;
  const Window* found = Find(window);
  return found ? found->processId : 0;
}

ProcessHandle SubstituteDesktop::OpenProcess(std::uint32_t, bool, std::uint32_t processId) {
  ++platformCalls_;
  if (processes_.count(processId) == 0)
    return {};
  const ProcessHandle handle{nextProcessHandle_};
  nextProcessHandle_ += 4;
  openProcesses_[handle.value] = processId;
  return handle;
}

bool SubstituteDesktop::ReadProcessMemory(ProcessHandle process, std::uint32_t address,
                                          void* buffer, std::size_t size) {
  ++platformCalls_;
  auto open = openProcesses_.find(process.value);
  if (open == openProcesses_.end())
    return false;
  // Later writes cover earlier ones, as they would in real memory.
  const std::vector<MemoryRegion>& regions = processes_[open->second];
  for (auto region = regions.rbegin(); region != regions.rend(); ++region) {
    const std::uint64_t start = region->address;
    const std::uint64_t end = start + region->bytes.size();
    if (address >= start && address + static_cast<std::uint64_t>(size) <= end) {
      std::memcpy(buffer, region->bytes.data() + (address - start), size);
      return true;
    }
  }
  return false;
}

void SubstituteDesktop::CloseHandle(ProcessHandle process) {
  ++platformCalls_;
  openProcesses_.erase(process.value);
}

void SubstituteDesktop::Sleep(double seconds) {
  ++platformCalls_;
  RunFor(seconds);
}

}  // namespace velto::host
