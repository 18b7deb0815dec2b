// The host routines, as velto.h declares them.
#include "dll/velto.h"
#include "dll/win32_dll_boundary.h"
#include "host/host_routines.h"

namespace dll = velto::dll;
namespace host = velto::host;

VELTO_WINDOW VELTO_CALL velto_FindChatRoom(void) {
  return dll::FindOnHost(
      [&](dll::Session& session) { return host::FindChatRoom(session.platform); });
}

int VELTO_CALL velto_SendChatLine(const VELTO_CHAR* text) {
  return dll::OnHost(
      [&](dll::Session& session) { return host::SendChatLine(session.platform, dll::Text(text)); });
}

int VELTO_CALL velto_OpenKeyword(const VELTO_CHAR* keyword) {
  return dll::OnHost([&](dll::Session& session) {
    return host::OpenKeyword(session.platform, dll::Text(keyword));
  });
}

int VELTO_CALL velto_SendInstantMessage(const VELTO_CHAR* recipient, const VELTO_CHAR* message) {
  return dll::OnHost([&](dll::Session& session) {
    return host::SendInstantMessage(session.platform, dll::Text(recipient), dll::Text(message));
  });
}

int VELTO_CALL velto_GetWindowCaption(VELTO_WINDOW window, VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& session) {
    const dll::Output output(result, resultSize);
    return output.Put(host::GetWindowCaption(session.platform, dll::Window(window)));
  });
}

int VELTO_CALL velto_GetScreenName(VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& session) {
    const dll::Output output(result, resultSize);
    return output.Put(host::GetScreenName(session.platform));
  });
}

int VELTO_CALL velto_DragForm(VELTO_WINDOW form) {
  return dll::OnHost(
      [&](dll::Session& session) { return host::DragForm(session.platform, dll::Window(form)); });
}
