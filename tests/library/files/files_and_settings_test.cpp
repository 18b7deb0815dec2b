#include "library/files/files_and_settings.h"

#include <gtest/gtest.h>

#include <ostream>

#include "host/substitute_desktop.h"
#include "library/files/posix_file_services.h"
#include "library/files/temp_folder.h"
#include "support/own_controls.h"

namespace velto::library {

void PrintTo(const RecordedCall& call, std::ostream* out) {
  *out << call.function << "(\"" << call.text << "\", " << call.value << ")";
}

}  // namespace velto::library

namespace velto::library {
namespace {

using library::RecordedCall;
using Items = std::vector<std::string>;
using testing::ItemList;
using testing::TextBox;

class FilesAndSettings : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return folder_.Path(name); }
  Items LoadedList(const std::string& name) {
    ItemList list;
    LoadListBox(files_, desktop_, Path(name), list);
    return list.items;
  }

  testing::TempFolder folder_;
  library::PosixFileServices files_{folder_.Folder()};
  host::SubstituteDesktop desktop_;
};

// --- files and attributes ---

TEST_F(FilesAndSettings, FileExistsOfAnEmptyPathIsFalseWithoutASearch) {
  EXPECT_EQ(FileExists(files_, ""), kFalse);
  EXPECT_TRUE(files_.Calls().empty());
}

TEST_F(FilesAndSettings, FileExistsSeesOrdinaryAndReadOnlyFilesOnly) {
  folder_.Write("plain.txt", "x");
  folder_.Write("locked.txt", "x");
  folder_.Write("secret.txt", "x");
  folder_.MakeFolder("folder");
  MakeFileReadOnly(files_, Path("locked.txt"));
  MakeFileHidden(files_, Path("secret.txt"));

  EXPECT_EQ(FileExists(files_, Path("plain.txt")), kTrue);
  EXPECT_EQ(FileExists(files_, Path("locked.txt")), kTrue);
  EXPECT_EQ(FileExists(files_, Path("secret.txt")), kFalse);
  EXPECT_EQ(FileExists(files_, Path("folder")), kFalse);
  EXPECT_EQ(FileExists(files_, Path("absent.txt")), kFalse);
}

TEST_F(FilesAndSettings, FileExistsOfAFolderEndingInASeparatorSeesTheFilesInIt) {
  folder_.MakeFolder("full");
  folder_.Write("full/inside.txt", "x");
  folder_.MakeFolder("empty");
  EXPECT_EQ(FileExists(files_, Path("full") + "/"), kTrue);
  EXPECT_EQ(FileExists(files_, Path("empty") + "/"), kFalse);
  EXPECT_EQ(ReadFileAttributes(files_, Path("full") + "/"), library::kAttributeDirectory);
}

TEST_F(FilesAndSettings, ReadFileAttributesReportsOnlyWhatTheSearchFinds) {
  folder_.Write("locked.txt", "x");
  folder_.Write("secret.txt", "x");
  MakeFileReadOnly(files_, Path("locked.txt"));
  MakeFileHidden(files_, Path("secret.txt"));

  EXPECT_EQ(ReadFileAttributes(files_, Path("locked.txt")),
            library::kAttributeReadOnly | library::kAttributeArchive);
  EXPECT_EQ(ReadFileAttributes(files_, Path("secret.txt")), 0);
  EXPECT_EQ(ReadFileAttributes(files_, Path("absent.txt")), 0);
}

TEST_F(FilesAndSettings, AHiddenFileCannotBeMadeNormalBecauseTheSearchMissesIt) {
  folder_.Write("secret.txt", "x");
  MakeFileHidden(files_, Path("secret.txt"));
  MakeFileNormal(files_, Path("secret.txt"));
  EXPECT_EQ(files_.GetFileAttributesA(Path("secret.txt")),
            library::kAttributeHidden | library::kAttributeArchive);

  folder_.Write("locked.txt", "x");
  MakeFileReadOnly(files_, Path("locked.txt"));
  MakeFileNormal(files_, Path("locked.txt"));
  EXPECT_EQ(files_.GetFileAttributesA(Path("locked.txt")), library::kAttributeArchive);
}

// --- settings ---

// A key is stored in capitals and found under any case, the letters of Windows-1252
// beyond ASCII too; the key the caller passed comes back in small letters.
TEST_F(FilesAndSettings, IniKeysAreFoundUnderAnyCase) {
  struct Case {
    const char* section;
    const char* keyWritten;
    const char* value;
    const char* file;
    const char* bytesOnDisk;
    const char* sectionRead;
    const char* keyRead;
    const char* keyAfterReading;
  };
  const Case cases[] = {
      {"Window", "Last Room", "Lobby \u2022 one", "velto.ini",
       "[Window]\r\nLAST ROOM=Lobby \x95 one\r\n", "window", "LaSt RoOm", "last room"},
      {"s", "\u00e9t\u00e9 \u0153uvre", "v", "letters.ini", "[s]\r\n\xC9T\xC9 \x8CUVRE=v\r\n", "s",
       "\u00c9T\u00c9 \u0152UVRE", "\u00e9t\u00e9 \u0153uvre"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    WriteIniValue(files_, c.section, c.keyWritten, c.value, Path(c.file));
    EXPECT_EQ(folder_.Read(c.file), c.bytesOnDisk);
    std::string key = c.keyRead;
    EXPECT_EQ(ReadIniValue(files_, c.sectionRead, key, Path(c.file)), c.value);
    EXPECT_EQ(key, c.keyAfterReading);
  }
}

TEST_F(FilesAndSettings, MissingIniValueReadsEmpty) {
  std::string key = "Nothing";
  EXPECT_EQ(ReadIniValue(files_, "s", key, Path("absent.ini")), "");
  WriteIniValue(files_, "s", "other", "v", Path("some.ini"));
  EXPECT_EQ(ReadIniValue(files_, "s", key, Path("some.ini")), "");
}

TEST_F(FilesAndSettings, IniValuesComeBackCutTo749Characters) {
  WriteIniValue(files_, "s", "long", std::string(800, 'x'), Path("long.ini"));
  std::string key = "long";
  EXPECT_EQ(ReadIniValue(files_, "s", key, Path("long.ini")), std::string(749, 'x'));
}

TEST_F(FilesAndSettings, AProfileNamedWithoutAFolderLivesInTheWindowsFolder) {
  WriteIniValue(files_, "s", "k", "v", "bare.ini");
  EXPECT_TRUE(folder_.Exists("bare.ini"));
  std::string key = "k";
  EXPECT_EQ(ReadIniValue(files_, "s", key, "bare.ini"), "v");
}

// --- a text box ---

TEST_F(FilesAndSettings, TextBoxSavesAsOneLineAndLoadsTheWholeFile) {
  const TextBox saved("Hello, \u2039world\u203A");
  SaveTextBox(files_, saved, Path("text.txt"));
  EXPECT_EQ(folder_.Read("text.txt"), "Hello, \x8Bworld\x9B\r\n");

  TextBox loaded("before");
  LoadTextBox(files_, loaded, Path("text.txt"));
  EXPECT_EQ(loaded.Text(), "Hello, \u2039world\u203A\r\n");
}

TEST_F(FilesAndSettings, TextBoxKeepsItsTextWhenTheFileCannotBeOpened) {
  TextBox box("unchanged");
  LoadTextBox(files_, box, Path("absent.txt"));
  EXPECT_EQ(box.Text(), "unchanged");

  SaveTextBox(files_, box, Path("no-such-folder/text.txt"));
  EXPECT_FALSE(folder_.Exists("no-such-folder"));
}

// --- list boxes and combo boxes ---

TEST_F(FilesAndSettings, ListBoxRoundTripsItemByItem) {
  const ItemList saved(Items{"alpha", "", "\u2022 bullet", "  padded"});
  SaveListBox(files_, Path("list.txt"), saved);
  EXPECT_EQ(folder_.Read("list.txt"), "alpha\r\n\r\n\x95 bullet\r\n  padded\r\n");
  // Leading blanks are passed over on reading, as the classic input does.
  EXPECT_EQ(LoadedList("list.txt"), (Items{"alpha", "", "\u2022 bullet", "padded"}));
}

TEST_F(FilesAndSettings, ComboBoxRoundTripsLikeAListBox) {
  const ItemList saved(Items{"one", "two"});
  SaveComboBox(files_, Path("combo.txt"), saved);
  ItemList loaded(Items{"already there"});
  LoadComboBox(files_, desktop_, Path("combo.txt"), loaded);
  EXPECT_EQ(loaded.items, (Items{"already there", "one", "two"}));
}

TEST_F(FilesAndSettings, AnEmptyListBoxLeavesAnEmptyFile) {
  folder_.Write("list.txt", "old\r\n");
  SaveListBox(files_, Path("list.txt"), ItemList());
  EXPECT_TRUE(folder_.Exists("list.txt"));
  EXPECT_EQ(folder_.Read("list.txt"), "");
  EXPECT_EQ(LoadedList("list.txt"), Items{});
}

TEST_F(FilesAndSettings, LoadingSplitsLinesAtCommasAndStripsQuotes) {
  folder_.Write("items.txt", "a,b\r\n\"c, d\"\r\n");
  EXPECT_EQ(LoadedList("items.txt"), (Items{"a", "b", "c, d"}));
}

TEST_F(FilesAndSettings, LoadingAMissingFileLeavesTheListAsItWas) {
  ItemList list(Items{"kept"});
  LoadListBox(files_, desktop_, Path("absent.txt"), list);
  EXPECT_EQ(list.items, Items{"kept"});
}

TEST_F(FilesAndSettings, LoadingRunsTheEventPumpBeforeEachAddition) {
  folder_.Write("list.txt", "a\r\nb\r\nc\r\n");
  ItemList list;
  // A handler that comes due at once runs in the first pump, before "a" is added.
  desktop_.Schedule(0, [&] { list.AddItem("from a handler"); });
  const std::size_t callsBefore = desktop_.PlatformCalls();

  LoadListBox(files_, desktop_, Path("list.txt"), list);

  EXPECT_EQ(list.items, (Items{"from a handler", "a", "b", "c"}));
  EXPECT_EQ(desktop_.PlatformCalls() - callsBefore, 3u);
}

TEST_F(FilesAndSettings, AHandlerInsideALoadMayUseTheSameAndOtherFiles) {
  folder_.Write("list.txt", "a\r\nb\r\n");
  folder_.Write("other.txt", "x\r\n");
  ItemList list;
  ItemList other;
  desktop_.Schedule(0, [&] {
    LoadListBox(files_, desktop_, Path("other.txt"), other);
    SaveListBox(files_, Path("list.txt"), ItemList(Items{"rewritten"}));
  });

  LoadListBox(files_, desktop_, Path("list.txt"), list);

  EXPECT_EQ(list.items, (Items{"a", "b"}));
  EXPECT_EQ(other.items, Items{"x"});
  EXPECT_EQ(folder_.Read("list.txt"), "rewritten\r\n");
}

// --- list pairs ---

TEST_F(FilesAndSettings, ListPairRoundTripsIntoEmptyLists) {
  const ItemList names(Items{"ann", "bob", ""});
  const ItemList rooms(Items{"lobby", "", "attic"});
  SaveListPair(files_, Path("pair.txt"), names, rooms);
  EXPECT_EQ(folder_.Read("pair.txt"), "ann*lobby\r\nbob*\r\n*attic\r\n");

  ItemList first;
  ItemList second;
  LoadListPair(files_, desktop_, Path("pair.txt"), first, second);
  EXPECT_EQ(first.items, names.items);
  EXPECT_EQ(second.items, rooms.items);
}

TEST_F(FilesAndSettings, ListPairWritesOneLinePerItemOfTheFirstList) {
  SaveListPair(files_, Path("pair.txt"), ItemList(Items{"a", "b"}), ItemList(Items{"1", "2", "3"}));
  EXPECT_EQ(folder_.Read("pair.txt"), "a*1\r\nb*2\r\n");
  SaveListPair(files_, Path("short.txt"), ItemList(Items{"a", "b"}), ItemList(Items{"1"}));
  EXPECT_EQ(folder_.Read("short.txt"), "a*1\r\nb*\r\n");
}

TEST_F(FilesAndSettings, ListPairKeepsLinesWithoutAStarAndSplitsAtTheFirstStar) {
  folder_.Write("pair.txt", "plain\r\nleft*right*more\r\n\r\nx*y\r\n");
  ItemList first;
  ItemList second;
  const std::size_t callsBefore = desktop_.PlatformCalls();
  LoadListPair(files_, desktop_, Path("pair.txt"), first, second);
  EXPECT_EQ(first.items, (Items{"plain", "left", "", "x"}));
  EXPECT_EQ(second.items, (Items{"", "right*more", "", "y"}));
  EXPECT_EQ(desktop_.PlatformCalls() - callsBefore, 4u) << "the pump runs for every line";
}

// --- saves are all or nothing ---

TEST_F(FilesAndSettings, ASaveThatRunsOutOfSpaceLeavesTheOldFile) {
  folder_.Write("list.txt", "old\r\n");
  files_.SetFreeSpace(5);
  SaveListBox(files_, Path("list.txt"), ItemList(Items{"much longer", "contents"}));
  EXPECT_EQ(folder_.Read("list.txt"), "old\r\n");
  EXPECT_FALSE(folder_.Exists(std::string("list.txt") + library::kSavingSuffix));
}

TEST_F(FilesAndSettings, SavesWriteNothingWhereTheFileCannotBeOpened) {
  folder_.Write("locked.txt", "old\r\n");
  MakeFileReadOnly(files_, Path("locked.txt"));
  const ItemList list(Items{"new"});
  SaveListBox(files_, Path("locked.txt"), list);
  SaveListPair(files_, Path("locked.txt"), list, list);
  SaveTextBox(files_, TextBox("new"), Path("locked.txt"));
  EXPECT_EQ(folder_.Read("locked.txt"), "old\r\n");
}

// --- sounds and media ---

TEST_F(FilesAndSettings, SoundsAndMediaPlayOnlyFilesTheSearchFinds) {
  folder_.Write("ding.wav", "RIFF");
  folder_.Write("tune.mid", "MThd");
  folder_.Write("secret.wav", "RIFF");
  MakeFileHidden(files_, Path("secret.wav"));
  const std::size_t before = files_.Calls().size();

  PlayWave(files_, Path("ding.wav"));
  PlayWave(files_, Path("secret.wav"));
  PlayWave(files_, Path("absent.wav"));
  PlayMedia(files_, Path("tune.mid"));
  StopMedia(files_, Path("tune.mid"));
  StopMedia(files_, Path("absent.mid"));

  std::vector<RecordedCall> played;
  for (std::size_t i = before; i < files_.Calls().size(); ++i) {
    if (files_.Calls()[i].function != "FindFileName")
      played.push_back(files_.Calls()[i]);
  }
  EXPECT_EQ(played, (std::vector<RecordedCall>{
                        {"sndPlaySoundA", Path("ding.wav"), 3},
                        {"mciSendStringA", "play " + Path("tune.mid"), 0},
                        {"mciSendStringA", "stop " + Path("tune.mid"), 0},
                    }));
}

}  // namespace
}  // namespace velto::library
