// The substitute desktop's window tree: making and destroying windows, their captions,
// state and place in the tree, and the searches user32 answers over it.

#include "host/substitute_desktop.h"

#include <algorithm>
#include <cctype>

#include "host/host_text.h"

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

const SubstituteDesktop::Window* SubstituteDesktop::Find(WindowHandle window) const {
  auto it = windows_.find(window.value());
  return it == windows_.end() ? nullptr : &it->second;
}

std::vector<WindowHandle>& SubstituteDesktop::SiblingsOf(WindowHandle parent) {
  return parent ? windows_.at(parent.value()).children : topLevel_;
}

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
    if (!className.empty() && !SameName(window.className, className))
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

std::string SubstituteDesktop::GetClassNameA(WindowHandle window, int size) {
  ++platformCalls_;
  if (!Find(window) || size <= 0)
    return {};
  return ClassOf(window).substr(0, static_cast<std::size_t>(size - 1));
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

}  // namespace velto::host
