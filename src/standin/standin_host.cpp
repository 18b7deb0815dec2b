#include "standin/standin_host.h"

#include "host/host_names.h"
#include "host/host_text.h"
#include "host/messages.h"
#include "host/window_search.h"

namespace velto::standin {
namespace {

namespace cls = host::host_class;

constexpr std::string_view kRoomLink = "aol://2719:2-2-";
constexpr std::string_view kInstantMessageLink = "aol://9293:";

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos)
    return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

bool StartsWith(const std::string& text, std::string_view prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

StandinHost::StandinHost(HostWindows& windows, StandinOptions options)
    : windows_(windows),
      options_(std::move(options)),
      usualAnswer_(options_.instantMessageAnswer),
      menus_(windows_,
             [this](const std::string& entry) {
               Record(Received::Kind::kMenuCommand, host::ToHostBytes(entry));
             }),
      people_(windows_, options_.screenName),
      conversations_(windows_, options_.screenName,
                     [this](std::string bytes, std::string to) {
                       Record(Received::Kind::kInstantMessage, std::move(bytes), std::move(to));
                     }),
      mail_(windows_),
      accounts_(windows_) {
  mail_.onEvent = [this](const std::string& event) {
    Record(Received::Kind::kMail, host::ToHostBytes(event));
  };
  accounts_.onEvent = [this](const std::string& event) {
    Record(Received::Kind::kAccount, host::ToHostBytes(event));
  };
  frame_ =
      windows_.Create(host::kNoWindow, cls::kFrame, host::host_caption::kFrame,
                      [this](WindowHandle, const HostMessage& m) { menus_.OnFrameMessage(m); });
  menus_.AttachMenuBar(frame_);
  const WindowHandle toolbar = windows_.Create(frame_, cls::kToolbar, "");
  const WindowHandle inner = windows_.Create(toolbar, cls::kInnerToolbar, "");
  const WindowHandle combo = windows_.Create(inner, cls::kComboBox, "");
  keywordBox_ =
      windows_.Create(combo, cls::kEdit, "",
                      [this](WindowHandle self, const HostMessage& m) { OnKeywordBox(self, m); });
  AddToolbarIcons(inner);
  mdi_ = windows_.Create(frame_, cls::kMdiClient, "");
  mail_.SetMdiClient(mdi_);
  accounts_.SetMdiClient(mdi_);
  welcome_ = windows_.Create(mdi_, cls::kChild, "Welcome, " + options_.screenName + "!");
  if (!options_.decoyRoomName.empty())
    OpenHalfOpenRoom(options_.decoyRoomName);
  chatRoom_ = OpenChatRoom(options_.roomName);
  Misbehave(options_.misbehaviour);
}

void StandinHost::AddToolbarIcons(WindowHandle innerToolbar) {
  // What a person sees on them; nothing searches by it.
  static const char* const kCaptions[kToolbarIcons] = {"Read",  "Write", "Mail", "Print", "Files",
                                                       "Setup", "Chan",  "Shop", "Web",   "People"};
  for (int i = 1; i <= kToolbarIcons; ++i) {
    Reaction reaction;
    if (i == kWriteMailToolbarIcon)
      reaction = [this](WindowHandle self, const HostMessage& m) {
        mail_.OnWriteMailIcon(self, m);
      };
    if (i == kMailMenuToolbarIcon)
      reaction = [this](WindowHandle self, const HostMessage& m) {
        menus_.OnToolbarMenuIcon(self, m);
      };
    if (i == kSettingsToolbarIcon)
      reaction = [this](WindowHandle self, const HostMessage& m) {
        accounts_.OnSettingsIcon(self, m);
      };
    if (i == kPeopleToolbarIcon)
      reaction = [this](WindowHandle self, const HostMessage& m) {
        accounts_.OnPeopleIcon(self, m);
      };
    windows_.Create(innerToolbar, cls::kIcon, kCaptions[i - 1], reaction);
  }
}

void StandinHost::OpenSampleMail() {
  mail_.OpenSampleMail();
  accounts_.AddProfile("José", "Hobbies: café, chess\r\nLocation: Köln");
}

void StandinHost::Misbehave(MisbehaviourOrder order) {
  closeRoomWhenUsed_ = order.what == Misbehaviour::kCloseRoomWhenUsed;
  closeImWhenUsed_ = order.what == Misbehaviour::kCloseImWhenUsed;
  options_.instantMessageAnswer =
      order.what == Misbehaviour::kNeverOpenIm ? InstantMessageAnswer::kNeverOpen : usualAnswer_;
  windows_.SetAnswerDelay(order.what == Misbehaviour::kSlowAnswers ? order.amount : 0);
  if (order.what == Misbehaviour::kHang)
    windows_.Hang(order.amount);
  if (order.what == Misbehaviour::kQuit)
    windows_.Quit(frame_);
}

bool StandinHost::CloseWhenUsed(WindowHandle window, bool& armed, const HostMessage& message) {
  if (!armed || message.message != WM_SETTEXT)
    return false;
  armed = false;
  windows_.Destroy(window);
  return true;
}

WindowHandle StandinHost::OpenChatRoom(const std::string& name) {
  const WindowHandle room = windows_.Create(mdi_, cls::kChild, name);
  windows_.Create(room, cls::kRichText, "");  // the transcript
  windows_.Create(room, cls::kRichText, "",
                  [this](WindowHandle self, const HostMessage& m) { OnChatInput(self, m); });
  people_.CreateList(room, mdi_);
  windows_.Create(room, cls::kIcon, "");
  windows_.Create(room, cls::kStatic, "");
  return room;
}

WindowHandle StandinHost::OpenHalfOpenRoom(const std::string& name) {
  const WindowHandle room = windows_.Create(mdi_, cls::kChild, name);
  windows_.Create(room, cls::kRichText, "");
  windows_.Create(room, cls::kRichText, "");
  windows_.Create(room, cls::kIcon, "");
  windows_.Create(room, cls::kStatic, "");
  return room;
}

std::vector<std::string> StandinHost::ChatLines() const {
  std::vector<std::string> lines;
  for (const Received& r : received_) {
    if (r.kind == Received::Kind::kChatLine)
      lines.push_back(r.bytes);
  }
  return lines;
}

std::string StandinHost::RoomName() const {
  return host::FromHostBytes(windows_.TextBytes(chatRoom_));
}

void StandinHost::Record(Received::Kind kind, std::string bytes, std::string recipient) {
  received_.push_back(Received{windows_.Now(), kind, std::move(bytes), std::move(recipient)});
  if (onReceived)
    onReceived(received_.back());
}

void StandinHost::OnChatInput(WindowHandle input, const HostMessage& message) {
  if (CloseWhenUsed(chatRoom_, closeRoomWhenUsed_, message))
    return;
  if (message.message != WM_CHAR || message.wParam != host::kCarriageReturn)
    return;
  const std::string line = windows_.TextBytes(input);
  Record(Received::Kind::kChatLine, line);
  windows_.SetTextBytes(input, "");
}

void StandinHost::OnKeywordBox(WindowHandle box, const HostMessage& message) {
  if (message.message != WM_CHAR || message.wParam != host::kCarriageReturn)
    return;
  // A typed space may stand before or after the text, depending on the caret.
  const std::string keyword = Trimmed(windows_.TextBytes(box));
  Record(Received::Kind::kKeyword, keyword);
  ActOnKeyword(keyword);
  accounts_.OnKeyword(keyword);
}

void StandinHost::ActOnKeyword(const std::string& keywordBytes) {
  const std::string keyword = host::FromHostBytes(keywordBytes);
  if (StartsWith(keyword, kRoomLink)) {
    EnterRoom(keyword.substr(kRoomLink.size()));
  } else if (StartsWith(keyword, kInstantMessageLink)) {
    if (options_.instantMessageAnswer == InstantMessageAnswer::kNeverOpen)
      return;
    const std::string recipient = keyword.substr(kInstantMessageLink.size());
    windows_.Later(kInstantMessageOpenSeconds,
                   [this, recipient] { OpenInstantMessageWindow(recipient); });
  }
}

void StandinHost::EnterRoom(const std::string& name) {
  if (!windows_.Exists(chatRoom_))
    chatRoom_ = OpenChatRoom(name);
  windows_.SetTextBytes(chatRoom_, host::ToHostBytes(name));
}

void StandinHost::OpenInstantMessageWindow(const std::string& recipient) {
  const WindowHandle im = windows_.Create(mdi_, cls::kChild, host::host_caption::kInstantMessage,
                                          [this](WindowHandle self, const HostMessage& m) {
                                            if (m.message == WM_CLOSE)
                                              windows_.Destroy(self);
                                          });
  const WindowHandle text = windows_.Create(
      im, cls::kRichText, "",
      [this, im](WindowHandle, const HostMessage& m) { CloseWhenUsed(im, closeImWhenUsed_, m); });
  for (int i = 1; i <= kInstantMessageIcons; ++i) {
    Reaction reaction;
    std::string caption;
    if (i == kSendButtonIcon) {
      reaction = [this, im, text, recipient](WindowHandle, const HostMessage& m) {
        OnSendButton(im, text, recipient, m);
      };
      caption = "Send";  // what a person sees on it; nothing searches by it
    }
    if (i == kAvailabilityIcon) {
      reaction = [this, recipient](WindowHandle, const HostMessage& m) {
        people_.OnAvailabilityButton(frame_, recipient, m);
      };
    }
    windows_.Create(im, cls::kIcon, caption, reaction);
  }
}

void StandinHost::OnSendButton(WindowHandle im, WindowHandle text, const std::string& recipient,
                               const HostMessage& message) {
  // The button acts on its release, whatever lParam says: the host's buttons get the
  // address of a zero there, not a position.
  if (message.message != WM_LBUTTONUP || !windows_.Exists(im))
    return;
  Record(Received::Kind::kInstantMessage, windows_.TextBytes(text), recipient);
  if (options_.instantMessageAnswer == InstantMessageAnswer::kNeverAnswer)
    return;
  windows_.Later(kInstantMessageAnswerSeconds, [this, im] { AnswerInstantMessage(im); });
}

void StandinHost::AnswerInstantMessage(WindowHandle im) {
  if (!windows_.Exists(im))
    return;
  if (options_.instantMessageAnswer == InstantMessageAnswer::kMessageBox) {
    windows_.ShowMessageBox(frame_, "The member is not currently signed on.", [] {});
  } else {
    windows_.Destroy(im);
  }
}

WindowHandle StandinHost::ReceiveInstantMessage(const std::string& from,
                                                const std::string& message) {
  return conversations_.Receive(mdi_, from, message);
}

}  // namespace velto::standin
