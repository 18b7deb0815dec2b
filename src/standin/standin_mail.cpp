#include "standin/standin_mail.h"

#include <algorithm>
#include <cctype>

#include "host/host_names.h"
#include "host/host_text.h"
#include "host/messages.h"
#include "host/window_search.h"
#include "standin/standin_controls.h"

namespace velto::standin {
namespace {

namespace cls = host::host_class;

constexpr std::string_view kRefusedAlways = "*";
constexpr std::string_view kErrorHeading =
    "Your mail could not be sent.\r\nThese recipients were not accepted:";

// What a person sees on the icons; nothing searches by it. Their count is the host's.
const std::vector<std::string_view> kMailboxIcons = {"Read",   "Reply", "Forward", "Keep As New",
                                                     "Status", "Save",  "Delete",  "Help"};
const std::vector<std::string_view> kFiledMailIcons = {"Read", "Forward", "Save", "Delete", "Help"};
const std::vector<std::string_view> kReadMailIcons = {"Reply", "Reply All", "Save",    "Print",
                                                      "Prev",  "Next",      "Forward", "Help"};
const std::vector<std::string_view> kMailboxPages = {"New Mail", "Old Mail", "Sent Mail"};

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos)
    return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// Screen names compare without regard to case and blanks, as the host compares them.
std::string NormalName(std::string_view name) {
  std::string normal;
  for (char c : name) {
    if (c != ' ')
      normal.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  }
  return normal;
}

std::vector<std::string> SplitRecipients(const std::string& recipients) {
  std::vector<std::string> names;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = recipients.find(',', start);
    const std::string name = Trimmed(std::string_view(recipients).substr(start, comma - start));
    if (!name.empty())
      names.push_back(name);
    if (comma == std::string::npos)
      return names;
    start = comma + 1;
  }
}

std::string ThirdField(const std::string& entry) {
  const std::size_t first = entry.find('\t');
  const std::size_t second = first == std::string::npos ? first : entry.find('\t', first + 1);
  return second == std::string::npos ? std::string() : entry.substr(second + 1);
}

std::string IconCaption(const std::vector<std::string_view>& captions, int i) {
  return static_cast<std::size_t>(i) <= captions.size() ? std::string(captions[i - 1])
                                                        : std::string();
}

}  // namespace

void StandinMail::OnWriteMailIcon(WindowHandle /*icon*/, const HostMessage& message) {
  // A click is a press, then a release on the same icon.
  if (message.message == WM_LBUTTONDOWN)
    writeIconPressed_ = true;
  if (message.message != WM_LBUTTONUP || !writeIconPressed_)
    return;
  writeIconPressed_ = false;
  if (!opensWriteWindow)
    return;
  windows_.Later(kOpenSeconds, [this] {
    OpenComposeWindow(std::string(host::host_caption::kWriteMail), "", kWriteSendIcon, true);
  });
}

void StandinMail::AddMember(const std::string& screenName) {
  members_.insert(NormalName(screenName));
}

std::string StandinMail::TextOf(WindowHandle window) const {
  return host::FromHostBytes(windows_.TextBytes(window));
}

WindowHandle StandinMail::OpenMailbox(std::array<std::vector<std::string>, kMailboxTabs> tabs) {
  if (windows_.Exists(mailbox_)) {
    for (int tab = 0; tab < kMailboxTabs; ++tab)
      tabs_[static_cast<std::size_t>(tab)]->SetEntries(std::move(tabs[tab]));
    return mailbox_;
  }
  mailbox_ = windows_.Create(mdi_, cls::kChild, host::host_caption::kMailbox, OnClose(windows_));
  const WindowHandle tabControl = windows_.Create(mailbox_, cls::kTabControl, "");
  for (int tab = 0; tab < kMailboxTabs; ++tab) {
    const WindowHandle page =
        windows_.Create(tabControl, cls::kTabPage, kMailboxPages[static_cast<std::size_t>(tab)]);
    auto list = std::make_unique<StandinMailList>(windows_, page, std::move(tabs[tab]));
    list->onOpen = [this, l = list.get()](int index) { OpenEntry(*l, index); };
    tabs_[static_cast<std::size_t>(tab)] = std::move(list);
  }
  for (int i = 1; i <= static_cast<int>(kMailboxIcons.size()); ++i) {
    Reaction reaction;
    if (i == kMailboxDeleteIcon)
      reaction = OnClick([this] { Delete(MailboxTab(1)); });
    windows_.Create(mailbox_, cls::kIcon, IconCaption(kMailboxIcons, i), reaction);
  }
  return mailbox_;
}

WindowHandle StandinMail::OpenFiledMail(std::vector<std::string> entries) {
  if (windows_.Exists(filedWindow_)) {
    filed_->SetEntries(std::move(entries));
    return filedWindow_;
  }
  filedWindow_ =
      windows_.Create(mdi_, cls::kChild, host::host_caption::kFiledMail, OnClose(windows_));
  filed_ = std::make_unique<StandinMailList>(windows_, filedWindow_, std::move(entries));
  filed_->onOpen = [this](int index) { OpenEntry(*filed_, index); };
  for (int i = 1; i <= static_cast<int>(kFiledMailIcons.size()); ++i) {
    Reaction reaction;
    if (i == kFiledMailDeleteIcon)
      reaction = OnClick([this] { Delete(*filed_); });
    windows_.Create(filedWindow_, cls::kIcon, IconCaption(kFiledMailIcons, i), reaction);
  }
  return filedWindow_;
}

void StandinMail::Tell(const std::string& event) {
  if (onEvent)
    onEvent(event);
}

void StandinMail::Delete(StandinMailList& list) {
  const int selected = windows_.SelectedListItem(list.window());
  if (selected < 0 || selected >= static_cast<int>(list.Entries().size()))
    return;
  Tell("DELETE " + list.Entries()[static_cast<std::size_t>(selected)]);
  list.RemoveSelected();
}

void StandinMail::OpenEntry(const StandinMailList& list, int index) {
  const std::string subject = ThirdField(list.Entries().at(static_cast<std::size_t>(index)));
  opened_.push_back(subject);
  Tell("OPEN " + subject);
  windows_.Later(kOpenSeconds, [this, subject] { OpenReadMail(subject); });
}

WindowHandle StandinMail::OpenReadMail(const std::string& subject) {
  const WindowHandle read = windows_.Create(mdi_, cls::kChild, subject, OnClose(windows_));
  windows_.Create(read, cls::kRichText, "From: a member");
  windows_.Create(read, cls::kRichText, "The mail's text.");
  windows_.Create(read, cls::kComboBox, "");
  windows_.Create(read, cls::kReadMailFontCombo, "");
  for (int i = 1; i <= static_cast<int>(kReadMailIcons.size()); ++i) {
    Reaction reaction;
    if (i == kReadMailForwardIcon) {
      reaction = OnClick([this, subject] {
        windows_.Later(kOpenSeconds, [this, subject] { OpenForwardWindow(subject); });
      });
    }
    windows_.Create(read, cls::kIcon, IconCaption(kReadMailIcons, i), reaction);
  }
  return read;
}

WindowHandle StandinMail::OpenForwardWindow(const std::string& subject) {
  const std::string forwarded = std::string(kForwardPrefix) + subject;
  return OpenComposeWindow(forwarded, forwarded, kForwardSendIcon, false);
}

WindowHandle StandinMail::OpenComposeWindow(const std::string& caption, const std::string& subject,
                                            int sendIcon, bool asksToSave) {
  const WindowHandle compose =
      windows_.Create(mdi_, cls::kChild, caption,
                      OnClose(windows_, [this](WindowHandle self) { OnCloseCompose(self); }));
  ComposeParts parts;
  parts.asksToSave = asksToSave;
  parts.recipients = windows_.Create(compose, cls::kAolEdit, "");
  windows_.Create(compose, cls::kAolEdit, "");  // copies
  parts.subject = windows_.Create(compose, cls::kAolEdit, subject);
  parts.message = windows_.Create(compose, cls::kRichText, "");
  composing_[compose] = parts;
  windows_.Create(compose, cls::kComboBox, "");
  windows_.Create(compose, cls::kFontCombo, "");
  windows_.Create(compose, cls::kStatic, host::host_caption::kSendNow);
  auto clicks = std::make_shared<int>(0);
  for (int i = 1; i <= kComposeIcons; ++i) {
    Reaction reaction;
    if (i == sendIcon) {
      reaction = OnClick([this, compose, clicks] {
        if (++*clicks < sendClicksNeeded)
          return;
        *clicks = 0;
        OnSend(compose);
      });
    }
    windows_.Create(compose, cls::kIcon, i == sendIcon ? "Send" : "", reaction);
  }
  return compose;
}

void StandinMail::OnSend(WindowHandle compose) {
  const auto found = composing_.find(compose);
  if (found == composing_.end() || !windows_.Exists(compose))
    return;
  const ComposeParts& parts = found->second;
  const std::string recipients = TextOf(parts.recipients);
  const std::vector<std::string> refused = RefusedNames(recipients);
  if (!refused.empty()) {
    if (!windows_.Exists(error_))
      ShowMailError(refused);
    std::string names;
    for (const std::string& name : refused) names += (names.empty() ? "" : ", ") + name;
    Tell("REFUSED " + names);
    return;
  }
  sent_.push_back(SentMail{recipients, TextOf(parts.subject), TextOf(parts.message)});
  Tell("SENT " + recipients + " | " + sent_.back().subject + " | " + sent_.back().message);
  windows_.Later(kSendSeconds, [this, compose] {
    composing_.erase(compose);
    windows_.Destroy(compose);
  });
}

void StandinMail::OnCloseCompose(WindowHandle compose) {
  const auto found = composing_.find(compose);
  const bool written =
      found != composing_.end() && (!windows_.TextBytes(found->second.recipients).empty() ||
                                    !windows_.TextBytes(found->second.subject).empty() ||
                                    !windows_.TextBytes(found->second.message).empty());
  if (found == composing_.end() || !found->second.asksToSave || !written) {
    composing_.erase(compose);
    windows_.Destroy(compose);
    return;
  }
  // One question at a time, however often the window is asked to close.
  if (asking_)
    return;
  asking_ = true;
  windows_.ShowQuestion(compose, "Do you want to save this mail before closing it?",
                        [this, compose](bool) {
                          asking_ = false;
                          composing_.erase(compose);
                          windows_.Destroy(compose);
                        });
}

std::vector<std::string> StandinMail::RefusedNames(const std::string& recipients) const {
  std::vector<std::string> refused;
  for (const std::string& name : SplitRecipients(recipients)) {
    if (name == kRefusedAlways || members_.count(NormalName(name)) == 0)
      refused.push_back(name);
  }
  return refused;
}

WindowHandle StandinMail::ShowMailError(const std::vector<std::string>& refusedNames) {
  std::string text(kErrorHeading);
  for (const std::string& name : refusedNames) {
    text += "\r\n" + name + " - " +
            (name == kRefusedAlways ? "Not a valid address" : "Not a known member");
  }
  error_ = windows_.Create(mdi_, cls::kChild, host::host_caption::kMailError, OnClose(windows_));
  windows_.Create(error_, cls::kView, text);
  return error_;
}

void StandinMail::OpenSampleMail() {
  AddMember("José");
  AddMember("Amy");
  // The mailbox last, on top.
  OpenFiledMail({"01/20/99\tAmy\tRecipes", "01/20/99\tAmy\tRecipes", "01/22/99\tJosé\tAñejo"});
  OpenMailbox({{
      {"03/01/99\tJosé\tGrüße aus Köln", "03/02/99\tAmy\tLunch?", "03/02/99\tAmy\tLunch?",
       "03/03/99\tjosé\tCafé at 5 — ok?", "03/04/99\tAmy\tLunch?", "03/05/99\tBob\tRe: Lunch?"},
      {"02/11/99\tAmy\tPhotos", "02/12/99\tJosé\tNaïve question"},
      {"03/06/99\tJosé\tRe: Grüße aus Köln"},
  }});
  Tell("SAMPLE");
}

void StandinMail::ShowSampleMailError() {
  if (!windows_.Exists(error_))
    ShowMailError({"Jürgen", "No Body"});
}

}  // namespace velto::standin
