// The profile-file and file-system rules the library relies on, checked on every
// implementation this build has: the substitute always, and real kernel32 (under Wine)
// in the Windows build, on the same files. Where the two disagree, the substitute is
// wrong.

#include <gtest/gtest.h>

#include "host/utf8.h"
#include "library/files/file_services_under_test.h"
#include "library/files/temp_folder.h"
#include "support/known_difference.h"

namespace velto::testing {
namespace {

constexpr int kRoomy = 260;

// The separators a path may end in: Windows takes both.
#ifdef _WIN32
constexpr const char* kSeparators[] = {"/", "\\"};
#else
constexpr const char* kSeparators[] = {"/"};
#endif

class FileServicesContract : public ::testing::TestWithParam<FileServicesKind> {
 protected:
  void SetUp() override { files_ = GetParam().make(); }
  library::FileServices& files() { return *files_; }

  // What GetPrivateProfileStringA copies, with its count (in characters) checked.
  std::string Read(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& defaultValue = "default", int size = kRoomy) {
    std::string returned = "untouched";
    const int copied = files().GetPrivateProfileStringA(section, key, defaultValue, returned, size,
                                                        folder_.Path(file));
    EXPECT_EQ(static_cast<std::size_t>(copied), host::DecodeUtf8(returned).size()) << returned;
    return returned;
  }
  bool Write(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value) {
    return files().WritePrivateProfileStringA(section, key, value, folder_.Path(file));
  }

  TempFolder folder_;
  std::unique_ptr<library::FileServices> files_;
};

// --- reading profile files ---

TEST_P(FileServicesContract, MissingFileSectionKeyOrEqualsSignReadsTheDefault) {
  EXPECT_EQ(Read("absent.ini", "s", "k"), "default");
  folder_.Write("a.ini", "[s]\r\nbare\r\nk=v\r\n[empty]\r\n");
  EXPECT_EQ(Read("a.ini", "other", "k"), "default");
  EXPECT_EQ(Read("a.ini", "s", "missing"), "default");
  EXPECT_EQ(Read("a.ini", "s", "bare"), "default");
  EXPECT_EQ(Read("a.ini", "empty", "k", ""), "");
  EXPECT_EQ(Read("a.ini", "s", "missing", "one two  "), "one two");
  EXPECT_EQ(Read("a.ini", "s", "missing", "   "), " ") << "the default's first character stays";
}

TEST_P(FileServicesContract, SectionsAndKeysMatchWithoutRegardToCaseOrBlanks) {
  folder_.Write(
      "case.ini",
      "[ Colours ]\r\n  Sky Blue  =  azure  \r\n[colours]\r\nsky blue=second section\r\n");
  EXPECT_EQ(Read("case.ini", "COLOURS", "SKY BLUE"), "azure");
  EXPECT_EQ(Read("case.ini", "  colours ", " sky blue\t"), "azure");
}

TEST_P(FileServicesContract, Windows1252LettersMatchWithoutRegardToCase) {
  folder_.Write("letters.ini", "[\xC9t\xE9]\r\n\x8Auvre=summer\r\n\xC0\xDE=ends\r\n\xD7=times\r\n");
  // Wine 8 compares profile names with its ntdll wcsnicmp, which folds ASCII letters
  // only. The substitute folds every Windows-1252 letter: WriteIniValue and
  // ReadIniValue change the case of such keys and need them to meet again.
  ExpectKnownDifference(GetParam().isWine, "Wine folds only ASCII letters in profile names", [&] {
    EXPECT_EQ(Read("letters.ini", "\u00E9T\u00C9", "\u0161UVRE"), "summer");  // éTÉ, šUVRE
    EXPECT_EQ(Read("letters.ini", "\u00E9T\u00C9", "\u00E0\u00FE"), "ends");  // àþ: À and Þ
  });
  // × is no letter: ÷, at its place among the small letters, is another key.
  EXPECT_EQ(Read("letters.ini", "\u00C9T\u00C9", "\u00F7"), "default");
}

TEST_P(FileServicesContract, OnlyTheFirstKeyOfANameCounts) {
  folder_.Write("twice.ini", "[s]\r\nk=first\r\nK=second\r\n");
  EXPECT_EQ(Read("twice.ini", "s", "k"), "first");
}

TEST_P(FileServicesContract, ValuesLoseSurroundingBlanksAndOnePairOfQuotes) {
  folder_.Write("quotes.ini",
                "[s]\r\ndouble= \"two words\" \r\nsingle='one'\r\nunbalanced=\"open\r\n"
                "mixed=\"x'\r\nempty=\"\"\r\ninner=a \"b\" c\r\n");
  EXPECT_EQ(Read("quotes.ini", "s", "double"), "two words");
  EXPECT_EQ(Read("quotes.ini", "s", "single"), "one");
  EXPECT_EQ(Read("quotes.ini", "s", "unbalanced"), "\"open");
  EXPECT_EQ(Read("quotes.ini", "s", "mixed"), "\"x'");
  EXPECT_EQ(Read("quotes.ini", "s", "empty"), "");
  EXPECT_EQ(Read("quotes.ini", "s", "inner"), "a \"b\" c");
}

TEST_P(FileServicesContract, TheBufferCutsTheValue) {
  folder_.Write("cut.ini", "[s]\r\nk=value\r\nq=\"quoted value\"\r\n");
  EXPECT_EQ(Read("cut.ini", "s", "k", "", 6), "value");
  EXPECT_EQ(Read("cut.ini", "s", "k", "", 4), "val");
  EXPECT_EQ(Read("cut.ini", "s", "k", "", 1), "");
  EXPECT_EQ(Read("cut.ini", "s", "q", "", 4), "quo");
  // One character short of the quoted value and its closing quote: the quote is not
  // copied, and the last character copied is dropped as if it were the quote.
  EXPECT_EQ(Read("cut.ini", "s", "q", "", 13), "quoted valu");
  EXPECT_EQ(Read("cut.ini", "s", "absent", "default", 4), "def");
}

TEST_P(FileServicesContract, LinesMayEndInCarriageReturnsAlone) {
  folder_.Write("cr.ini", "[s]\rname1=val1\rname2=\"val2\"\r[t]\r");
  EXPECT_EQ(Read("cr.ini", "s", "name1"), "val1");
  EXPECT_EQ(Read("cr.ini", "s", "name2"), "val2");
}

TEST_P(FileServicesContract, SectionNameRunsToTheLastClosingBracket) {
  folder_.Write("brackets.ini", "[a]b]\r\nk=1\r\n[open\r\nk=2\r\n");
  EXPECT_EQ(Read("brackets.ini", "a]b", "k"), "1");
  // "[open" is no header but a key without a value; the "k" after it is a second "k"
  // of "a]b", which does not count.
  EXPECT_EQ(Read("brackets.ini", "a]b", "[open"), "default");
  EXPECT_EQ(Read("brackets.ini", "open", "k"), "default");
}

// --- writing profile files ---

TEST_P(FileServicesContract, WritingBuildsTheFileAsWindowsDoes) {
  ASSERT_TRUE(Write("new.ini", "App1", "key1", "string1"));
  EXPECT_EQ(folder_.Read("new.ini"), "[App1]\r\nkey1=string1\r\n");

  Write("new.ini", "App2", "key3", "string3");
  Write("new.ini", "app1", "key2", "string2");
  EXPECT_EQ(folder_.Read("new.ini"),
            "[App1]\r\nkey1=string1\r\nkey2=string2\r\n[App2]\r\nkey3=string3\r\n");
}

TEST_P(FileServicesContract, WritingAKeyInOtherCaseReplacesItsValue) {
  Write("replace.ini", "s", "Key", "old");
  Write("replace.ini", "S", "KEY", "new");
  EXPECT_EQ(folder_.Read("replace.ini"), "[s]\r\nKey=new\r\n");
  EXPECT_EQ(Read("replace.ini", "s", "key"), "new");
}

TEST_P(FileServicesContract, WritingKeepsOtherKeysAndAddsAMissingLineBreak) {
  folder_.Write("unbroken.ini", "[a]\r\nx=1\r\n[b]\r\ny=2");
  Write("unbroken.ini", "b", "z", "3");
  Write("unbroken.ini", "a", "w", "0");
  EXPECT_EQ(Read("unbroken.ini", "a", "x"), "1");
  EXPECT_EQ(Read("unbroken.ini", "a", "w"), "0");
  EXPECT_EQ(Read("unbroken.ini", "b", "y"), "2");
  EXPECT_EQ(Read("unbroken.ini", "b", "z"), "3");
}

TEST_P(FileServicesContract, TextTravelsAsWindows1252Bytes) {
  Write("marks.ini", "s", "k", "\u2039\u00AC\u00B7\u203A\u2022");
  EXPECT_EQ(folder_.Read("marks.ini"), "[s]\r\nk=\x8B\xAC\xB7\x9B\x95\r\n");
  EXPECT_EQ(Read("marks.ini", "s", "k"), "\u2039\u00AC\u00B7\u203A\u2022");
}

TEST_P(FileServicesContract, AReadOnlyProfileIsNotWritten) {
  folder_.Write("locked.ini", "[s]\r\nk=old\r\n");
  ASSERT_TRUE(files().SetFileAttributesA(folder_.Path("locked.ini"), library::kAttributeReadOnly));
  // Windows cannot open a read-only file for writing. Wine maps read-only to the
  // missing write permission, which root (as these tests run) writes through anyway.
  ExpectKnownDifference(GetParam().isWine, "Wine run as root writes files without write permission",
                        [&] {
                          EXPECT_FALSE(Write("locked.ini", "s", "k", "new"));
                          EXPECT_EQ(Read("locked.ini", "s", "k"), "old");
                        });
}

// --- the directory search and attributes ---

TEST_P(FileServicesContract, SearchFindsOrdinaryAndReadOnlyFilesOnly) {
  folder_.Write("plain.txt", "x");
  folder_.Write("locked.txt", "x");
  folder_.Write("secret.txt", "x");
  folder_.MakeFolder("folder");
  files().SetFileAttributesA(folder_.Path("locked.txt"), library::kAttributeReadOnly);
  files().SetFileAttributesA(folder_.Path("secret.txt"), library::kAttributeHidden);

  EXPECT_EQ(files().FindFileName(folder_.Path("plain.txt")), "plain.txt");
  EXPECT_EQ(files().FindFileName(folder_.Path("locked.txt")), "locked.txt");
  EXPECT_EQ(files().FindFileName(folder_.Path("secret.txt")), "");
  EXPECT_EQ(files().FindFileName(folder_.Path("folder")), "");
  EXPECT_EQ(files().FindFileName(folder_.Path("absent.txt")), "");
  EXPECT_EQ(files().FindFileName(""), "");
}

TEST_P(FileServicesContract, SearchTakesWildcards) {
  folder_.Write("song.wav", "x");
  folder_.Write("notes.txt", "x");
  EXPECT_EQ(files().FindFileName(folder_.Path("*.wav")), "song.wav");
  EXPECT_EQ(files().FindFileName(folder_.Path("s?ng.*")), "song.wav");
  EXPECT_EQ(files().FindFileName(folder_.Path("*.mid")), "");
}

// The bits the library sets, out of all that a read answers.
int SetBits(int attributes) {
  return attributes & (library::kAttributeReadOnly | library::kAttributeHidden);
}

TEST_P(FileServicesContract, AttributesReadBackAsSet) {
  folder_.Write("file.txt", "x");
  const std::string path = folder_.Path("file.txt");
  EXPECT_EQ(SetBits(files().GetFileAttributesA(path)), library::kAttributesNormal);
  files().SetFileAttributesA(path, library::kAttributeReadOnly);
  EXPECT_EQ(SetBits(files().GetFileAttributesA(path)), library::kAttributeReadOnly);
  files().SetFileAttributesA(path, library::kAttributeHidden);
  EXPECT_EQ(SetBits(files().GetFileAttributesA(path)), library::kAttributeHidden);
  files().SetFileAttributesA(path, library::kAttributesNormal);
  EXPECT_EQ(SetBits(files().GetFileAttributesA(path)), library::kAttributesNormal);
  EXPECT_EQ(files().GetFileAttributesA(folder_.Path("absent.txt")), library::kAttributesNormal);
  EXPECT_FALSE(files().SetFileAttributesA(folder_.Path("absent.txt"), library::kAttributeHidden));
  folder_.Write("absent.txt", "x");
  EXPECT_EQ(SetBits(files().GetFileAttributesA(folder_.Path("absent.txt"))),
            library::kAttributesNormal)
      << "a file made after a failed set has none of its attributes";
  EXPECT_FALSE(files().SetFileAttributesA("", library::kAttributeHidden));
}

TEST_P(FileServicesContract, AReadAnswersEveryBitANewFileOrFolderHas) {
  folder_.Write("new.txt", "x");
  folder_.MakeFolder("sub");
  EXPECT_EQ(files().GetFileAttributesA(folder_.Path("new.txt")), library::kAttributeArchive);
  EXPECT_NE(files().GetFileAttributesA(folder_.Path("sub")) & library::kAttributeDirectory, 0);
}

TEST_P(FileServicesContract, SearchOfAFolderEndingInASeparatorListsItsFiles) {
  folder_.MakeFolder("full");
  folder_.Write("full/inside.txt", "x");
  folder_.MakeFolder("empty");
  for (const char* separator : kSeparators) {
    EXPECT_EQ(files().FindFileName(folder_.Path("full") + separator), "inside.txt") << separator;
    EXPECT_EQ(files().FindFileName(folder_.Path("empty") + separator), "") << separator;
  }
}

// --- whole files ---

TEST_P(FileServicesContract, ReadsExactBytesAndNothingFromWhatCannotBeOpened) {
  folder_.Write("bytes.txt", std::string("a\r\n\0\x95z", 6));
  folder_.MakeFolder("folder");
  EXPECT_EQ(files().ReadFileContents(folder_.Path("bytes.txt")), std::string("a\r\n\0\x95z", 6));
  EXPECT_EQ(files().ReadFileContents(folder_.Path("absent.txt")), std::nullopt);
  EXPECT_EQ(files().ReadFileContents(folder_.Path("folder")), std::nullopt);
}

TEST_P(FileServicesContract, AtomicWriteReplacesTheFileAndLeavesNoTemporary) {
  folder_.Write("list.txt", "old contents that are longer\r\n");
  EXPECT_TRUE(files().WriteFileAtomically(folder_.Path("list.txt"), "new\r\n"));
  EXPECT_TRUE(files().WriteFileAtomically(folder_.Path("fresh.txt"), ""));
  EXPECT_EQ(folder_.Read("list.txt"), "new\r\n");
  EXPECT_TRUE(folder_.Exists("fresh.txt"));
  EXPECT_FALSE(folder_.Exists(std::string("list.txt") + library::kSavingSuffix));
}

TEST_P(FileServicesContract, AtomicWriteThatCannotCompleteLeavesTheFileAsItWas) {
  folder_.Write("locked.txt", "kept");
  folder_.Write("blocked.txt", "kept");
  files().SetFileAttributesA(folder_.Path("locked.txt"), library::kAttributeReadOnly);
  // A folder where the temporary file would go: the new contents cannot be written.
  folder_.MakeFolder(std::string("blocked.txt") + library::kSavingSuffix);

  EXPECT_FALSE(files().WriteFileAtomically(folder_.Path("locked.txt"), "new"));
  EXPECT_FALSE(files().WriteFileAtomically(folder_.Path("blocked.txt"), "new"));
  EXPECT_FALSE(files().WriteFileAtomically(folder_.Path("no-such-folder/x.txt"), "new"));
  EXPECT_EQ(folder_.Read("locked.txt"), "kept");
  EXPECT_EQ(folder_.Read("blocked.txt"), "kept");
}

INSTANTIATE_TEST_SUITE_P(Implementations, FileServicesContract,
                         ::testing::ValuesIn(FileServicesToCheck()),
                         [](const auto& kind) { return kind.param.name; });

}  // namespace
}  // namespace velto::testing
