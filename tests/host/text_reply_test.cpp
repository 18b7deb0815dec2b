#include "host/internal/text_reply.h"

#include <gtest/gtest.h>

namespace velto::host {
namespace {

using namespace std::string_literals;

// A buffer of `size` bytes as the platform hands it out, with `written` at its start.
std::string Replied(const std::string& written, std::size_t size = 64) {
  std::string buffer(size, kUnwrittenByte);
  buffer.replace(0, written.size(), written);
  return buffer;
}

TEST(TextReply, AnEightBitReplyIsItsCountsBytesNulsAndAll) {
  EXPECT_EQ(TextReplyUtf8(Replied("Jos\xE9\0"s), 4), "Jos\u00e9");
  // The host's mail entries may hold NULs; the count says where the entry ends.
  EXPECT_EQ(TextReplyUtf8(Replied("Sub\0ject\0"s), 8), "Sub\0ject"s);
  EXPECT_EQ(TextReplyUtf8(Replied("\0"s), 0), "");
}

TEST(TextReply, AWideReplyFromWineIsReadAsUtf16) {
  EXPECT_EQ(TextReplyUtf8(Replied("J\0o\0s\0\xE9\0\0\0"s), 4), "Jos\u00e9");
  EXPECT_EQ(TextReplyUtf8(Replied("\x14\x20\0\0"s), 1), "\u2014") << "beyond Latin-1";
  EXPECT_EQ(TextReplyUtf8(Replied("\0\0"s), 0), "");
  EXPECT_EQ(TextReplyUtf8(Replied("a\0b\0c\0\0\0"s, 8), 3), "abc") << "filling the buffer";
}

TEST(TextReply, ACountThatDoesNotFitReadsUpToTheFirstNul) {
  EXPECT_EQ(TextReplyUtf8(Replied("abc\0"s, 8), 8), "abc");
  EXPECT_EQ(TextReplyUtf8(Replied("abc\0"s, 8), -1), "abc");
  EXPECT_EQ(TextReplyUtf8(Replied("abcd\0"s, 6), 4), "abcd") << "no room for a wide reply";
  EXPECT_EQ(TextReplyUtf8(Replied("abcdefg\0"s, 8), 7), "abcdefg") << "the longest that fits";
}

}  // namespace
}  // namespace velto::host
