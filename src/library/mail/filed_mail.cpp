#include "library/mail/filed_mail.h"

#include "host/host_names.h"
#include "host/window_search.h"
#include "library/mail/internal/mail_list.h"
#include "library/mail/internal/marker_walk.h"

namespace velto::library {
namespace {

using host::WindowHandle;

constexpr std::string_view kFiledMailCaption = host::host_caption::kFiledMail;
constexpr int kDeleteButton = 4;  // the window's fourth "_AOL_Icon"

WindowHandle FindFiledMailWindow(host::Platform& platform) {
  return FindCaptionedHostChild(platform, kFiledMailCaption);
}

WindowHandle FiledList(host::Platform& platform) {
  return host::FindChild(platform, FindFiledMailWindow(platform), host::host_class::kTree);
}

MailList FiledMailList(host::Platform& platform) {
  const WindowHandle window = FindFiledMailWindow(platform);
  return MailList{host::FindChild(platform, window, host::host_class::kTree),
                  host::FindNthChild(platform, window, host::host_class::kIcon, kDeleteButton)};
}

std::string DuplicateProgress(int i, int j) {
  return "Checking #" + std::to_string(i) + " with #" + std::to_string(j);
}

}  // namespace

int CountFiledMail(host::Platform& platform) {
  return CountMailEntries(platform, FiledList(platform));
}

void OpenFiledMail(host::Platform& platform, int index) {
  OpenMailEntry(platform, FiledList(platform), index);
}

void ListFiledMail(host::Platform& platform, library::ListControl& listBox) {
  AddThirdFields(platform, FiledList(platform), listBox, true);
}

std::string FiledMailField2(host::Platform& platform, int index) {
  return SecondField(ReadMailEntry(platform, FiledList(platform), index));
}

std::string FiledMailField3(host::Platform& platform, int index) {
  return WithoutNuls(ThirdField(ReadMailEntry(platform, FiledList(platform), index)));
}

void DeleteFiledMail(host::Platform& platform, int index) {
  DeleteMailEntry(platform, FiledMailList(platform), index);
}

void DeleteDuplicateFiledMail(host::Platform& platform, FormControl& form, int showProgress) {
  DeleteDuplicateMailEntries(platform, FiledMailList(platform), form, showProgress,
                             DuplicateProgress);
}

}  // namespace velto::library
