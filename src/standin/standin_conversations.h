#pragma once

#include <functional>
#include <string>
#include <vector>

#include "standin/host_windows.h"

namespace velto::standin {

// Instant messages that reach the user: one conversation window per sender, captioned
// "  Instant Message From: " and the sender, with the conversation's text, a reply box
// and a send button (the ninth "_AOL_Icon"). The text holds one message after another,
// each as the sender, ":", a tab, a space, the message and a carriage return.
class StandinConversations {
 public:
  static constexpr std::string_view kCaptionBeforeSender = "  Instant Message From: ";
  static constexpr int kIcons = 10;
  static constexpr int kSendButton = 9;

  // `replied` hears each reply sent, as the host's bytes, with the sender it went to.
  StandinConversations(HostWindows& windows, std::string screenName,
                       std::function<void(std::string bytes, std::string to)> replied);

  // Shows the message in the sender's conversation window, opening one if needed.
  WindowHandle Receive(WindowHandle mdi, const std::string& from, const std::string& message);

 private:
  struct Conversation {
    std::string from;
    WindowHandle window, text, reply;
  };
  Conversation Open(WindowHandle mdi, const std::string& from);
  void Append(WindowHandle text, const std::string& sender, const std::string& messageBytes);
  void OnSendButton(const Conversation& conversation, const HostMessage& message);

  HostWindows& windows_;
  std::string screenName_;
  std::function<void(std::string, std::string)> replied_;
  std::vector<Conversation> conversations_;
};

}  // namespace velto::standin
