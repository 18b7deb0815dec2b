#include <gtest/gtest.h>

#include "host/host_text.h"

namespace velto::host {
namespace {

TEST(HostText, TheFiveMarksBecomeTheirWindows1252Bytes) {
  EXPECT_EQ(ToHostBytes("\u2039\u00AC\u00B7\u203A\u2022"), "\x8B\xAC\xB7\x9B\x95");
}

TEST(HostText, CharactersWithoutAWindows1252ByteBecomeQuestionMarks) {
  EXPECT_EQ(ToHostBytes("a\u4E2Db\U0001F600c"), "a?b?c");
  EXPECT_EQ(ToHostBytes("\xFF"), "?") << "a stray byte is not valid UTF-8";
  EXPECT_EQ(ToHostBytes("\xEF\xBF\xBD"), "?") << "a real U+FFFD is one character";
}

// The row of Windows-1252 that differs from Latin-1, written out; the five undefined
// bytes stand for the C1 controls of the same value, so they too come back.
TEST(HostText, TheHighRowMapsToItsCharactersBothWays) {
  const char* const row[32] = {"\u20AC", "\u0081", "\u201A", "\u0192", "\u201E", "\u2026", "\u2020",
                               "\u2021", "\u02C6", "\u2030", "\u0160", "\u2039", "\u0152", "\u008D",
                               "\u017D", "\u008F", "\u0090", "\u2018", "\u2019", "\u201C", "\u201D",
                               "\u2022", "\u2013", "\u2014", "\u02DC", "\u2122", "\u0161", "\u203A",
                               "\u0153", "\u009D", "\u017E", "\u0178"};
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(ToHostBytes(FromHostBytes(all)), all) << "every byte comes back";
  for (int i = 0; i < 32; ++i) {
    const std::string byte(1, static_cast<char>(0x80 + i));
    EXPECT_EQ(FromHostBytes(byte), row[i]) << "byte " << 0x80 + i;
    EXPECT_EQ(ToHostBytes(row[i]), byte) << "byte " << 0x80 + i;
  }
}

TEST(HostText, AsciiAndLatin1PassAsTheirOwnCodes) {
  EXPECT_EQ(FromHostBytes("\x01 ~\x7F"), "\x01 ~\x7F");
  EXPECT_EQ(FromHostBytes("\xA0\xE9\xFF"), "\u00A0\u00E9\u00FF");
  EXPECT_EQ(ToHostBytes("\u00A0\u00E9\u00FF"), "\xA0\xE9\xFF");
  EXPECT_EQ(ToHostBytes("\u0100"), "?") << "the first character past Latin-1";
  EXPECT_EQ(ToHostBytes("\u009F\u0080"), "??")
      << "C1 controls whose bytes Windows-1252 gives others";
}

}  // namespace
}  // namespace velto::host
