// The routines whose int is a flag (kTrue or kFalse): velto.h cannot tell a flag from a
// count, so these are written by hand, and a bad argument or a failure answers
// VELTO_FALSE, never a value a caller could take for true.
#include "dll/velto.h"
#include "dll/win32_dll_boundary.h"
#include "library/chat/instant_messages.h"
#include "library/files/files_and_settings.h"
#include "library/mail/account_windows.h"
#include "library/mail/mail_windows.h"

namespace dll = velto::dll;
namespace library = velto::library;

int VELTO_CALL velto_IsMemberOnline(const VELTO_CHAR* screenName) {
  return dll::FlagOnHost(library::IsMemberOnline, screenName);
}

int VELTO_CALL velto_CanSetParentalControls(void) {
  return dll::FlagOnHost(library::CanSetParentalControls);
}

int VELTO_CALL velto_ScreenNameExists(const VELTO_CHAR* screenName) {
  return dll::FlagOnHost(library::ScreenNameExists, screenName);
}

int VELTO_CALL velto_FileExists(const VELTO_CHAR* path) {
  return dll::OnHost([&](dll::Session& session) {
    return dll::AsFlag(library::FileExists(session.files, dll::Text(path)));
  });
}
