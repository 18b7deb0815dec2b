// How the file, settings and sound routines end: each outcome they can meet.
#include <gtest/gtest.h>

#include "host/substitute_desktop.h"
#include "library/files/files_and_settings.h"
#include "library/files/posix_file_services.h"
#include "library/files/temp_folder.h"
#include "support/outcome_print.h"
#include "support/own_controls.h"

namespace velto::testing {
namespace {

using host::Outcome;

class FileOutcomes : public ::testing::Test {
 protected:
  template <typename Routine>
  Outcome OutcomeOf(Routine routine) {
    files_.BeginCall();
    routine();
    return files_.LastOutcome();
  }
  std::string Path(const std::string& name) const { return folder_.Path(name); }

  TempFolder folder_;
  library::PosixFileServices files_{folder_.Folder()};
  host::SubstituteDesktop desktop_;
  ItemList list_;
};

TEST_F(FileOutcomes, AListSavedAndLoadedIsDoneAndAFileThatCannotBeHadFails) {
  list_.items = {"a", "b"};
  EXPECT_EQ(OutcomeOf([&] { library::SaveListBox(files_, Path("list.txt"), list_); }),
            Outcome::kDone);
  EXPECT_EQ(OutcomeOf([&] { library::LoadListBox(files_, desktop_, Path("list.txt"), list_); }),
            Outcome::kDone);

  EXPECT_EQ(OutcomeOf([&] { library::SaveListBox(files_, Path("no/such/list.txt"), list_); }),
            Outcome::kFailed);
  EXPECT_EQ(OutcomeOf([&] { library::LoadListBox(files_, desktop_, Path("none.txt"), list_); }),
            Outcome::kFailed);
  EXPECT_EQ(
      OutcomeOf([&] { library::WriteIniValue(files_, "s", "k", "v", Path("no/such/x.ini")); }),
      Outcome::kFailed);
}

TEST_F(FileOutcomes, ASoundOrFileThatIsNotThereIsNothingToActOn) {
  EXPECT_EQ(OutcomeOf([&] { library::PlayWave(files_, Path("none.wav")); }),
            Outcome::kNothingToActOn);
  EXPECT_EQ(OutcomeOf([&] { library::MakeFileHidden(files_, Path("none.txt")); }),
            Outcome::kNothingToActOn);
}

}  // namespace
}  // namespace velto::testing
