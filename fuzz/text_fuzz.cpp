// Fuzzes the text tools and text art: none may crash on any text, and these must hold:
//  - ReplaceText, SwapText, MirrorArt and FlipArt give what the straightforward
//    rebuild-and-search-again versions give (naive_text_tools.h), on any bytes;
//  - ReplaceText of a string by itself changes at most the letter case of what it finds;
//  - UnindentLines gives back what IndentLines was given;
//  - MirrorArt twice gives back the drawing.
// The last two hold only for texts whose lines are joined by carriage return and line
// feed: both routines rewrite every break that way and drop a lone line feed, so a text
// with a lone carriage return or line feed comes back changed. Those checks therefore run
// on a lined copy of the input, with carriage returns removed and every line feed made a
// full break. MirrorArt is its own inverse on such texts because reversing a line twice
// gives it back and every pair it exchanges is two single characters of its own (/ and \,
// [ and ], ...): each exchange undoes itself and does not touch the others, so their order
// does not matter.
//
// Input (FuzzedDataProvider): the find and replacement strings, each ended by a backslash
// and one more byte, then the text; a line or character position comes from the last byte.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>

#include "host/substitute_desktop.h"
#include "host/utf8.h"
#include "library/text/internal/case_fold.h"
#include "library/text/text_art.h"
#include "library/text/text_tools.h"
#include "naive_text_tools.h"

namespace {

using namespace velto;

// The straightforward versions take time with the square of the length.
constexpr std::size_t kLongestTextForNaive = 4096;
// Positions and line numbers from below the first to past the end of most inputs.
constexpr int kLowestPosition = -2;
constexpr int kHighestPosition = 64;

void Require(bool holds, const char* property, const std::string& text) {
  if (holds)
    return;
  std::cerr << "violated: " << property << "\ntext: " << text << "\n";
  std::abort();
}

// The program's own text is always well-formed UTF-8: stray bytes are read as U+FFFD.
std::string WellFormed(const std::string& bytes) {
  return host::EncodeUtf8(host::DecodeUtf8(bytes));
}

std::string Lined(const std::string& text) {
  std::string lined;
  for (char c : text) {
    if (c == '\n')
      lined += "\r\n";
    if (c != '\r' && c != '\n')
      lined += c;
  }
  return lined;
}

std::u32string Folded(const std::string& text) {
  return library::FoldCase(host::DecodeUtf8(text));
}

void RunEveryRoutine(const std::string& text, const std::string& find, int position) {
  std::string copy = text;
  library::SwapText(copy, find, text);
  library::ReverseText(text);
  library::CharAt(text, position);
  library::DoubleLetters(text);
  library::GetLine(text, position);
  library::RemoveSpaces(copy);
  library::DoubleLettersLines(text);
  using Restyle = std::string (*)(std::string&);
  for (Restyle restyle :
       {library::ArtStyle01, library::ArtStyle02, library::ArtStyle03, library::ArtStyle04,
        library::ArtStyle05, library::ArtStyle06, library::ArtStyle07, library::ArtStyle08,
        library::ArtStyle09, library::ArtStyle10, library::ArtStyle11, library::ArtStyle12,
        library::ArtStyle13, library::ArtStyle14, library::ArtStyle15, library::ArtStyle16,
        library::ArtStyle17, library::ArtStyle18, library::ArtStyle19, library::ArtStyle20,
        library::ArtStyle21, library::ArtStyle22, library::ArtStyle23, library::ArtStyle24,
        library::ArtStyle25, library::ArtStyle26, library::ArtStyle27, library::ArtStyle28}) {
    copy = text;
    restyle(copy);
  }
  host::SubstituteDesktop desktop;
  copy = text;
  library::FlipArt(desktop, copy);
}

void CheckAgainstNaive(const std::string& text, const std::string& find,
                       const std::string& replacement) {
  if (text.size() > kLongestTextForNaive)
    return;
  std::string fast = text, naive = text;
  Require(
      library::ReplaceText(fast, find, replacement) == naive::ReplaceText(naive, find, replacement),
      "ReplaceText as rebuilt and searched again", text);
  Require(fast == naive, "ReplaceText leaves its result in the text", text);
  fast = naive = text;
  Require(library::SwapText(fast, find, replacement) == naive::SwapText(naive, find, replacement),
          "SwapText as rebuilt and searched again", text);
  Require(library::MirrorArt(text) == naive::MirrorArt(text), "MirrorArt line by line", text);
  host::SubstituteDesktop desktop;
  fast = text;
  Require(library::FlipArt(desktop, fast) == naive::FlipArt(text), "FlipArt line by line", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string find = WellFormed(input.ConsumeRandomLengthString());
  const std::string replacement = WellFormed(input.ConsumeRandomLengthString());
  const int position = input.ConsumeIntegralInRange(kLowestPosition, kHighestPosition);
  const std::string raw = input.ConsumeRemainingBytesAsString();
  const std::string text = WellFormed(raw);

  RunEveryRoutine(raw, find, position);
  CheckAgainstNaive(text, find, replacement);
  // Stray bytes are read as U+FFFD by both versions, in the text and in the strings.
  CheckAgainstNaive(raw, raw.substr(0, find.size()), replacement);

  std::string same = text;
  library::ReplaceText(same, find, find);
  Require(Folded(same) == Folded(text), "ReplaceText of find by itself keeps the text", text);

  const std::string lined = Lined(text);
  std::string indented = lined;
  library::IndentLines(indented);
  Require(library::UnindentLines(indented) == lined, "UnindentLines undoes IndentLines", lined);
  Require(library::MirrorArt(library::MirrorArt(lined)) == lined, "MirrorArt twice", lined);
  return 0;
}
