#pragma once

#include <string>
#include <vector>

#include "host/controls.h"
#include "library/windows/form_control.h"
#include "support/host_fixture.h"
#include "support/message_sequence.h"

namespace velto::testing {

// The stand-in host with its mail and account windows.
class MailTest : public HostTest {
 protected:
  // The n-th (from 1) child of the class, straight from the desktop's tree.
  host::WindowHandle Child(host::WindowHandle parent, std::string_view className, int n = 1) const;
  host::WindowHandle HostChild(std::string_view caption) const;
  host::WindowHandle TopLevel(std::string_view className, std::string_view caption) const;
  host::WindowHandle ToolbarIcon(int n) const;

  // Lets the host act on what it was sent.
  void LetHostAct() { desktop_.RunFor(1.0); }

  standin::StandinMail& mail_ = standin_.mail();
  standin::StandinAccounts& accounts_ = standin_.accounts();
};

// Compares the messages that acted on the host (everything but the questions LB_GETCOUNT,
// LB_GETTEXTLEN, LB_GETTEXT, WM_GETTEXTLENGTH and WM_GETTEXT) with the table, as
// ExpectSequence does, and clears the log.
void ExpectActions(host::SubstituteDesktop& desktop, const std::vector<Expected>& expected,
                   const std::string& context);

// A click as the library sends it: button down, then up, each with the address of a zero.
std::vector<Expected> Click(host::WindowHandle button);
// A click as the library posts it: button down, then up, plain zeros.
std::vector<Expected> PostedClick(host::WindowHandle button);
std::vector<Expected> Join(std::initializer_list<std::vector<Expected>> parts);

// A list box of the program's own, in memory.
class FakeList : public host::ListControl {
 public:
  int Count() const override { return static_cast<int>(items.size()); }
  std::string Item(int index) const override { return items.at(static_cast<std::size_t>(index)); }
  void AddItem(const std::string& item) override { items.push_back(item); }
  std::vector<std::string> items;
};

// A form of the program's own that remembers every caption it was given.
class FakeForm : public library::FormControl {
 public:
  explicit FakeForm(std::string caption) : captions{std::move(caption)} {}
  host::WindowHandle Handle() override { return host::kNoWindow; }
  int Left() override { return 0; }
  int Top() override { return 0; }
  int Width() override { return 0; }
  int Height() override { return 0; }
  void SetLeft(int) override {}
  void SetTop(int) override {}
  std::string Caption() override { return captions.back(); }
  void SetCaption(const std::string& caption) override { captions.push_back(caption); }
  std::vector<std::string> captions;
};

}  // namespace velto::testing
