#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "standin/host_windows.h"
#include "standin/standin_mail_list.h"

namespace velto::standin {

// A mail the host sent.
struct SentMail {
  std::string recipients;
  std::string subject;
  std::string message;
};

// The stand-in host's mail windows: the mailbox with its three tab lists, the filed-mail window,
// read-mail windows, the write window the toolbar's second icon opens, the compose window of a
// forwarded mail, and the error window for refused recipients.
class StandinMail {
 public:
  // How long the host takes to open a window after the click that asks for it.
  static constexpr double kOpenSeconds = 0.3;
  // How long it takes to send a mail and close its window.
  static constexpr double kSendSeconds = 0.2;
  static constexpr int kMailboxTabs = 3;
  static constexpr int kMailboxDeleteIcon = 7;
  static constexpr int kFiledMailDeleteIcon = 4;
  static constexpr int kReadMailForwardIcon = 7;
  static constexpr int kComposeIcons = 16;
  static constexpr int kWriteSendIcon = 16;
  static constexpr int kForwardSendIcon = 12;
  static constexpr int kWriteMailToolbarIcon = 2;
  static constexpr std::string_view kForwardPrefix = "Fwd: ";

  explicit StandinMail(HostWindows& windows) : windows_(windows) {}
  // The host's MDI client, where the windows open; given once the frame has it.
  void SetMdiClient(WindowHandle mdi) { mdi_ = mdi; }

  // The reaction of the toolbar icon that opens the write window.
  void OnWriteMailIcon(WindowHandle icon, const HostMessage& message);

  // The names the host knows as members; any other recipient is refused, and "*"
  // always is.
  void AddMember(const std::string& screenName);

  // Opens the mailbox; each tab's entries are texts of tab-separated fields (date,
  // sender, subject). Delete clicks act on tab 1's selection. A mailbox already open
  // takes the new entries instead.
  WindowHandle OpenMailbox(std::array<std::vector<std::string>, kMailboxTabs> tabs);
  StandinMailList& MailboxTab(int tab) { return *tabs_.at(static_cast<std::size_t>(tab - 1)); }
  WindowHandle OpenFiledMail(std::vector<std::string> entries);
  StandinMailList& FiledMail() { return *filed_; }
  // Opens the mailbox, the filed mail and a read-mail window with sample mail (names and
  // subjects beyond ASCII, and duplicates), for trying the mail routines by hand.
  void OpenSampleMail();
  // Shows the error window as a mail to the names would.
  void ShowSampleMailError();

  // Opens a read-mail window showing the mail; its forward icon opens a compose window
  // with the subject behind the host's "Fwd: ".
  WindowHandle OpenReadMail(const std::string& subject);
  // Opens a compose window as the host does for a forwarded mail, at once.
  WindowHandle OpenForwardWindow(const std::string& subject);
  // Opens the error window listing the refused names.
  WindowHandle ShowMailError(const std::vector<std::string>& refusedNames);

  // Whether the write window opens when the toolbar asks for it.
  bool opensWriteWindow = true;
  // Clicks the send button of a compose window takes before the host acts on one.
  int sendClicksNeeded = 1;

  // Hears what the mail windows did, one UTF-8 line each: "OPEN <subject>", "DELETE
  // <entry>", "SENT <recipients> | <subject> | <message>", "REFUSED <names>", "SAMPLE" (the sample
  // mail is in).
  std::function<void(const std::string& event)> onEvent;

  const std::vector<SentMail>& sent() const { return sent_; }
  // The subjects of the mails opened from the lists, in order.
  const std::vector<std::string>& opened() const { return opened_; }

 private:
  // The children of a compose window that the host reads when it sends.
  struct ComposeParts {
    WindowHandle recipients, subject, message;
    bool asksToSave = false;
  };
  WindowHandle OpenComposeWindow(const std::string& caption, const std::string& subject,
                                 int sendIcon, bool asksToSave);
  void OnSend(WindowHandle compose);
  void OnCloseCompose(WindowHandle compose);
  void OpenEntry(const StandinMailList& list, int index);
  std::vector<std::string> RefusedNames(const std::string& recipients) const;
  std::string TextOf(WindowHandle window) const;
  void Tell(const std::string& event);
  // Deletes the list's selected entry, as the delete icon does.
  void Delete(StandinMailList& list);

  HostWindows& windows_;
  WindowHandle mdi_;
  WindowHandle mailbox_, filedWindow_, error_;
  bool asking_ = false;  // the save question is showing
  bool writeIconPressed_ = false;
  std::map<WindowHandle, ComposeParts> composing_;
  std::set<std::string> members_;  // folded, without spaces
  std::array<std::unique_ptr<StandinMailList>, kMailboxTabs> tabs_;
  std::unique_ptr<StandinMailList> filed_;
  std::vector<SentMail> sent_;
  std::vector<std::string> opened_;
};

}  // namespace velto::standin
