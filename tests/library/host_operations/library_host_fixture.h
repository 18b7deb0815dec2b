#pragma once

#include <string>
#include <vector>

#include "host/controls.h"
#include "host/messages.h"
#include "library/windows/form_control.h"
#include "support/host_fixture.h"
#include "support/message_sequence.h"
#include "support/own_controls.h"

namespace velto::testing {

// One of our own forms, as the toolkit would give it to the library: a window of the
// desktop and a position in twips.
class FakeForm : public library::FormControl {
 public:
  FakeForm(host::WindowHandle handle, int left, int top, int width, int height)
      : handle_(handle), left_(left), top_(top), width_(width), height_(height) {}
  host::WindowHandle Handle() override { return handle_; }
  int Left() override { return left_; }
  int Top() override { return top_; }
  int Width() override { return width_; }
  int Height() override { return height_; }
  void SetLeft(int twips) override {
    left_ = twips;
    lefts.push_back(twips);
  }
  void SetTop(int twips) override {
    top_ = twips;
    tops.push_back(twips);
  }
  std::string Caption() override { return {}; }
  void SetCaption(const std::string&) override {}

  std::vector<int> lefts, tops;  // every position set, in order

 private:
  host::WindowHandle handle_;
  int left_, top_, width_, height_;
};

// SendMessageA with a buffer the window fills (WM_GETTEXT, LB_GETTEXT).
inline Expected SentBuffer(host::WindowHandle window, std::uint32_t message, std::uint32_t wParam) {
  return Entry(window, host::Delivery::kSent, message, wParam, host::LParamKind::kBuffer, 0, {});
}

// The substitute desktop with the stand-in host, and the ways to its windows that the
// library's tests share.
class LibraryHostTest : public HostTest {
 protected:
  // The n-th (from 1) direct child of the class.
  host::WindowHandle NthChild(host::WindowHandle parent, const std::string& className,
                              int n = 1) const {
    for (host::WindowHandle child : desktop_.ChildrenOf(parent)) {
      if (desktop_.ClassOf(child) == className && --n == 0)
        return child;
    }
    return host::kNoWindow;
  }
  host::WindowHandle PeopleList() const { return NthChild(standin_.chatRoom(), "_AOL_Listbox"); }
  host::WindowHandle InnerToolbar() const {
    return NthChild(NthChild(standin_.frame(), "AOL Toolbar"), "_AOL_Toolbar");
  }
  // The host child window with exactly this caption, 0 when none.
  host::WindowHandle HostChild(const std::string& caption) const {
    for (host::WindowHandle child : desktop_.ChildrenOf(standin_.mdiClient())) {
      if (desktop_.Caption(child) == caption)
        return child;
    }
    return host::kNoWindow;
  }
  // The kinds and texts of what the host received since the last call.
  std::vector<std::string> Fresh(standin::Received::Kind kind) {
    std::vector<std::string> texts;
    for (std::size_t i = seen_; i < standin_.received().size(); ++i) {
      if (standin_.received()[i].kind == kind)
        texts.push_back(standin_.received()[i].bytes);
    }
    seen_ = standin_.received().size();
    return texts;
  }

  std::size_t seen_ = 0;
};

}  // namespace velto::testing
