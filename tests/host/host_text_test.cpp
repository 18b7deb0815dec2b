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

TEST(HostText, HostBytesWidenBackToTheSameCharacters) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(ToHostBytes(FromHostBytes(all)), all);
  EXPECT_EQ(FromHostBytes("\x80\xE9"), "\u20AC\u00E9");
}

}  // namespace
}  // namespace velto::host
