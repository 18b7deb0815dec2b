// Chat rooms, the people in the chat room, and instant messages.
#include <velto/library/chat_people.h>
#include <velto/library/instant_messages.h>

#include "routine_table.h"

namespace velto_run {
namespace {

namespace library = velto::library;

void AddRoomAndPeopleRoutines(Routines& routines) {
  routines.push_back(WithText("EnterPrivateRoom", "room", library::EnterPrivateRoom));
  routines.push_back(WithText("EnterRoomLink61", "room", library::EnterRoomLink61));
  routines.push_back(WithText("EnterRoomLink21", "room", library::EnterRoomLink21));
  routines.push_back({"WaitForRoomEntry", {"room"}, [](Session& s, Arguments& a) {
                        std::string room = a.Text(0);
                        library::WaitForRoomEntry(s.platform, room);
                        Print(s, room);
                      }});
  routines.push_back(Counting("CountChatPeople", library::CountChatPeople));
  routines.push_back({"ListChatPeople", {"#includeSelf"}, [](Session& s, Arguments& a) {
                        PrintedList list(s);
                        library::ListChatPeople(s.platform, list, a.Number(0));
                      }});
  routines.push_back({"ListChatPeopleToCombo", {"#includeSelf"}, [](Session& s, Arguments& a) {
                        PrintedList combo(s);
                        library::ListChatPeopleToCombo(s.platform, combo, a.Number(0));
                      }});
  routines.push_back({"IgnoreChatPerson", {"#index"}, [](Session& s, Arguments& a) {
                        library::IgnoreChatPerson(s.platform, a.Number(0));
                      }});
  routines.push_back(WithText("IgnoreChatPersonByName", "name", library::IgnoreChatPersonByName));
  routines.push_back(Finding("FindPersonWindow", library::FindPersonWindow));
  routines.push_back(WithText("SendChatText", "text", library::SendChatText));
  routines.push_back({"ChatLineSender", {"line"}, [](Session& s, Arguments& a) {
                        Print(s, library::ChatLineSender(a.Text(0)));
                      }});
  routines.push_back({"ChatLineMessage", {"line"}, [](Session& s, Arguments& a) {
                        Print(s, library::ChatLineMessage(a.Text(0)));
                      }});
}

void AddInstantMessageRoutines(Routines& routines) {
  routines.push_back(Plain("InstantMessagesOn", library::InstantMessagesOn));
  routines.push_back(Plain("InstantMessagesOff", library::InstantMessagesOff));
  routines.push_back(WithText("InstantMessagesOnFor", "name", library::InstantMessagesOnFor));
  routines.push_back(WithText("InstantMessagesOffFor", "name", library::InstantMessagesOffFor));
  routines.push_back(Finding("FindConversationWindow", library::FindConversationWindow));
  routines.push_back(Reading("ConversationText", library::ConversationText));
  routines.push_back(Reading("ConversationSender", library::ConversationSender));
  routines.push_back(Reading("LastConversationLine", library::LastConversationLine));
  routines.push_back(WithText("ReplyToConversation", "text", library::ReplyToConversation));
  routines.push_back({"IsMemberOnline", {"screenName"}, [](Session& s, Arguments& a) {
                        Print(s, library::IsMemberOnline(s.platform, a.Text(0)));
                      }});
}

}  // namespace

void AddChatRoutines(Routines& routines) {
  AddRoomAndPeopleRoutines(routines);
  AddInstantMessageRoutines(routines);
}

}  // namespace velto_run
