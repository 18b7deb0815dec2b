// The substitute desktop's message delivery: sent and posted messages, window handlers
// and what a window does by default, hung windows and processes, slow answers and the
// bound a send waits for.

#include "host/substitute_desktop.h"

#include <algorithm>
#include <limits>

#include "host/host_text.h"
#include "host/messages.h"
#include "host/timings.h"

namespace velto::host {
namespace {

// How long a window must not have answered before the system calls it hung.
constexpr double kKnownHungSeconds = timings::kHungHostMilliseconds / 1000.0;
constexpr double kForever = std::numeric_limits<double>::infinity();
// How often a message posted to a window that is hung for good looks again.
constexpr double kPostedRetrySeconds = 1.0;

}  // namespace

void SubstituteDesktop::SetHandler(WindowHandle window, MessageHandler handler) {
  if (auto it = windows_.find(window.value()); it != windows_.end()) {
    it->second.handler = std::move(handler);
  }
}

void SubstituteDesktop::SetHung(WindowHandle window, bool hung) {
  if (auto it = windows_.find(window.value()); it != windows_.end()) {
    it->second.hung = hung;
    it->second.hungSince = now_;
  }
}

void SubstituteDesktop::HangProcess(std::uint32_t processId, double seconds) {
  ProcessState& state = processStates_[processId];
  state.hungSince = now_;
  state.hungUntil = now_ + seconds;
}

void SubstituteDesktop::SetAnswerDelay(std::uint32_t processId, double seconds) {
  processStates_[processId].answerDelay = seconds;
}

void SubstituteDesktop::PostQuitMessage(int exitCode) {
  quitRequested_ = true;
  exitCode_ = exitCode;
}

double SubstituteDesktop::AnswersAgainAt(const Window& target) const {
  if (target.hung)
    return kForever;
  auto it = processStates_.find(target.processId);
  if (it != processStates_.end() && it->second.hungUntil > now_)
    return it->second.hungUntil;
  return now_;
}

double SubstituteDesktop::HungFor(const Window& target) const {
  if (target.hung)
    return now_ - target.hungSince;
  auto it = processStates_.find(target.processId);
  if (it != processStates_.end() && it->second.hungUntil > now_)
    return now_ - it->second.hungSince;
  return 0;
}

// The sender is blocked meanwhile: time passes without any event of ours being handled.
bool SubstituteDesktop::WaitForAnswer(const Window& target) {
  const double answersAt = AnswersAgainAt(target);
  if (answersAt > now_) {
    if (HungFor(target) >= kKnownHungSeconds)
      return false;
    if (answersAt - now_ > sendBound_) {
      now_ += sendBound_;
      return false;
    }
    now_ = answersAt;
  }
  auto it = processStates_.find(target.processId);
  const double delay = it == processStates_.end() ? 0 : it->second.answerDelay;
  if (delay > sendBound_) {
    now_ += sendBound_;
    return false;
  }
  now_ += delay;
  return true;
}

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
  if (message.message == WM_GETTEXT && message.buffer) {
    // wParam is the room in the caller's buffer, the NUL included.
    const std::size_t room = std::min<std::size_t>(message.wParam, message.buffer->size);
    const std::string_view copied = std::string_view(caption).substr(0, room > 0 ? room - 1 : 0);
    message.buffer->text = FromHostBytes(copied);
    return static_cast<std::intptr_t>(copied.size());
  }
  return 0;
}

std::intptr_t SubstituteDesktop::Deliver(WindowHandle window, Delivery how,
                                         const Message& message) {
  const Window* target = Find(window);
  const bool delivered = target != nullptr && WaitForAnswer(*target);
  log_.push_back(LoggedMessage{window, how, message, delivered, target ? target->className : "",
                               target ? target->captionBytes : ""});
  lastSendAnswered_ = delivered;
  RecordDelivery(window, delivered);
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

std::intptr_t SubstituteDesktop::SendMessageUnboundedA(WindowHandle window, std::uint32_t message,
                                                       std::uint32_t wParam,
                                                       std::int16_t& variable) {
  ++platformCalls_;
  return Deliver(
      window, Delivery::kSent,
      Message{message, wParam, static_cast<std::uint16_t>(variable), LParamKind::kReference16, {}});
}

std::intptr_t SubstituteDesktop::SendMessageA(WindowHandle window, std::uint32_t message,
                                              std::uint32_t wParam, TextBuffer& buffer) {
  ++platformCalls_;
  Message sent{message, wParam, 0, LParamKind::kBuffer, {}};
  sent.buffer = &buffer;
  return Deliver(window, Delivery::kSent, sent);
}

void SubstituteDesktop::PostMessageA(WindowHandle window, std::uint32_t message,
                                     std::uint32_t wParam, std::uint32_t lParam) {
  ++platformCalls_;
  const Message posted{message, wParam, lParam, LParamKind::kValue, {}};
  const bool accepted = Exists(window);
  log_.push_back(LoggedMessage{window, Delivery::kPosted, posted, accepted, ClassOf(window),
                               CaptionBytes(window)});
  RecordDelivery(window, accepted);
  if (!accepted)
    return;
  Schedule(0, [this, window, posted] { RunPosted(window, posted); });
}

void SubstituteDesktop::RunPosted(WindowHandle window, const Message& posted) {
  const Window* target = Find(window);
  if (!target)
    return;  // the window went away before its queue was read
  const double answersAt = AnswersAgainAt(*target);
  if (answersAt > now_) {
    // A hung window reads its queue once it runs again.
    Schedule(std::min(answersAt - now_, kPostedRetrySeconds),
             [this, window, posted] { RunPosted(window, posted); });
    return;
  }
  MessageHandler handler = target->handler;
  if (handler) {
    handler(*this, window, posted);
  } else {
    DefaultHandling(window, posted);
  }
}

}  // namespace velto::host
