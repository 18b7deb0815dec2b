#include "library/files/internal/sequential_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace velto::library {
namespace {

std::vector<std::string> ReadEveryItem(const std::string& bytes) {
  SequentialInput input(bytes);
  std::vector<std::string> items;
  while (!input.AtEnd()) items.push_back(input.ReadItem());
  return items;
}

using Items = std::vector<std::string>;

TEST(SequentialInput, ItemsEndAtCommasAndAtEveryKindOfLineEnd) {
  EXPECT_EQ(ReadEveryItem("a,b\r\nc\nd\re"), (Items{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(ReadEveryItem("a,\r\n\r\nb\r\n"), (Items{"a", "", "", "b"}));
  EXPECT_EQ(ReadEveryItem(""), Items{});
}

TEST(SequentialInput, EnclosingQuotesAreRemovedAndProtectDelimiters) {
  EXPECT_EQ(ReadEveryItem("\"a, b\",c\r\n"), (Items{"a, b", "c"}));
  EXPECT_EQ(ReadEveryItem("\"two\r\nlines\"\r\nnext"), (Items{"two\r\nlines", "next"}));
  // After the closing quote, everything up to the delimiter is dropped.
  EXPECT_EQ(ReadEveryItem("\"kept\" dropped,x"), (Items{"kept", "x"}));
  EXPECT_EQ(ReadEveryItem("\"never closed, at all"), (Items{"never closed, at all"}));
  // A quote inside an item is an ordinary character.
  EXPECT_EQ(ReadEveryItem("say \"hi\"\r\n"), (Items{"say \"hi\""}));
}

TEST(SequentialInput, LeadingBlanksArePassedOverTrailingOnesKept) {
  EXPECT_EQ(ReadEveryItem("  \tpadded  , \"quoted\"\r\n"), (Items{"padded  ", "quoted"}));
}

TEST(SequentialInput, LengthAndReadAllSeeTheWholeFile) {
  SequentialInput input("one,two\r\nthree\r\n");
  EXPECT_EQ(input.Length(), 16u);
  EXPECT_EQ(input.ReadAll(), "one,two\r\nthree\r\n");
  EXPECT_TRUE(input.AtEnd());
}

TEST(SequentialOutput, EveryItemIsFollowedByALineBreakAndReadsBack) {
  SequentialOutput output;
  const Items items{"first", "", "with \"quotes\" inside", "\x95 bullet"};
  for (const std::string& item : items) output.WriteItem(item);
  EXPECT_EQ(output.Bytes(), "first\r\n\r\nwith \"quotes\" inside\r\n\x95 bullet\r\n");
  EXPECT_EQ(ReadEveryItem(output.Bytes()), items);
}

}  // namespace
}  // namespace velto::library
