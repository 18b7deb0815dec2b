#include "standin/standin_mail.h"

#include <algorithm>
#include <cctype>

#include "host/window_search.h"
#include "standin/standin_controls.h"

namespace velto::standin {
namespace {

namespace cls = host::host_class;

constexpr std::string_view kWriteMailCaption = "Write Mail";
constexpr int kMailboxIcons = 8;
constexpr int kFiledMailIcons = 5;
constexpr int kReadMailIcons = 8;
constexpr std::string_view kRefusedAlways = "*";
constexpr std::string_view kErrorHeading =
    "Your mail could not be sent.\r\nThese recipients were not accepted:";

// The children of a compose window that the host reads when it sends.
struct ComposeParts {
  WindowHandle recipients, subject, message;
};

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

void AddIcons(host::SubstituteDesktop& desktop, WindowHandle parent, int count, int active,
              std::function<void()> clicked) {
  for (int i = 1; i <= count; ++i) {
    desktop.AddWindow(parent, cls::kIcon, "",
                      i == active ? Button(clicked) : host::MessageHandler());
  }
}

}  // namespace

StandinMail::StandinMail(host::SubstituteDesktop& desktop, WindowHandle frame, WindowHandle mdi)
    : desktop_(desktop), mdi_(mdi) {
  desktop_.SetHandler(ToolbarIcon(desktop_, frame, kWriteMailToolbarIcon), Button([this] {
                        if (!opensWriteWindow)
                          return;
                        desktop_.Schedule(kOpenSeconds, [this] {
                          OpenComposeWindow(std::string(kWriteMailCaption), "", kWriteSendIcon,
                                            true);
                        });
                      }));
}

void StandinMail::AddMember(const std::string& screenName) {
  members_.insert(NormalName(screenName));
}

WindowHandle StandinMail::OpenMailbox(std::array<std::vector<std::string>, kMailboxTabs> tabs) {
  const WindowHandle mailbox = desktop_.AddWindow(mdi_, cls::kChild, "Online Mailbox", Closable());
  const WindowHandle tabControl = desktop_.AddWindow(mailbox, host::host_class::kTabControl, "");
  for (int tab = 0; tab < kMailboxTabs; ++tab) {
    const WindowHandle page = desktop_.AddWindow(tabControl, host::host_class::kTabPage, "");
    auto list = std::make_unique<StandinMailList>(desktop_, page, std::move(tabs[tab]));
    list->onOpen = [this, l = list.get()](int index) { OpenEntry(*l, index); };
    tabs_[static_cast<std::size_t>(tab)] = std::move(list);
  }
  AddIcons(desktop_, mailbox, kMailboxIcons, kMailboxDeleteIcon,
           [this] { desktop_.Schedule(0, [this] { MailboxTab(1).RemoveSelected(); }); });
  return mailbox;
}

WindowHandle StandinMail::OpenFiledMail(std::vector<std::string> entries) {
  const WindowHandle window =
      desktop_.AddWindow(mdi_, cls::kChild, "Incoming/Saved Mail", Closable());
  filed_ = std::make_unique<StandinMailList>(desktop_, window, std::move(entries));
  filed_->onOpen = [this](int index) { OpenEntry(*filed_, index); };
  AddIcons(desktop_, window, kFiledMailIcons, kFiledMailDeleteIcon,
           [this] { desktop_.Schedule(0, [this] { filed_->RemoveSelected(); }); });
  return window;
}

void StandinMail::OpenEntry(const StandinMailList& list, int index) {
  const std::string subject = ThirdField(list.Entries().at(static_cast<std::size_t>(index)));
  opened_.push_back(subject);
  desktop_.Schedule(kOpenSeconds, [this, subject] { OpenReadMail(subject); });
}

WindowHandle StandinMail::OpenReadMail(const std::string& subject) {
  const WindowHandle read = desktop_.AddWindow(mdi_, cls::kChild, subject, Closable());
  desktop_.AddWindow(read, cls::kRichText, "From: a member");
  desktop_.AddWindow(read, cls::kRichText, "The mail's text.");
  desktop_.AddWindow(read, cls::kComboBox, "");
  desktop_.AddWindow(read, host::host_class::kReadMailFontCombo, "");
  AddIcons(desktop_, read, kReadMailIcons, kReadMailForwardIcon, [this, subject] {
    desktop_.Schedule(kOpenSeconds, [this, subject] { OpenForwardWindow(subject); });
  });
  return read;
}

WindowHandle StandinMail::OpenForwardWindow(const std::string& subject) {
  const std::string forwarded = std::string(kForwardPrefix) + subject;
  return OpenComposeWindow(forwarded, forwarded, kForwardSendIcon, false);
}

WindowHandle StandinMail::OpenComposeWindow(const std::string& caption, const std::string& subject,
                                            int sendIcon, bool asksToSave) {
  const WindowHandle compose = desktop_.AddWindow(
      mdi_, cls::kChild, caption,
      Closable([this, asksToSave](WindowHandle self) { OnCloseCompose(self, asksToSave); }));
  desktop_.AddWindow(compose, host::host_class::kAolEdit, "");  // recipients
  desktop_.AddWindow(compose, host::host_class::kAolEdit, "");  // copies
  desktop_.AddWindow(compose, host::host_class::kAolEdit, subject);
  desktop_.AddWindow(compose, cls::kRichText, "");
  desktop_.AddWindow(compose, cls::kComboBox, "");
  desktop_.AddWindow(compose, host::host_class::kFontCombo, "");
  desktop_.AddWindow(compose, cls::kStatic, "Send Now");
  auto clicks = std::make_shared<int>(0);
  AddIcons(desktop_, compose, kComposeIcons, sendIcon, [this, compose, clicks] {
    if (++*clicks < sendClicksNeeded)
      return;
    *clicks = 0;
    OnSend(compose);
  });
  return compose;
}

namespace {

ComposeParts PartsOf(host::SubstituteDesktop& desktop, WindowHandle compose) {
  const std::vector<WindowHandle> children = desktop.ChildrenOf(compose);
  return ComposeParts{children.at(0), children.at(2), children.at(3)};
}

}  // namespace

void StandinMail::OnSend(WindowHandle compose) {
  const ComposeParts parts = PartsOf(desktop_, compose);
  const std::string recipients = desktop_.Caption(parts.recipients);
  const std::vector<std::string> refused = RefusedNames(recipients);
  if (!refused.empty()) {
    if (!ChildWithCaption(desktop_, mdi_, cls::kChild, "Error"))
      ShowMailError(refused);
    return;
  }
  sent_.push_back(
      SentMail{recipients, desktop_.Caption(parts.subject), desktop_.Caption(parts.message)});
  desktop_.Schedule(kSendSeconds, [this, compose] { desktop_.RemoveWindow(compose); });
}

void StandinMail::OnCloseCompose(WindowHandle compose, bool asksToSave) {
  const ComposeParts parts = PartsOf(desktop_, compose);
  const bool written = !desktop_.CaptionBytes(parts.recipients).empty() ||
                       !desktop_.CaptionBytes(parts.subject).empty() ||
                       !desktop_.CaptionBytes(parts.message).empty();
  if (!asksToSave || !written) {
    desktop_.RemoveWindow(compose);
    return;
  }
  // One question at a time, however often the window is asked to close.
  if (ChildWithCaption(desktop_, host::kNoWindow, cls::kDialog, "America Online"))
    return;
  ShowSaveQuestion(desktop_, [this, compose](bool) { desktop_.RemoveWindow(compose); });
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
  const WindowHandle error = desktop_.AddWindow(mdi_, cls::kChild, "Error", Closable());
  desktop_.AddWindow(error, host::host_class::kView, text);
  return error;
}

}  // namespace velto::standin
