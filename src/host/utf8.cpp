#include "host/utf8.h"

#include <cstdint>
#include <cstring>

namespace velto::host {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Decodes the sequence at text[i]; returns its length in bytes (at least 1).
std::size_t DecodeOne(std::string_view text, std::size_t i, char32_t& out) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) {
    out = lead;
    return 1;
  }
  std::size_t length = 0;
  char32_t value = 0;
  char32_t smallest = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, smallest = 0x10000;
  } else {
    out = kReplacement;
    return 1;
  }
  if (i + length > text.size()) {
    out = kReplacement;
    return 1;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(text[i + k]);
    if (!IsContinuation(byte)) {
      out = kReplacement;
      return 1;
    }
    value = (value << 6) | (byte & 0x3F);
  }
  const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
  const bool valid = value >= smallest && value <= 0x10FFFF && !surrogate;
  out = valid ? value : kReplacement;
  return valid ? length : 1;
}

// The bytes from i on that are all ASCII, eight at a time where it can.
std::size_t AsciiRunFrom(std::string_view text, std::size_t i) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  for (std::uint64_t word = 0; i + sizeof word <= text.size(); i += sizeof word) {
    std::memcpy(&word, text.data() + i, sizeof word);
    if (word & kHighBits)
      break;
  }
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
  return i;
}

}  // namespace

bool IsWellFormedUtf8(std::string_view utf8) {
  for (std::size_t i = AsciiRunFrom(utf8, 0); i < utf8.size(); i = AsciiRunFrom(utf8, i)) {
    // Two bytes from C2 on: the letters and signs of Latin-1 and Windows-1252, most of
    // what is not ASCII in the host's texts.
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead >= 0xC2 && lead < 0xE0 && i + 1 < utf8.size() &&
        IsContinuation(static_cast<unsigned char>(utf8[i + 1]))) {
      i += 2;
      continue;
    }
    char32_t codePoint = 0;
    // A sequence of one byte past ASCII is always a stray byte read as U+FFFD.
    const std::size_t length = DecodeOne(utf8, i, codePoint);
    if (length == 1)
      return false;
    i += length;
  }
  return true;
}

std::u32string DecodeUtf8(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t codePoint = 0;
    i += DecodeOne(utf8, i, codePoint);
    out.push_back(codePoint);
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string EncodeUtf8(std::u32string_view codePoints) {
  std::string out;
  out.reserve(codePoints.size());
  for (char32_t c : codePoints) AppendUtf8(out, c);
  return out;
}

}  // namespace velto::host
