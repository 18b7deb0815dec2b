// Chat, people and instant messages, as velto.h declares them.
#include "dll/velto.h"
#include "dll/win32_dll_boundary.h"
#include "library/chat/chat_people.h"
#include "library/chat/instant_messages.h"

namespace dll = velto::dll;
namespace library = velto::library;

int VELTO_CALL velto_EnterPrivateRoom(const VELTO_CHAR* room) {
  return dll::RunOnHost(library::EnterPrivateRoom, room);
}

int VELTO_CALL velto_EnterRoomLink61(const VELTO_CHAR* room) {
  return dll::RunOnHost(library::EnterRoomLink61, room);
}

int VELTO_CALL velto_EnterRoomLink21(const VELTO_CHAR* room) {
  return dll::RunOnHost(library::EnterRoomLink21, room);
}

int VELTO_CALL velto_WaitForRoomEntry(VELTO_CHAR* room, int roomSize) {
  return dll::OnHost([&](dll::Session& session) {
    dll::InOut edited(room, roomSize);
    library::WaitForRoomEntry(session.platform, edited.text);
    return edited.Put();
  });
}

int VELTO_CALL velto_CountChatPeople(void) {
  return dll::RunOnHost(library::CountChatPeople);
}

int VELTO_CALL velto_ListChatPeople(VELTO_WINDOW list, int includeSelf) {
  return dll::OnHost([&](dll::Session& session) {
    auto listControl = dll::ListOf(list);
    return library::ListChatPeople(session.platform, listControl, includeSelf);
  });
}

int VELTO_CALL velto_ListChatPeopleToCombo(VELTO_WINDOW combo, int includeSelf) {
  return dll::OnHost([&](dll::Session& session) {
    auto comboControl = dll::ListOf(combo);
    return library::ListChatPeopleToCombo(session.platform, comboControl, includeSelf);
  });
}

int VELTO_CALL velto_IgnoreChatPerson(int index) {
  return dll::RunOnHost(library::IgnoreChatPerson, index);
}

int VELTO_CALL velto_IgnoreChatPersonByName(const VELTO_CHAR* name) {
  return dll::RunOnHost(library::IgnoreChatPersonByName, name);
}

VELTO_WINDOW VELTO_CALL velto_FindPersonWindow(void) {
  return dll::FindOnHostWith(library::FindPersonWindow);
}

int VELTO_CALL velto_SendChatText(const VELTO_CHAR* text) {
  return dll::RunOnHost(library::SendChatText, text);
}

int VELTO_CALL velto_ChatLineSender(const VELTO_CHAR* line, VELTO_CHAR* result, int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    return output.Put(library::ChatLineSender(dll::Text(line)));
  });
}

int VELTO_CALL velto_ChatLineMessage(const VELTO_CHAR* line, VELTO_CHAR* result, int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    return output.Put(library::ChatLineMessage(dll::Text(line)));
  });
}

int VELTO_CALL velto_InstantMessagesOn(void) {
  return dll::RunOnHost(library::InstantMessagesOn);
}

int VELTO_CALL velto_InstantMessagesOff(void) {
  return dll::RunOnHost(library::InstantMessagesOff);
}

int VELTO_CALL velto_InstantMessagesOnFor(const VELTO_CHAR* name) {
  return dll::RunOnHost(library::InstantMessagesOnFor, name);
}

int VELTO_CALL velto_InstantMessagesOffFor(const VELTO_CHAR* name) {
  return dll::RunOnHost(library::InstantMessagesOffFor, name);
}

VELTO_WINDOW VELTO_CALL velto_FindConversationWindow(void) {
  return dll::FindOnHostWith(library::FindConversationWindow);
}

int VELTO_CALL velto_ConversationText(VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& session) {
    const dll::Output output(result, resultSize);
    return output.Put(library::ConversationText(session.platform));
  });
}

int VELTO_CALL velto_ConversationSender(VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& session) {
    const dll::Output output(result, resultSize);
    return output.Put(library::ConversationSender(session.platform));
  });
}

int VELTO_CALL velto_LastConversationLine(VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& session) {
    const dll::Output output(result, resultSize);
    return output.Put(library::LastConversationLine(session.platform));
  });
}

int VELTO_CALL velto_ReplyToConversation(const VELTO_CHAR* text) {
  return dll::RunOnHost(library::ReplyToConversation, text);
}

int VELTO_CALL velto_IsMemberOnline(const VELTO_CHAR* screenName) {
  return dll::FlagOnHost(library::IsMemberOnline, screenName);
}
