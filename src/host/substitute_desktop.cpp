#include "host/substitute_desktop.h"

#include <algorithm>
#include <cctype>
#include <cmath>

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

}  // namespace

SubstituteDesktop::SubstituteDesktop() = default;

// --- the window tree ---

WindowHandle SubstituteDesktop::AddWindow(WindowHandle parent, std::string_view className,
                                          std::string_view captionUtf8, MessageHandler handler) {
  const WindowHandle handle{nextHandle_};
  nextHandle_ += 4;  // real handles are spaced the same way
  windows_[handle.value()] =
      Window{parent, std::string(className), ToHostBytes(captionUtf8), std::move(handler), {}};
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
  if (auto it = windows_.find(window.value()); it != windows_.end())
    it->second.hung = hung;
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
  return 0;
}

std::intptr_t SubstituteDesktop::Deliver(WindowHandle window, Delivery how,
                                         const Message& message) {
  const Window* target = Find(window);
  const bool delivered = target != nullptr && !target->hung;
  log_.push_back(LoggedMessage{window, how, message, delivered});
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

std::intptr_t SubstituteDesktop::SendMessageA(WindowHandle window, std::uint32_t message,
                                              std::uint32_t wParam, std::int16_t& variable) {
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
  log_.push_back(LoggedMessage{window, Delivery::kPosted, posted, accepted});
  if (!accepted)
    return;
  Schedule(0, [this, window, posted] {
    const Window* target = Find(window);
    if (!target)
      return;  // the window went away before its queue was read
    MessageHandler handler = target->handler;
    if (handler) {
      handler(*this, window, posted);
    } else {
      DefaultHandling(window, posted);
    }
  });
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
}

// --- time and events ---

void SubstituteDesktop::SetTimeOfDay(double secondsSinceMidnight) {
  timeOfDayAtStart_ = secondsSinceMidnight - now_;
}

double SubstituteDesktop::Clock() {
  ++platformCalls_;
  return std::fmod(timeOfDayAtStart_ + now_ + timings::kSecondsPerDay, timings::kSecondsPerDay);
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
  double until = now_ + std::max(0.0, seconds);
  if (!events_.empty())
    until = std::min(until, events_.top().due);
  now_ = until;
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
