#include "standin/standin_conversations.h"

#include "host/host_text.h"
#include "host/messages.h"
#include "host/host_names.h"
#include "host/window_search.h"

namespace velto::standin {
namespace {

namespace cls = host::host_class;

}  // namespace

StandinConversations::StandinConversations(
    HostWindows& windows, std::string screenName,
    std::function<void(std::string bytes, std::string to)> replied)
    : windows_(windows), screenName_(std::move(screenName)), replied_(std::move(replied)) {}

WindowHandle StandinConversations::Receive(WindowHandle mdi, const std::string& from,
                                           const std::string& message) {
  const Conversation* found = nullptr;
  for (const Conversation& c : conversations_) {
    if (c.from == from && windows_.Exists(c.window))
      found = &c;
  }
  const Conversation conversation = found ? *found : Open(mdi, from);
  Append(conversation.text, from, host::ToHostBytes(message));
  return conversation.window;
}

StandinConversations::Conversation StandinConversations::Open(WindowHandle mdi,
                                                              const std::string& from) {
  Conversation c;
  c.from = from;
  c.window = windows_.Create(mdi, cls::kChild, std::string(kCaptionBeforeSender) + from,
                             [this](WindowHandle self, const HostMessage& m) {
                               if (m.message == WM_CLOSE)
                                 windows_.Destroy(self);
                             });
  c.text = windows_.Create(c.window, cls::kRichText, "");
  c.reply = windows_.Create(c.window, cls::kRichText, "");
  for (int i = 1; i <= kIcons; ++i) {
    Reaction reaction;
    if (i == kSendButton)
      reaction = [this, c](WindowHandle, const HostMessage& m) { OnSendButton(c, m); };
    windows_.Create(c.window, cls::kIcon, "", reaction);
  }
  conversations_.push_back(c);
  return c;
}

void StandinConversations::Append(WindowHandle text, const std::string& sender,
                                  const std::string& messageBytes) {
  windows_.SetTextBytes(
      text, windows_.TextBytes(text) + host::ToHostBytes(sender) + ":\t " + messageBytes + "\r");
}

void StandinConversations::OnSendButton(const Conversation& conversation,
                                        const HostMessage& message) {
  if (message.message != WM_LBUTTONUP || !windows_.Exists(conversation.window))
    return;
  const std::string reply = windows_.TextBytes(conversation.reply);
  replied_(reply, conversation.from);
  Append(conversation.text, screenName_, reply);
  windows_.SetTextBytes(conversation.reply, "");
}

}  // namespace velto::standin
