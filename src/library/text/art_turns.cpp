#include "library/text/internal/art_turns.h"

#include <algorithm>
#include <array>
#include <memory>
#include <utility>
#include <vector>

namespace velto::library {
namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::size_t kAsciiEnd = 0x80;

using Partners = std::pair<std::string_view, std::string_view>;

// A mirror exchanges each of these with its partner; both have forms of the same length.
constexpr Partners kMirrorPartners[] = {{"/", "\\"}, {"[", "]"}, {"{", "}"}, {"(", ")"},
                                        {"«", "»"},  {"‹", "›"}, {"<", ">"}};

// What a turn upside down makes of a character; the apostrophe has rules of its own.
constexpr Partners kFlipped[] = {{"/", "\\"}, {"\\", "/"}, {"_", "¯"},  {"¯", "_"}, {",", "'"},
                                 {"`", ","},  {"´", "."},  {".", "´"},  {"‘", "."}, {"’", ","},
                                 {"¸", "ˆ"},  {"ˆ", "¸"},  {"\"", "„"}, {"„", "\""}};
constexpr char kApostrophe = '\'';
constexpr std::string_view kComma = ",";

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

std::size_t CharacterLength(unsigned char lead) {
  if (lead < 0x80)
    return 1;
  if ((lead & 0xE0) == 0xC0)
    return 2;
  return (lead & 0xF0) == 0xE0 ? 3 : 4;
}

constexpr std::array<char, kAsciiEnd> AsciiMirror() {
  std::array<char, kAsciiEnd> mirror{};
  for (std::size_t c = 0; c < kAsciiEnd; ++c) mirror[c] = static_cast<char>(c);
  for (const auto& [one, other] : kMirrorPartners) {
    if (one.size() == 1) {
      mirror[static_cast<unsigned char>(one[0])] = other[0];
      mirror[static_cast<unsigned char>(other[0])] = one[0];
    }
  }
  return mirror;
}
constexpr std::array<char, kAsciiEnd> kAsciiMirror = AsciiMirror();

// The first bytes of the partners of more than one byte.
constexpr std::array<bool, 256> MirrorLeads() {
  std::array<bool, 256> leads{};
  for (const auto& [one, other] : kMirrorPartners) {
    leads[static_cast<unsigned char>(one[0])] = one.size() > 1;
    leads[static_cast<unsigned char>(other[0])] = other.size() > 1;
  }
  return leads;
}
constexpr std::array<bool, 256> kMirrorLeads = MirrorLeads();

std::string_view MirrorOf(std::string_view character) {
  if (!kMirrorLeads[static_cast<unsigned char>(character[0])])
    return character;
  for (const auto& [one, other] : kMirrorPartners) {
    if (character == one)
      return other;
    if (character == other)
      return one;
  }
  return character;
}

// Writes the line's characters from last to first, leaving out line feeds.
char* WriteMirrored(char* to, std::string_view line) {
  std::size_t end = line.size();
  while (end > 0) {
    std::size_t begin = end - 1;
    const auto byte = static_cast<unsigned char>(line[begin]);
    if (byte < kAsciiEnd) {
      if (byte != kLineFeed)
        *to++ = kAsciiMirror[byte];
      end = begin;
      continue;
    }
    while (IsContinuation(static_cast<unsigned char>(line[begin]))) --begin;
    const std::string_view mirrored = MirrorOf(line.substr(begin, end - begin));
    for (char c : mirrored) *to++ = c;
    end = begin;
  }
  return to;
}

// The bytes that may begin a character a flip changes, or drops (the line feed).
constexpr std::array<bool, 256> FlipStarts() {
  std::array<bool, 256> starts{};
  for (const auto& [from, to] : kFlipped) starts[static_cast<unsigned char>(from[0])] = true;
  starts[static_cast<unsigned char>(kApostrophe)] = true;
  starts[static_cast<unsigned char>(kLineFeed)] = true;
  return starts;
}
constexpr std::array<bool, 256> kFlipStarts = FlipStarts();

// What the ASCII characters become; nothing (a null view) for those that stay.
constexpr std::array<std::string_view, kAsciiEnd> AsciiFlips() {
  std::array<std::string_view, kAsciiEnd> flips{};
  for (const auto& [from, to] : kFlipped) {
    if (from.size() == 1)
      flips[static_cast<unsigned char>(from[0])] = to;
  }
  return flips;
}
constexpr std::array<std::string_view, kAsciiEnd> kAsciiFlips = AsciiFlips();

// The wide characters a flip changes, found by their last byte, which tells them apart:
// chat art is full of wide characters, and trying every one of them in turn cost more
// than all the rest of a flip.
constexpr std::array<const Partners*, 256> WideFlipsByLastByte() {
  std::array<const Partners*, 256> table{};
  for (const Partners& flip : kFlipped) {
    if (flip.first.size() > 1)
      table[static_cast<unsigned char>(flip.first.back())] = &flip;
  }
  return table;
}
constexpr std::array<const Partners*, 256> kWideFlipsByLastByte = WideFlipsByLastByte();

constexpr bool NoTwoWideFlipsEndAlike() {
  std::size_t wide = 0;
  std::size_t found = 0;
  for (const Partners& flip : kFlipped) wide += flip.first.size() > 1 ? 1 : 0;
  for (const Partners* flip : kWideFlipsByLastByte) found += flip != nullptr ? 1 : 0;
  return wide == found;
}
static_assert(NoTwoWideFlipsEndAlike(), "each wide flipped character needs a last byte of its own");

// What a character of more than one byte becomes; nothing (a null view) if it stays.
std::string_view WideFlipOf(std::string_view character) {
  const Partners* flip = kWideFlipsByLastByte[static_cast<unsigned char>(character.back())];
  if (flip == nullptr || flip->first.size() != character.size())
    return {};
  for (std::size_t i = 0; i < character.size(); ++i) {
    if (flip->first[i] != character[i])
      return {};
  }
  return flip->second;
}

// Turns the characters of lines in order. A run of apostrophes may go on over a line
// feed, which is dropped, but not over a line break.
class Flipper {
 public:
  // Each byte of a line, and each break, takes three bytes at most (a double quote
  // becomes „): `to` has room for that.
  static constexpr std::size_t kMostBytesPerByte = 3;
  explicit Flipper(char* to) : to_(to) {}

  void Line(std::string_view line) {
    std::size_t kept = 0;  // where the bytes not yet written, all unchanged, begin
    for (std::size_t i = 0; i < line.size();) {
      const auto byte = static_cast<unsigned char>(line[i]);
      const std::size_t length = CharacterLength(byte);
      std::string_view becomes;
      if (!kFlipStarts[byte] || !Turned(line.substr(i, length), becomes)) {
        apostrophes_ = 0;
        i += length;
        continue;
      }
      Write(line.substr(kept, i - kept));
      Write(becomes);
      i += length;
      kept = i;
    }
    Write(line.substr(kept));
  }

  void Break() {
    apostrophes_ = 0;
    Write(kLineBreak);
  }

  char* end() const { return to_; }

 private:
  // Through a local pointer: a store through a char pointer could change any member, so
  // writing through `to_` itself would reload it for every byte.
  void Write(std::string_view bytes) {
    char* to = to_;
    for (char c : bytes) *to++ = c;
    to_ = to;
  }

  // False when the character stays as it is.
  bool Turned(std::string_view character, std::string_view& becomes) {
    if (character[0] == kLineFeed) {
      becomes = {};
      return true;
    }
    if (character[0] == kApostrophe) {
      // Every apostrophe becomes a comma, and then each pair of commas one comma.
      becomes = ++apostrophes_ % 2 == 1 ? kComma : std::string_view();
      return true;
    }
    const auto byte = static_cast<unsigned char>(character[0]);
    becomes = byte < kAsciiEnd ? kAsciiFlips[byte] : WideFlipOf(character);
    if (becomes.data() == nullptr)
      return false;
    apostrophes_ = 0;
    return true;
  }

  char* to_;
  std::size_t apostrophes_ = 0;
};

// Where each line begins, and one past the end of the last.
std::vector<std::size_t> LineStarts(std::string_view art) {
  std::vector<std::size_t> starts{0};
  for (std::size_t at = art.find(kCarriageReturn); at != std::string_view::npos;
       at = art.find(kCarriageReturn, at + 1)) {
    starts.push_back(at + 1);
  }
  starts.push_back(art.size() + 1);
  return starts;
}

}  // namespace

std::string MirroredLines(std::string_view art) {
  const auto count = [art](char c) {
    return static_cast<std::size_t>(std::count(art.begin(), art.end(), c));
  };
  // Each carriage return becomes a full break, each line feed goes.
  std::string mirrored(art.size() + count(kCarriageReturn) - count(kLineFeed), '\0');
  char* to = mirrored.data();
  for (std::size_t begin = 0;;) {
    const std::size_t end = std::min(art.find(kCarriageReturn, begin), art.size());
    to = WriteMirrored(to, art.substr(begin, end - begin));
    if (end == art.size())
      break;
    to = std::copy(kLineBreak.begin(), kLineBreak.end(), to);
    begin = end + 1;
  }
  return mirrored;
}

std::string FlippedLines(std::string_view art) {
  const std::vector<std::size_t> starts = LineStarts(art);
  // Written through a pointer into room for the longest result, then copied once:
  // cheaper than growing a string a few bytes at a time.
  const std::unique_ptr<char[]> room(new char[Flipper::kMostBytesPerByte * art.size()]);
  Flipper flipper(room.get());
  for (std::size_t line = starts.size() - 1; line-- > 0;) {
    flipper.Line(art.substr(starts[line], starts[line + 1] - 1 - starts[line]));
    if (line > 0)
      flipper.Break();
  }
  return std::string(room.get(), flipper.end());
}

std::size_t LinesWithBreakAppendedCount(std::string_view art) {
  return static_cast<std::size_t>(std::count(art.begin(), art.end(), kCarriageReturn)) + 2;
}

}  // namespace velto::library
