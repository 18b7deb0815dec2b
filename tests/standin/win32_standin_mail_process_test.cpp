// standin-host.exe as a program of its own, its mail and account windows driven from this
// process by the library's mail and account routines, as the host client's would be.
// Each case checks what the routines read and what the host's log says its windows did.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>

#include "host/host_names.h"
#include "host/host_text.h"
#include "host/wait.h"
#include "host/win32_handles.h"
#include "host/win32_platform.h"
#include "host/window_search.h"
#include "library/mail/account_windows.h"
#include "library/mail/filed_mail.h"
#include "library/mail/mail_errors.h"
#include "library/mail/mail_windows.h"
#include "library/mail/mailbox.h"
#include "library/windows/internal/host_lookups.h"
#include "library/windows/own_controls.h"
#include "support/own_controls.h"
#include "win32_standin_process.h"

namespace velto::testing {
namespace {

using host::WindowHandle;
using library::kFalse;
using library::kTrue;

constexpr double kStartSeconds = 10.0;
constexpr double kSettleSeconds = 5.0;
constexpr double kPollSeconds = 0.01;

// The sample mail of the stand-in host (StandinMail::OpenSampleMail).
constexpr int kSampleTab1 = 6;
constexpr int kSampleTab2 = 2;
constexpr int kSampleTab3 = 1;
constexpr int kSampleFiled = 3;

// A record of the log, as the host wrote it (its 8-bit bytes).
std::string Record(const std::string& utf8) {
  return host::ToHostBytes(utf8);
}

// One stand-in host for the whole suite; each case starts from the sample mail again.
class StandinMailProgram : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    standin_ = std::make_unique<StandinProcess>(std::vector<std::string>{"--sample-mail"});
    ASSERT_TRUE(standin_->started()) << "cannot start " << StandinHostPath();
    const bool ready = standin_->WaitUntilShowing(
        [](host::Platform& platform) { return !library::FindMailboxWindow(platform).IsNone(); },
        kStartSeconds);
    ASSERT_TRUE(ready) << "the stand-in host's mailbox does not show";
  }
  static void TearDownTestSuite() { standin_.reset(); }

  void SetUp() override {
    ASSERT_TRUE(standin_ && host::FindHostFrame(platform_)) << "no stand-in host to drive";
    library::CloseMailWindows(platform_);
    ASSERT_EQ(RecordsOf([&] { standin_->Order("sample-mail"); }, 1),
              std::vector<std::string>{"MAIL SAMPLE"})
        << "the sample mail is not back";
    firstRecord_ = standin_->Records().size();
  }
  // What the host did in a case that failed, to read beside the failure.
  void TearDown() override {
    if (!HasFailure())
      return;
    const std::vector<std::string> records = standin_->Records();
    for (std::size_t i = firstRecord_; i < records.size(); ++i)
      std::printf("  host: %s\n", records[i].c_str());
  }

  bool Eventually(const std::function<bool()>& done) {
    return host::WaitFor(platform_, done, kSettleSeconds, kPollSeconds);
  }
  // The records the host logs during the action and until `count` of them have come.
  std::vector<std::string> RecordsOf(const std::function<void()>& action, std::size_t count) {
    const std::size_t before = standin_->Records().size();
    action();
    Eventually([&] { return standin_->Records().size() >= before + count; });
    const std::vector<std::string> records = standin_->Records();
    return std::vector<std::string>(records.begin() + static_cast<std::ptrdiff_t>(before),
                                    records.end());
  }
  // Only the records of one kind ("MAIL ", "ACCOUNT ").
  static std::vector<std::string> OfKind(const std::vector<std::string>& records,
                                         const std::string& kind) {
    std::vector<std::string> kept;
    for (const std::string& record : records) {
      if (record.rfind(kind, 0) == 0)
        kept.push_back(record);
    }
    return kept;
  }
  WindowHandle HostChild(const std::string& caption) {
    const WindowHandle frame = host::FindHostFrame(platform_);
    const WindowHandle mdi =
        platform_.FindWindowExA(frame, host::kNoWindow, "MDIClient", host::kAnyCaption);
    return platform_.FindWindowExA(mdi, host::kNoWindow, "AOL Child", std::string_view(caption));
  }

  static std::unique_ptr<StandinProcess> standin_;
  host::Win32Platform platform_;
  std::size_t firstRecord_ = 0;
};

std::unique_ptr<StandinProcess> StandinMailProgram::standin_;

TEST_F(StandinMailProgram, CountsFieldsAndListsComeFromTheRealTrees) {
  EXPECT_EQ(library::CountMailTab1(platform_), kSampleTab1);
  EXPECT_EQ(library::CountMailTab2(platform_), kSampleTab2);
  EXPECT_EQ(library::CountMailTab3(platform_), kSampleTab3);
  EXPECT_EQ(library::CountFiledMail(platform_), kSampleFiled);
  EXPECT_EQ(library::MailTab1Field2(platform_, 0), "Jos\u00e9");
  EXPECT_EQ(library::MailTab1Field3(platform_, 0), "Gr\u00fc\u00dfe aus K\u00f6ln");
  EXPECT_EQ(library::MailTab1Field3(platform_, kSampleTab1), "") << "no such entry";
  EXPECT_EQ(library::FiledMailField2(platform_, 2), "Jos\u00e9");
  EXPECT_EQ(library::FiledMailField3(platform_, 2), "A\u00f1ejo");

  using namespace std::string_literals;
  ItemList tab2, tab3, filed;
  library::ListMailTab2(platform_, tab2);
  library::ListMailTab3(platform_, tab3);
  library::ListFiledMail(platform_, filed);
  // The read buffer holds one character more than the entry: its NUL stays in the item.
  EXPECT_EQ(tab2.items, (std::vector<std::string>{"Photos\0"s, "Na\u00efve question\0"s}));
  EXPECT_EQ(tab3.items, (std::vector<std::string>{"Re: Gr\u00fc\u00dfe aus K\u00f6ln\0"s}));
  EXPECT_EQ(filed.items, (std::vector<std::string>{"Recipes", "Recipes", "A\u00f1ejo"}));
}

TEST_F(StandinMailProgram, OpeningShowsTheMailAndCloseMailWindowsClosesIt) {
  EXPECT_EQ(OfKind(RecordsOf([&] { library::OpenMailTab2(platform_, 1); }, 1), "MAIL "),
            std::vector<std::string>{Record("MAIL OPEN Na\u00efve question")});
  ASSERT_TRUE(Eventually([&] { return bool(library::FindReadMailWindow(platform_)); }));
  EXPECT_EQ(OfKind(RecordsOf([&] { library::OpenFiledMail(platform_, 2); }, 1), "MAIL "),
            std::vector<std::string>{Record("MAIL OPEN A\u00f1ejo")});
  ASSERT_TRUE(Eventually([&] { return bool(HostChild("A\u00f1ejo")); }));
  EXPECT_TRUE(
      OfKind(RecordsOf([&] { library::OpenMailTab1(platform_, kSampleTab1); }, 0), "MAIL ").empty())
      << "an index past the last entry opens nothing";

  library::CloseMailWindows(platform_);
  EXPECT_FALSE(library::FindReadMailWindow(platform_));
  EXPECT_FALSE(HostChild("A\u00f1ejo"));
}

TEST_F(StandinMailProgram, DeletingTakesTheSelectedEntriesOut) {
  EXPECT_EQ(RecordsOf([&] { library::DeleteMailTab1(platform_, 5); }, 1),
            std::vector<std::string>{"MAIL DELETE 03/05/99\tBob\tRe: Lunch?"});
  // Three of the five left are Amy's, two of them side by side.
  EXPECT_EQ(RecordsOf([&] { library::DeleteMailTab1Matching(platform_, "AMY"); }, 3),
            (std::vector<std::string>{"MAIL DELETE 03/02/99\tAmy\tLunch?",
                                      "MAIL DELETE 03/02/99\tAmy\tLunch?",
                                      "MAIL DELETE 03/04/99\tAmy\tLunch?"}));
  EXPECT_EQ(library::CountMailTab1(platform_), 2);
  EXPECT_EQ(RecordsOf([&] { library::DeleteMailTab1Except(platform_, "jos\u00c9"); }, 0),
            std::vector<std::string>{})
      << "both left are Jos\u00e9's, whatever the case";
  EXPECT_EQ(RecordsOf([&] { library::DeleteFiledMail(platform_, 0); }, 1),
            std::vector<std::string>{"MAIL DELETE 01/20/99\tAmy\tRecipes"});
  EXPECT_EQ(library::CountFiledMail(platform_), 2);
}

TEST_F(StandinMailProgram, DuplicatesGoAndTheFirstOfEachStays) {
  CaptionForm form;
  EXPECT_EQ(RecordsOf([&] { library::DeleteDuplicateMailTab1(platform_, form, kTrue); }, 2),
            (std::vector<std::string>{"MAIL DELETE 03/02/99\tAmy\tLunch?",
                                      "MAIL DELETE 03/04/99\tAmy\tLunch?"}));
  EXPECT_EQ(library::CountMailTab1(platform_), kSampleTab1 - 2);
  EXPECT_EQ(form.Caption(), "Velto Idler");
  ASSERT_GE(form.captions.size(), 2u);
  EXPECT_EQ(form.captions[1], "Now checking #0 for match with #1");

  CaptionForm quiet;
  EXPECT_EQ(RecordsOf([&] { library::DeleteDuplicateFiledMail(platform_, quiet, kFalse); }, 1),
            std::vector<std::string>{"MAIL DELETE 01/20/99\tAmy\tRecipes"});
  EXPECT_EQ(quiet.captions, (std::vector<std::string>{"Velto Idler", "Velto Idler"}));
}

TEST_F(StandinMailProgram, WrittenAndForwardedMailIsSent) {
  EXPECT_EQ(
      OfKind(
          RecordsOf([&] { library::SendMail(platform_, "Amy", "Gr\u00fc\u00dfe", "Bis bald"); }, 1),
          "MAIL "),
      std::vector<std::string>{Record("MAIL SENT Amy | Gr\u00fc\u00dfe | Bis bald")});
  EXPECT_TRUE(Eventually([&] { return !HostChild("Write Mail"); }));

  library::OpenMailTab1(platform_, 0);
  // The host makes the window's controls one after the other: it is known by its text
  // boxes before its last icon is there.
  constexpr int kReadMailIcons = 8;
  ASSERT_TRUE(Eventually([&] {
    return bool(host::FindNthChild(platform_, library::FindReadMailWindow(platform_),
                                   host::host_class::kIcon, kReadMailIcons));
  }));
  const WindowHandle read = library::FindReadMailWindow(platform_);
  EXPECT_EQ(
      OfKind(RecordsOf([&] { library::ForwardMail(platform_, "Jos\u00e9", "Look", kTrue); }, 1),
             "MAIL "),
      std::vector<std::string>{
          Record("MAIL SENT Jos\u00e9 | Gr\u00fc\u00dfe aus K\u00f6ln | Look")})
      << "the host's \"Fwd: \" is gone from the subject";
  EXPECT_TRUE(Eventually([&] { return !::IsWindow(host::ToHwnd(read)); }))
      << "the read window closes";
}

TEST_F(StandinMailProgram, ScreenNameExistsProbesWithARefusedMailAndLeavesNothingOpen) {
  // The host closes the write window once the save question is answered, a moment after
  // the routine returns: each probe waits for that before the next.
  const auto nothingOpen = [&] {
    return !HostChild("Write Mail") && !HostChild("Error") &&
           !platform_.FindWindowA("#32770", std::string_view("America Online"));
  };
  EXPECT_EQ(
      OfKind(RecordsOf([&] { EXPECT_EQ(library::ScreenNameExists(platform_, "Jos\u00e9"), kTrue); },
                       1),
             "MAIL "),
      std::vector<std::string>{"MAIL REFUSED *"});
  EXPECT_TRUE(Eventually(nothingOpen)) << "the error window, the write window and the question";
  EXPECT_EQ(OfKind(RecordsOf(
                       [&] {
                         EXPECT_EQ(library::ScreenNameExists(platform_, "jose"), kFalse)
                             << "not a member: refused";
                       },
                       1),
                   "MAIL "),
            std::vector<std::string>{"MAIL REFUSED *, jose"});
  EXPECT_TRUE(Eventually(nothingOpen));
}

TEST_F(StandinMailProgram, ErrorNamesAreReadFromTheErrorWindow) {
  EXPECT_EQ(library::CountMailErrors(platform_), 0);
  standin_->Order("mail-error");
  // The host makes the window first and fills in its text after, as a user sees it
  // appear: the names are read once the window shows them.
  EXPECT_TRUE(Eventually([&] { return library::CountMailErrors(platform_) == 2; }))
      << "the error window names " << library::CountMailErrors(platform_) << " people";
  EXPECT_EQ(library::MailErrorName(platform_, 1), "J\u00fcrgen");
  EXPECT_EQ(library::MailErrorName(platform_, 2), "No Body");
  EXPECT_EQ(library::MailErrorName(platform_, 3), "");
  platform_.PostMessageA(library::FindMailErrorWindow(platform_), WM_CLOSE, 0, 0);
  EXPECT_TRUE(Eventually([&] { return !library::FindMailErrorWindow(platform_); }));
}

TEST_F(StandinMailProgram, ParentalControlsAnswerFromTheRealDialog) {
  const std::vector<std::string> records =
      RecordsOf([&] { EXPECT_EQ(library::CanSetParentalControls(platform_), kTrue); }, 1);
  EXPECT_EQ(records,
            std::vector<std::string>{"KEYWORD aol://4344:1580.prntcon.12263709.564517913"});
  EXPECT_TRUE(Eventually([&] {
    return !HostChild("Parental Controls") &&
           !platform_.FindWindowA("_AOL_Modal", host::kAnyCaption);
  }));
}

TEST_F(StandinMailProgram, ProfilesComeThroughThePeopleMenu) {
  EXPECT_EQ(OfKind(RecordsOf(
                       [&] {
                         EXPECT_EQ(library::GetMemberProfile(platform_, "Jos\u00e9"),
                                   "Hobbies: caf\u00e9, chess\r\nLocation: K\u00f6ln");
                       },
                       1),
                   "ACCOUNT "),
            std::vector<std::string>{Record("ACCOUNT PROFILE Jos\u00e9")});
  EXPECT_EQ(library::GetMemberProfile(platform_, "Nobody"), "< No Profile >");
  EXPECT_TRUE(Eventually([&] {
    return !HostChild("Member Profile") && !HostChild("Get a Member's Profile") &&
           !platform_.FindWindowA("#32770", std::string_view("America Online"));
  }));
}

TEST_F(StandinMailProgram, MailPreferencesAreSetAndSaved) {
  // The host's own were 1 0 1 1 1 1: the first and sixth are cleared, the second ticked.
  EXPECT_EQ(OfKind(RecordsOf([&] { library::ResetMailPreferences(platform_); }, 1), "ACCOUNT "),
            std::vector<std::string>{"ACCOUNT PREFERENCES 0 1 1 1 1 0"});
  EXPECT_TRUE(Eventually([&] {
    return !HostChild("Preferences") &&
           !platform_.FindWindowA("_AOL_Modal", std::string_view("Mail Preferences"));
  }));
}

}  // namespace
}  // namespace velto::testing
