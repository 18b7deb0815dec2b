// The C interface's conventions, called through velto.h as a C caller does: the buffer
// protocol, in/out texts, UTF-16 beyond Windows-1252, and the bad-argument results.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "velto.h"

namespace {

const VELTO_CHAR* W(const char16_t* text) {
  return reinterpret_cast<const VELTO_CHAR*>(text);
}
std::u16string Read(const VELTO_CHAR* text) {
  return reinterpret_cast<const char16_t*>(text);
}

constexpr VELTO_CHAR kUntouched = u'#';
constexpr int kRoom = 16;

struct Buffer {
  Buffer() { std::fill(std::begin(units), std::end(units), kUntouched); }
  explicit Buffer(const char16_t* text) : Buffer() {
    std::copy(text, text + std::char_traits<char16_t>::length(text) + 1, units);
  }
  VELTO_CHAR units[kRoom];
};

TEST(DllBuffers, AskAllocateAskAgain) {
  EXPECT_EQ(velto_ReverseText(W(u"abc"), nullptr, 0), 3);
  Buffer tooSmall;
  EXPECT_EQ(velto_ReverseText(W(u"abc"), tooSmall.units, 3), 3);
  EXPECT_EQ(tooSmall.units[0], 0) << "a result that does not fit is not cut: the buffer is empty";
  EXPECT_EQ(tooSmall.units[1], kUntouched);
  Buffer exact;
  EXPECT_EQ(velto_ReverseText(W(u"abc"), exact.units, 4), 3);
  EXPECT_EQ(Read(exact.units), u"cba");
  EXPECT_EQ(exact.units[4], kUntouched);
  Buffer empty;
  EXPECT_EQ(velto_ReverseText(W(u""), empty.units, 1), 0);
  EXPECT_EQ(empty.units[0], 0);
}

TEST(DllBuffers, InOutTextIsReadToItsNulAndWrittenBack) {
  Buffer text(u"a b c");
  text.units[6] = u'X';  // after the NUL: not part of the text
  Buffer result;
  EXPECT_EQ(velto_RemoveSpaces(text.units, kRoom, result.units, kRoom), 3);
  EXPECT_EQ(Read(text.units), u"abc");
  EXPECT_EQ(Read(result.units), u"abc");
}

TEST(DllBuffers, InOutTextStaysWhenEitherBufferIsTooSmall) {
  Buffer text(u"abc");
  Buffer result;
  // ReplaceText grows the text to 5: it fits neither the result (5) nor is it written back.
  EXPECT_EQ(velto_ReplaceText(text.units, kRoom, W(u"b"), W(u"XYZ"), result.units, 5), 5);
  EXPECT_EQ(Read(text.units), u"abc");
  EXPECT_EQ(result.units[0], 0);
  Buffer shortText(u"abc");
  EXPECT_EQ(velto_ReplaceText(shortText.units, 4, W(u"b"), W(u"XYZ"), result.units, kRoom), 5);
  EXPECT_EQ(Read(shortText.units), u"abc");
  EXPECT_EQ(result.units[0], 0);
}

TEST(DllText, HostMarksAndTextBeyondWindows1252CrossWhole) {
  Buffer text(u"\u2039x\u203A");
  Buffer result;
  EXPECT_EQ(
      velto_ReplaceText(text.units, kRoom, W(u"x"), W(u"\u00AC\u00B7\u2022"), result.units, kRoom),
      5);
  EXPECT_EQ(Read(result.units), u"\u2039\u00AC\u00B7\u2022\u203A");
  // A character beyond the basic plane is one character to the library, two units here.
  EXPECT_EQ(velto_CharAt(W(u"a\U0001F600\u65E5"), 2, result.units, kRoom), 2);
  EXPECT_EQ(Read(result.units), u"\U0001F600");
  EXPECT_EQ(velto_ReverseText(W(u"a\U0001F600\u65E5"), result.units, kRoom), 4);
  EXPECT_EQ(Read(result.units), u"\u65E5\U0001F600a");
  const char16_t unpaired[] = {u'a', 0xD800, u'b', 0};
  EXPECT_EQ(velto_ReverseText(W(unpaired), result.units, kRoom), 3);
  EXPECT_EQ(Read(result.units), u"b\uFFFDa");
}

TEST(DllArguments, BadOnesGiveTheirResultAndWriteNothing) {
  Buffer result;
  EXPECT_EQ(velto_ReverseText(nullptr, result.units, kRoom), VELTO_BAD_ARGUMENT);
  EXPECT_EQ(velto_ReverseText(W(u"abc"), result.units, -1), VELTO_BAD_ARGUMENT);
  EXPECT_EQ(velto_ReverseText(W(u"abc"), nullptr, kRoom), VELTO_BAD_ARGUMENT);
  EXPECT_EQ(velto_CountLines(nullptr), VELTO_BAD_ARGUMENT);
  EXPECT_EQ(result.units[0], kUntouched);
  Buffer noNul(u"abcd");
  EXPECT_EQ(velto_RemoveSpaces(noNul.units, 4, result.units, kRoom), VELTO_BAD_ARGUMENT);
  EXPECT_EQ(velto_RemoveSpaces(nullptr, kRoom, result.units, kRoom), VELTO_BAD_ARGUMENT);
  EXPECT_EQ(result.units[0], kUntouched);
}

TEST(DllOutcomes, EachThreadReadsTheOutcomeOfItsOwnLastCall) {
  Buffer result;
  EXPECT_EQ(velto_ReverseText(nullptr, result.units, kRoom), VELTO_BAD_ARGUMENT);
  EXPECT_EQ(velto_LastOutcome(), VELTO_OUTCOME_BAD_ARGUMENT);
  int otherThreads = -1;
  std::thread([&] {
    Buffer mine;
    velto_ReverseText(W(u"ab"), mine.units, kRoom);
    otherThreads = velto_LastOutcome();
  }).join();
  EXPECT_EQ(otherThreads, VELTO_OUTCOME_DONE);
  EXPECT_EQ(velto_LastOutcome(), VELTO_OUTCOME_BAD_ARGUMENT) << "untouched by the other thread";
  velto_CountLines(W(u"a"));
  EXPECT_EQ(velto_LastOutcome(), VELTO_OUTCOME_DONE) << "each call's own";
}

TEST(DllOutcomes, EveryCodeHasItsNameAndOthersNone) {
  const char16_t* const names[] = {u"done",      u"nothing to act on", u"the host did not answer",
                                   u"timed out", u"quit requested",    u"bad argument",
                                   u"failed"};
  for (int code = VELTO_OUTCOME_DONE; code <= VELTO_OUTCOME_FAILED; ++code)
    EXPECT_EQ(Read(velto_OutcomeName(code)), names[code]) << code;
  EXPECT_EQ(velto_OutcomeName(-1), nullptr);
  EXPECT_EQ(velto_OutcomeName(VELTO_OUTCOME_FAILED + 1), nullptr);
}

TEST(DllText, ArtWritesTheSameTextBackAsItReturns) {
  Buffer text(u"\u00AF\u00AF/\\__");
  Buffer result;
  const int length = velto_ArtStyle01(text.units, kRoom, result.units, kRoom);
  ASSERT_GT(length, 0);
  EXPECT_EQ(Read(text.units), Read(result.units));
}

}  // namespace
