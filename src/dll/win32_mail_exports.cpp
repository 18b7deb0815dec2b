// Mail and accounts, as velto.h declares them.
#include "dll/velto.h"
#include "dll/win32_dll_boundary.h"
#include "library/mail/account_windows.h"
#include "library/mail/filed_mail.h"
#include "library/mail/mail_errors.h"
#include "library/mail/mail_windows.h"
#include "library/mail/mailbox.h"

namespace dll = velto::dll;
namespace library = velto::library;

int VELTO_CALL velto_CanSetParentalControls(void) {
  return dll::FlagOnHost(library::CanSetParentalControls);
}

int VELTO_CALL velto_GetMemberProfile(const VELTO_CHAR* screenName, VELTO_CHAR* result,
                                      int resultSize) {
  return dll::OnHost([&](dll::Session& session) {
    const dll::Output output(result, resultSize);
    return output.Put(library::GetMemberProfile(session.platform, dll::Text(screenName)));
  });
}

int VELTO_CALL velto_ResetMailPreferences(void) {
  return dll::RunOnHost(library::ResetMailPreferences);
}

int VELTO_CALL velto_CountFiledMail(void) {
  return dll::RunOnHost(library::CountFiledMail);
}

int VELTO_CALL velto_OpenFiledMail(int index) {
  return dll::RunOnHost(library::OpenFiledMail, index);
}

int VELTO_CALL velto_ListFiledMail(VELTO_WINDOW list) {
  return dll::OnHost([&](dll::Session& session) {
    auto listControl = dll::ListOf(list);
    return library::ListFiledMail(session.platform, listControl);
  });
}

int VELTO_CALL velto_FiledMailField2(int index, VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& session) {
    const dll::Output output(result, resultSize);
    return output.Put(library::FiledMailField2(session.platform, index));
  });
}

int VELTO_CALL velto_FiledMailField3(int index, VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& session) {
    const dll::Output output(result, resultSize);
    return output.Put(library::FiledMailField3(session.platform, index));
  });
}

int VELTO_CALL velto_DeleteFiledMail(int index) {
  return dll::RunOnHost(library::DeleteFiledMail, index);
}

int VELTO_CALL velto_DeleteDuplicateFiledMail(VELTO_WINDOW form, int showProgress) {
  return dll::OnHost([&](dll::Session& session) {
    auto formControl = dll::FormOf(form);
    return library::DeleteDuplicateFiledMail(session.platform, formControl, showProgress);
  });
}

VELTO_WINDOW VELTO_CALL velto_FindMailErrorWindow(void) {
  return dll::FindOnHostWith(library::FindMailErrorWindow);
}

int VELTO_CALL velto_CountMailErrors(void) {
  return dll::RunOnHost(library::CountMailErrors);
}

int VELTO_CALL velto_MailErrorName(int n, VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& session) {
    const dll::Output output(result, resultSize);
    return output.Put(library::MailErrorName(session.platform, n));
  });
}

VELTO_WINDOW VELTO_CALL velto_FindComposeWindow(void) {
  return dll::FindOnHostWith(library::FindComposeWindow);
}

VELTO_WINDOW VELTO_CALL velto_FindReadMailWindow(void) {
  return dll::FindOnHostWith(library::FindReadMailWindow);
}

int VELTO_CALL velto_CloseMailWindows(void) {
  return dll::RunOnHost(library::CloseMailWindows);
}

int VELTO_CALL velto_SendMail(const VELTO_CHAR* recipients, const VELTO_CHAR* subject,
                              const VELTO_CHAR* message) {
  return dll::OnHost([&](dll::Session& session) {
    return library::SendMail(session.platform, dll::Text(recipients), dll::Text(subject),
                             dll::Text(message));
  });
}

int VELTO_CALL velto_ForwardMail(const VELTO_CHAR* recipients, const VELTO_CHAR* message,
                                 int stripPrefix) {
  return dll::OnHost([&](dll::Session& session) {
    return library::ForwardMail(session.platform, dll::Text(recipients), dll::Text(message),
                                stripPrefix);
  });
}

int VELTO_CALL velto_ScreenNameExists(const VELTO_CHAR* screenName) {
  return dll::FlagOnHost(library::ScreenNameExists, screenName);
}

VELTO_WINDOW VELTO_CALL velto_FindMailboxWindow(void) {
  return dll::FindOnHostWith(library::FindMailboxWindow);
}

int VELTO_CALL velto_CountMailTab1(void) {
  return dll::RunOnHost(library::CountMailTab1);
}

int VELTO_CALL velto_CountMailTab2(void) {
  return dll::RunOnHost(library::CountMailTab2);
}

int VELTO_CALL velto_CountMailTab3(void) {
  return dll::RunOnHost(library::CountMailTab3);
}

int VELTO_CALL velto_OpenMailTab1(int index) {
  return dll::RunOnHost(library::OpenMailTab1, index);
}

int VELTO_CALL velto_OpenMailTab2(int index) {
  return dll::RunOnHost(library::OpenMailTab2, index);
}

int VELTO_CALL velto_OpenMailTab3(int index) {
  return dll::RunOnHost(library::OpenMailTab3, index);
}

int VELTO_CALL velto_ListMailTab1(VELTO_WINDOW list) {
  return dll::OnHost([&](dll::Session& session) {
    auto listControl = dll::ListOf(list);
    return library::ListMailTab1(session.platform, listControl);
  });
}

int VELTO_CALL velto_ListMailTab2(VELTO_WINDOW list) {
  return dll::OnHost([&](dll::Session& session) {
    auto listControl = dll::ListOf(list);
    return library::ListMailTab2(session.platform, listControl);
  });
}

int VELTO_CALL velto_ListMailTab3(VELTO_WINDOW list) {
  return dll::OnHost([&](dll::Session& session) {
    auto listControl = dll::ListOf(list);
    return library::ListMailTab3(session.platform, listControl);
  });
}

int VELTO_CALL velto_MailTab1Field2(int index, VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& session) {
    const dll::Output output(result, resultSize);
    return output.Put(library::MailTab1Field2(session.platform, index));
  });
}

int VELTO_CALL velto_MailTab1Field3(int index, VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& session) {
    const dll::Output output(result, resultSize);
    return output.Put(library::MailTab1Field3(session.platform, index));
  });
}

int VELTO_CALL velto_DeleteMailTab1(int index) {
  return dll::RunOnHost(library::DeleteMailTab1, index);
}

int VELTO_CALL velto_DeleteMailTab1Matching(const VELTO_CHAR* text) {
  return dll::RunOnHost(library::DeleteMailTab1Matching, text);
}

int VELTO_CALL velto_DeleteMailTab1Except(const VELTO_CHAR* text) {
  return dll::RunOnHost(library::DeleteMailTab1Except, text);
}

int VELTO_CALL velto_DeleteDuplicateMailTab1(VELTO_WINDOW form, int showProgress) {
  return dll::OnHost([&](dll::Session& session) {
    auto formControl = dll::FormOf(form);
    return library::DeleteDuplicateMailTab1(session.platform, formControl, showProgress);
  });
}
