// The host routines, as velto.h declares them.
#include "dll/velto.h"
#include "dll/win32_dll_boundary.h"
#include "host/host_routines.h"

namespace dll = velto::dll;
namespace host = velto::host;

VELTO_WINDOW VELTO_CALL velto_FindChatRoom(void) {
  return dll::FindOnHost([&](dll::Session& s) { return host::FindChatRoom(s.platform); });
}

int VELTO_CALL velto_SendChatLine(const VELTO_CHAR* text) {
  return dll::OnHost(
      [&](dll::Session& s) { return host::SendChatLine(s.platform, dll::Text(text)); });
}

int VELTO_CALL velto_OpenKeyword(const VELTO_CHAR* keyword) {
  return dll::OnHost(
      [&](dll::Session& s) { return host::OpenKeyword(s.platform, dll::Text(keyword)); });
}

int VELTO_CALL velto_SendInstantMessage(const VELTO_CHAR* recipient, const VELTO_CHAR* message) {
  return dll::OnHost([&](dll::Session& s) {
    return host::SendInstantMessage(s.platform, dll::Text(recipient), dll::Text(message));
  });
}

int VELTO_CALL velto_GetWindowCaption(VELTO_WINDOW window, VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& s) {
    const dll::Output output(result, resultSize);
    return output.Put(host::GetWindowCaption(s.platform, dll::Window(window)));
  });
}

int VELTO_CALL velto_GetScreenName(VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& s) {
    const dll::Output output(result, resultSize);
    return output.Put(host::GetScreenName(s.platform));
  });
}

int VELTO_CALL velto_DragForm(VELTO_WINDOW form) {
  return dll::OnHost(
      [&](dll::Session& s) { return host::DragForm(s.platform, dll::Window(form)); });
}
