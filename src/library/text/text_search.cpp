#include "library/text/internal/text_search.h"

#include <cstdint>
#include <cstring>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "host/utf8.h"
#include "library/text/internal/case_fold.h"

namespace velto::library {
namespace {

// The search tests this many bytes at once. The vector type is the compilers' portable
// form: SSE2 on x86 where it is there, plain words elsewhere.
constexpr std::size_t kBlockSize = 16;
using Block = unsigned char __attribute__((vector_size(kBlockSize)));

// Blocks go by reference: without SSE (32-bit x86) a block by value would take another
// calling convention than with it.
void Load(Block& block, const char* at) {
  std::memcpy(&block, at, kBlockSize);
}

void Fill(Block& block, unsigned char byte) {
  for (std::size_t i = 0; i < kBlockSize; ++i) block[i] = byte;
}

// Bit k set where byte k of the comparison's result is set (all its bits are).
template <typename Comparison>
unsigned BitPerByte(const Comparison& hits) {
#if defined(__SSE2__)
  return static_cast<unsigned>(_mm_movemask_epi8(reinterpret_cast<__m128i>(hits)));
#else
  unsigned bits = 0;
  for (std::size_t k = 0; k < kBlockSize; ++k) bits |= hits[k] ? 1u << k : 0u;
  return bits;
#endif
}

std::size_t CharacterLength(char lead) {
  const auto byte = static_cast<unsigned char>(lead);
  if (byte < 0x80)
    return 1;
  if ((byte & 0xE0) == 0xC0)
    return 2;
  return (byte & 0xF0) == 0xE0 ? 3 : 4;
}

}  // namespace

std::string_view WellFormed(std::string_view text, std::string& storage) {
  if (host::IsWellFormedUtf8(text))
    return text;
  storage = host::EncodeUtf8(host::DecodeUtf8(text));
  return storage;
}

Pattern::Pattern(std::string_view wellFormed, Case letterCase)
    : folded_(letterCase == Case::kIgnored ? FoldCaseUtf8(wellFormed) : std::string(wellFormed)),
      raised_(letterCase == Case::kIgnored ? RaiseCaseUtf8(folded_) : folded_) {
  if (raised_.size() != folded_.size())
    raised_ = folded_;  // cannot happen: a letter and its partner are as long
  oneForm_ = raised_ == folded_;
  if (folded_.empty())
    return;
  const auto first = static_cast<unsigned char>(folded_.front());
  const auto last = static_cast<unsigned char>(folded_.back());
  firstLoose_ = static_cast<unsigned char>(first ^ static_cast<unsigned char>(raised_.front()));
  lastLoose_ = static_cast<unsigned char>(last ^ static_cast<unsigned char>(raised_.back()));
  firstWant_ = first | firstLoose_;
  lastWant_ = last | lastLoose_;
}

// Character by character, each in one of its two forms: byte by byte would let the two
// forms of ÿ (C3 BF, and Ÿ: C5 B8) mix into ø (C3 B8).
bool Pattern::MatchesAt(const char* at) const {
  if (oneForm_)
    return std::memcmp(at, folded_.data(), folded_.size()) == 0;
  for (std::size_t i = 0; i < folded_.size();) {
    const std::size_t length = CharacterLength(folded_[i]);
    if (length == 1) {
      if (at[i] != folded_[i] && at[i] != raised_[i])
        return false;
    } else if (std::memcmp(at + i, folded_.data() + i, length) != 0 &&
               std::memcmp(at + i, raised_.data() + i, length) != 0) {
      return false;
    }
    i += length;
  }
  return true;
}

// Tests the pattern's first and last byte at 16 positions at once and offers each
// position where both fit, left to right, to visit(position), which returns true to stop
// there. Returns where it stopped, or kNotFound.
template <typename Visit>
std::size_t Pattern::ForEachCandidate(std::string_view text, std::size_t from,
                                      const Visit& visit) const {
  const char* bytes = text.data();
  const std::size_t last = folded_.size() - 1;
  Block firstWant, firstLoose, lastWant, lastLoose, here, there;
  Fill(firstWant, firstWant_);
  Fill(firstLoose, firstLoose_);
  Fill(lastWant, lastWant_);
  Fill(lastLoose, lastLoose_);
  std::size_t i = from;
  for (; i + last + kBlockSize <= text.size(); i += kBlockSize) {
    Load(here, bytes + i);
    Load(there, bytes + i + last);
    const auto hits = ((here | firstLoose) == firstWant) & ((there | lastLoose) == lastWant);
    for (unsigned bits = BitPerByte(hits); bits; bits &= bits - 1) {
      const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(bits));
      if (visit(at))
        return at;
    }
  }
  for (; i + folded_.size() <= text.size(); ++i) {
    if (visit(i))
      return i;
  }
  return kNotFound;
}

std::size_t Pattern::Find(std::string_view text, std::size_t from) const {
  if (folded_.empty() || from > text.size() || text.size() - from < folded_.size())
    return kNotFound;
  return ForEachCandidate(text, from, [&](std::size_t at) { return MatchesAt(text.data() + at); });
}

// Goes on through each block's candidates after a match instead of starting again: many
// times cheaper than a Find after each where matches are a few bytes apart.
template <typename OnMatch>
void Pattern::ForEachOccurrence(std::string_view text, std::size_t from,
                                const OnMatch& onMatch) const {
  if (folded_.empty() || from > text.size() || text.size() - from < folded_.size())
    return;
  std::size_t resume = from;  // no occurrence may begin before this
  ForEachCandidate(text, from, [&](std::size_t at) {
    if (at >= resume && MatchesAt(text.data() + at)) {
      onMatch(at);
      resume = at + folded_.size();
    }
    return false;
  });
}

namespace {

// Most pieces between and in replacements are a few bytes, shorter than a call costs.
char* CopyBytes(char* to, const char* from, std::size_t count) {
  constexpr std::size_t kShort = 16;
  if (count > kShort) {
    std::memcpy(to, from, count);
    return to + count;
  }
  for (std::size_t i = 0; i < count; ++i) to[i] = from[i];
  return to + count;
}

// The result of a series of replacements, built in `rebuilt` in one allocation at most
// (none when its capacity suffices): `scan` calls its argument with (position, length
// found, replacement) for each, in order. Where the result may be longer than the text,
// a first scan sizes it: growing a long string costs more than searching twice, as every
// new page of memory is a fault to the system.
template <typename Scan>
void Rebuild(std::string_view text, bool mayGrow, const Scan& scan, std::string& rebuilt) {
  std::size_t size = text.size();
  if (mayGrow) {
    scan([&size](std::size_t, std::size_t length, std::string_view replacement) {
      size = size - length + replacement.size();
    });
  }
  // Written through a pointer: `size` is the exact size, or more when nothing grows.
  rebuilt.resize(size);
  char* to = rebuilt.data();
  std::size_t copied = 0;
  scan([&](std::size_t at, std::size_t length, std::string_view replacement) {
    to = CopyBytes(to, text.data() + copied, at - copied);
    to = CopyBytes(to, replacement.data(), replacement.size());
    copied = at + length;
  });
  std::memcpy(to, text.data() + copied, text.size() - copied);
  to += text.size() - copied;
  rebuilt.resize(static_cast<std::size_t>(to - rebuilt.data()));
}

}  // namespace

bool ReplacedIgnoringCase(std::string_view text, std::string_view find,
                          std::string_view replacement, std::string& out) {
  const Pattern pattern(find, Pattern::Case::kIgnored);
  const std::size_t first = pattern.Find(text, 0);
  if (first == Pattern::kNotFound)
    return false;
  const auto scan = [&](const auto& replace) {
    pattern.ForEachOccurrence(text, first,
                              [&](std::size_t at) { replace(at, pattern.size(), replacement); });
  };
  Rebuild(text, replacement.size() > find.size(), scan, out);
  return true;
}

namespace {

// Whether text[at...] begins with the few bytes of `part`, compared in place.
bool Begins(std::string_view text, std::size_t at, std::string_view part) {
  if (text.size() - at < part.size())
    return false;
  for (std::size_t i = 0; i < part.size(); ++i) {
    if (text[at + i] != part[i])
      return false;
  }
  return true;
}

// Which replacement, if any, each character begins, by its first byte.
class CharacterTable {
 public:
  explicit CharacterTable(const std::vector<CharacterReplacement>& each) : each_(each) {
    for (std::size_t i = 0; i < each_.size() && i < kSeveral - 1; ++i) {
      const auto lead = static_cast<unsigned char>(each_[i].find[0]);
      byFirstByte_[lead] = each_[i].find.size() == 1 ? static_cast<std::uint8_t>(i + 1) : kSeveral;
    }
  }
  bool MayBegin(char byte) const { return byFirstByte_[static_cast<unsigned char>(byte)] != 0; }
  // The replacement of the character at text[at], or nullptr.
  const CharacterReplacement* At(std::string_view text, std::size_t at) const {
    const std::uint8_t entry = byFirstByte_[static_cast<unsigned char>(text[at])];
    if (entry == 0)
      return nullptr;
    if (entry != kSeveral)
      return &each_[entry - 1u];
    for (const CharacterReplacement& r : each_) {
      if (Begins(text, at, r.find))
        return &r;
    }
    return nullptr;
  }

 private:
  static constexpr std::size_t kByteValues = 256;
  // The entry of a byte that begins finds of several bytes: they are compared in turn.
  static constexpr std::uint8_t kSeveral = 255;
  const std::vector<CharacterReplacement>& each_;
  std::uint8_t byFirstByte_[kByteValues] = {};
};

}  // namespace

// Sizing the result would take a second pass over every byte: it is written instead into
// room for the longest result it can be, then copied once.
bool ReplacedCharacters(std::string_view text, const std::vector<CharacterReplacement>& each,
                        std::string& out) {
  const CharacterTable table(each);
  std::size_t mostBytesPerByte = 1;
  for (const CharacterReplacement& r : each) {
    const std::size_t perByte = (r.replacement.size() + r.find.size() - 1) / r.find.size();
    mostBytesPerByte = perByte > mostBytesPerByte ? perByte : mostBytesPerByte;
  }
  std::size_t at = 0;
  while (at < text.size() && !table.At(text, at)) ++at;
  if (at == text.size())
    return false;
  const std::unique_ptr<char[]> room(new char[mostBytesPerByte * text.size()]);
  char* to = CopyBytes(room.get(), text.data(), at);
  while (at < text.size()) {
    const CharacterReplacement* r = table.MayBegin(text[at]) ? table.At(text, at) : nullptr;
    if (r) {
      to = CopyBytes(to, r->replacement.data(), r->replacement.size());
      at += r->find.size();
    } else {
      *to++ = text[at++];  // a continuation byte never begins a find
    }
  }
  out.assign(room.get(), to);
  return true;
}

std::string ReplaceIgnoringCase(std::string_view text, std::string_view find,
                                std::string_view replacement) {
  std::string replaced;
  if (!ReplacedIgnoringCase(text, find, replacement, replaced))
    return std::string(text);
  return replaced;
}

std::string SwapStrings(std::string_view text, std::string_view first, std::string_view second) {
  const Pattern one(first, Pattern::Case::kCounts);
  const Pattern other(second, Pattern::Case::kCounts);
  const auto scan = [&](const auto& replace) {
    std::size_t nextOne = one.Find(text, 0);
    std::size_t nextOther = other.Find(text, 0);
    while (nextOne != Pattern::kNotFound || nextOther != Pattern::kNotFound) {
      const bool oneFirst = nextOne <= nextOther;  // kNotFound is the largest position
      const std::size_t at = oneFirst ? nextOne : nextOther;
      const std::size_t resume = at + (oneFirst ? one.size() : other.size());
      replace(at, resume - at, oneFirst ? second : first);
      // An occurrence found earlier still stands unless the replacement covered it.
      if (nextOne < resume)
        nextOne = one.Find(text, resume);
      if (nextOther < resume)
        nextOther = other.Find(text, resume);
    }
  };
  std::string swapped;
  Rebuild(text, first.size() != second.size(), scan, swapped);
  return swapped;
}

}  // namespace velto::library
