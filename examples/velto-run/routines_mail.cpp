// Mail, the mailbox and filed mail, mail errors, and the account windows.
#include <velto/library/account_windows.h>
#include <velto/library/filed_mail.h>
#include <velto/library/mail_errors.h>
#include <velto/library/mail_windows.h>
#include <velto/library/mailbox.h>

#include "routine_table.h"

namespace velto_run {
namespace {

namespace library = velto::library;
using velto::host::Platform;

Routine AtIndex(std::string name, void (*routine)(Platform&, int)) {
  return {std::move(name), {"#index"}, [routine](Session& s, Arguments& a) {
            routine(s.platform, a.Number(0));
          }};
}

Routine FieldAt(std::string name, std::string (*routine)(Platform&, int),
                std::string parameter = "#index") {
  return {std::move(name), {std::move(parameter)}, [routine](Session& s, Arguments& a) {
            Print(s, routine(s.platform, a.Number(0)));
          }};
}

Routine Listing(std::string name, void (*routine)(Platform&, velto::library::ListControl&)) {
  return {std::move(name), {}, [routine](Session& s, Arguments&) {
            PrintedList list(s);
            routine(s.platform, list);
          }};
}

void AddWritingRoutines(Routines& routines) {
  routines.push_back(Finding("FindComposeWindow", library::FindComposeWindow));
  routines.push_back(Finding("FindReadMailWindow", library::FindReadMailWindow));
  routines.push_back(Plain("CloseMailWindows", library::CloseMailWindows));
  routines.push_back(
      {"SendMail", {"recipients", "subject", "message"}, [](Session& s, Arguments& a) {
         library::SendMail(s.platform, a.Text(0), a.Text(1), a.Text(2));
       }});
  routines.push_back(
      {"ForwardMail", {"recipients", "message", "#stripPrefix"}, [](Session& s, Arguments& a) {
         library::ForwardMail(s.platform, a.Text(0), a.Text(1), a.Number(2));
       }});
  routines.push_back({"ScreenNameExists", {"screenName"}, [](Session& s, Arguments& a) {
                        Print(s, library::ScreenNameExists(s.platform, a.Text(0)));
                      }});
  routines.push_back(Counting("CanSetParentalControls", library::CanSetParentalControls));
  routines.push_back({"GetMemberProfile", {"screenName"}, [](Session& s, Arguments& a) {
                        Print(s, library::GetMemberProfile(s.platform, a.Text(0)));
                      }});
  routines.push_back(Plain("ResetMailPreferences", library::ResetMailPreferences));
  routines.push_back(Finding("FindMailErrorWindow", library::FindMailErrorWindow));
  routines.push_back(Counting("CountMailErrors", library::CountMailErrors));
  routines.push_back(FieldAt("MailErrorName", library::MailErrorName, "#n"));
}

void AddMailboxRoutines(Routines& routines) {
  routines.push_back(Finding("FindMailboxWindow", library::FindMailboxWindow));
  routines.push_back(Counting("CountMailTab1", library::CountMailTab1));
  routines.push_back(Counting("CountMailTab2", library::CountMailTab2));
  routines.push_back(Counting("CountMailTab3", library::CountMailTab3));
  routines.push_back(AtIndex("OpenMailTab1", library::OpenMailTab1));
  routines.push_back(AtIndex("OpenMailTab2", library::OpenMailTab2));
  routines.push_back(AtIndex("OpenMailTab3", library::OpenMailTab3));
  routines.push_back(Listing("ListMailTab1", library::ListMailTab1));
  routines.push_back(Listing("ListMailTab2", library::ListMailTab2));
  routines.push_back(Listing("ListMailTab3", library::ListMailTab3));
  routines.push_back(FieldAt("MailTab1Field2", library::MailTab1Field2));
  routines.push_back(FieldAt("MailTab1Field3", library::MailTab1Field3));
  routines.push_back(AtIndex("DeleteMailTab1", library::DeleteMailTab1));
  routines.push_back(WithText("DeleteMailTab1Matching", "text", library::DeleteMailTab1Matching));
  routines.push_back(WithText("DeleteMailTab1Except", "text", library::DeleteMailTab1Except));
  routines.push_back(NeedsOwnWindow("DeleteDuplicateMailTab1", {"#form", "#showProgress"}));

  routines.push_back(Counting("CountFiledMail", library::CountFiledMail));
  routines.push_back(AtIndex("OpenFiledMail", library::OpenFiledMail));
  routines.push_back(Listing("ListFiledMail", library::ListFiledMail));
  routines.push_back(FieldAt("FiledMailField2", library::FiledMailField2));
  routines.push_back(FieldAt("FiledMailField3", library::FiledMailField3));
  routines.push_back(AtIndex("DeleteFiledMail", library::DeleteFiledMail));
  routines.push_back(NeedsOwnWindow("DeleteDuplicateFiledMail", {"#form", "#showProgress"}));
}

}  // namespace

void AddMailRoutines(Routines& routines) {
  AddWritingRoutines(routines);
  AddMailboxRoutines(routines);
}

}  // namespace velto_run
