#include "idler/idling.h"

#include <cctype>
#include <limits>

#include "host/host_routines.h"
#include "idler/chat_lines.h"

namespace velto::idler {

long long ReadCounter(const std::string& caption) {
  std::size_t i = caption.find_first_not_of(' ');
  long long value = 0;
  constexpr long long kLargest = std::numeric_limits<long long>::max() / 10 - 9;
  for (; i < caption.size() && std::isdigit(static_cast<unsigned char>(caption[i])); ++i) {
    if (value > kLargest)
      break;  // a counter this large is past any run of the program
    value = value * 10 + (caption[i] - '0');
  }
  return value;
}

void StartIdling(Idler& idler) {
  host::OpenKeyword(idler.host, std::string(lines::kIdleRoom));
  host::Pause(idler.host, kBetweenLinesSeconds);
  host::SendChatLine(idler.host, lines::StartedLine());
  idler.window.SetIdleTimerEnabled(true);
  // Setting the interval restarts the minute, also when idling was already on.
  idler.window.SetIdleTimerInterval(kIdleTimerMilliseconds);
}

void StopIdling(Idler& idler) {
  host::SendChatLine(idler.host, lines::StoppedLine());
  idler.window.SetIdleTimerEnabled(false);
  idler.window.SetIdleTimerInterval(0);
  idler.window.SetCounterCaption("0");
}

void IdleTick(Idler& idler) {
  const long long minutes = ReadCounter(idler.window.CounterCaption()) + 1;
  idler.window.SetCounterCaption(std::to_string(minutes));
  // The tick's two lines go together: when the banner did not reach the room (no room,
  // or a hung host that already cost one bounded wait), the idle line is not tried.
  if (!host::SendChatLine(idler.host, lines::BannerLine()))
    return;
  host::Pause(idler.host, kBetweenLinesSeconds);
  // Read again: a Stop clicked during the pause has reset the counter, and the reason
  // may have been edited.
  host::SendChatLine(idler.host,
                     lines::IdleLine(idler.window.CounterCaption(), idler.window.ReasonText()));
}

}  // namespace velto::idler
