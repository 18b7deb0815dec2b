// The host routines: the chat room, keywords, instant messages, captions.
#include <velto/host/host_routines.h>

#include "routine_table.h"

namespace velto_run {
namespace {

using velto::host::InstantMessageOutcome;

std::string OutcomeName(InstantMessageOutcome outcome) {
  switch (outcome) {
    case InstantMessageOutcome::kTaken:
      return "taken";
    case InstantMessageOutcome::kRefused:
      return "refused";
    case InstantMessageOutcome::kNotSent:
      return "not sent";
    case InstantMessageOutcome::kTimedOut:
      break;
  }
  return "timed out";
}

}  // namespace

void AddHostRoutines(Routines& routines) {
  namespace host = velto::host;
  routines.push_back({"FindChatRoom", {}, [](Session& s, Arguments&) {
                        Print(s, host::FindChatRoom(s.platform));
                      }});
  routines.push_back({"SendChatLine", {"text"}, [](Session& s, Arguments& a) {
                        host::SendChatLine(s.platform, a.Text(0));
                      }});
  routines.push_back({"OpenKeyword", {"keyword"}, [](Session& s, Arguments& a) {
                        host::OpenKeyword(s.platform, a.Text(0));
                      }});
  routines.push_back(
      {"SendInstantMessage", {"recipient", "message"}, [](Session& s, Arguments& a) {
         Print(s, OutcomeName(host::SendInstantMessage(s.platform, a.Text(0), a.Text(1))));
       }});
  routines.push_back({"GetWindowCaption", {"#window"}, [](Session& s, Arguments& a) {
                        Print(s, host::GetWindowCaption(s.platform, a.Window(0)));
                      }});
  routines.push_back({"GetScreenName", {}, [](Session& s, Arguments&) {
                        Print(s, host::GetScreenName(s.platform));
                      }});
  routines.push_back(NeedsOwnWindow("DragForm", {"#form"}));
}

}  // namespace velto_run
