#include "host/host_routines.h"
#include "host/utf8.h"
#include "host/wait.h"
#include "library/chat/chat_people.h"
#include "library/text/internal/ignoring_case.h"
#include "library/text/text_tools.h"
#include "library/windows/internal/host_lookups.h"
#include "library/windows/library_timings.h"

namespace velto::library {

using host::WindowHandle;

namespace {

constexpr std::string_view kPrivateRoomLink = "aol://2719:2-2-";
constexpr std::string_view kRoomLink61 = "aol://2719:61-2-";
constexpr std::string_view kRoomLink21 = "aol://2719:21-2-";

// SendChatText passes over lines this short, cuts longer ones to the length the host's
// chat input takes, and pauses further after each block of lines of the text.
constexpr std::size_t kLongestLineLeftOut = 3;
constexpr std::size_t kLongestLineSaid = 92;
constexpr int kLinesPerBlock = 4;

std::string RoomForm(std::string text) {
  return LowerCase(RemoveSpaces(text));
}

}  // namespace

void EnterPrivateRoom(host::Platform& platform, const std::string& room) {
  host::OpenKeyword(platform, std::string(kPrivateRoomLink) + room);
}

void EnterRoomLink61(host::Platform& platform, const std::string& room) {
  host::OpenKeyword(platform, std::string(kRoomLink61) + room);
}

void EnterRoomLink21(host::Platform& platform, const std::string& room) {
  host::OpenKeyword(platform, std::string(kRoomLink21) + room);
}

void WaitForRoomEntry(host::Platform& platform, std::string& room) {
  room = RoomForm(room);
  HostMessageBox refusal;
  const bool settled = WaitForHostWindow(platform, [&] {
    const std::string caption =
        RoomForm(host::GetWindowCaption(platform, host::FindChatRoom(platform)));
    refusal = FindHostMessageBox(platform);
    return (refusal.box && refusal.ok) || caption == room;
  });
  if (!settled)
    return;
  platform.PumpEvents();
  if (refusal.box) {
    // The box may take a moment to close after its button is pressed; it is looked up
    // before each press, so no press goes to a button that has gone.
    bool unanswered = false;
    const bool confirmed = WaitForHostWindow(platform, [&] {
      refusal = FindHostMessageBox(platform);
      if (!refusal.box && !refusal.ok)
        return true;
      unanswered =
          refusal.ok && !(SendSpaceKey(platform, refusal.ok) && SendSpaceKey(platform, refusal.ok));
      return unanswered;
    });
    if (!confirmed || unanswered)
      return;
  }
  platform.PumpEvents();
}

void SendChatText(host::Platform& platform, const std::string& text) {
  if (!host::FindChatRoom(platform) || text.empty())
    return;
  const int lines = CountLines(text);
  int inBlock = 1;
  for (int n = 1; n <= lines; ++n) {
    const std::u32string line = host::DecodeUtf8(GetLine(text, n));
    if (line.size() > kLongestLineLeftOut) {
      if (!host::SendChatLine(platform, host::EncodeUtf8(line.substr(0, kLongestLineSaid))))
        return;
      host::Pause(platform, timings::kChatLinePauseSeconds);
    }
    if (++inBlock > kLinesPerBlock) {
      inBlock = 1;
      host::Pause(platform, timings::kChatBlockPauseSeconds);
    }
  }
}

std::string ChatLineSender(std::string_view line) {
  const std::size_t colon = line.find(':');
  return colon == std::string_view::npos ? std::string() : std::string(line.substr(0, colon));
}

std::string ChatLineMessage(std::string_view line) {
  const std::size_t tab = line.find('\t');
  return tab == std::string_view::npos ? std::string() : std::string(line.substr(tab + 1));
}

}  // namespace velto::library
