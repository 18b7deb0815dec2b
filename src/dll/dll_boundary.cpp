#include "dll/dll_boundary.h"

#include <algorithm>

#include "host/utf8.h"

namespace velto::dll {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kHighSurrogateFirst = 0xD800;
constexpr char32_t kLowSurrogateFirst = 0xDC00;
constexpr char32_t kSurrogateEnd = 0xE000;
constexpr char32_t kFirstBeyondBasicPlane = 0x10000;
constexpr int kSurrogateBits = 10;
constexpr char32_t kSurrogatePayload = 0x3FF;

bool IsHigh(char32_t unit) {
  return unit >= kHighSurrogateFirst && unit < kLowSurrogateFirst;
}
bool IsLow(char32_t unit) {
  return unit >= kLowSurrogateFirst && unit < kSurrogateEnd;
}

std::u16string ToUtf16(std::string_view utf8) {
  std::u16string wide;
  for (char32_t c : host::DecodeUtf8(utf8)) {
    if (c < kFirstBeyondBasicPlane) {
      wide += static_cast<char16_t>(c);
      continue;
    }
    c -= kFirstBeyondBasicPlane;
    wide += static_cast<char16_t>(kHighSurrogateFirst + (c >> kSurrogateBits));
    wide += static_cast<char16_t>(kLowSurrogateFirst + (c & kSurrogatePayload));
  }
  return wide;
}

// The length of the text up to its NUL, which must lie within size units.
int TerminatedLength(const VELTO_CHAR* buffer, int size) {
  const VELTO_CHAR* end = std::find(buffer, buffer + size, VELTO_CHAR{0});
  if (end == buffer + size)
    throw BadArgument{};
  return static_cast<int>(end - buffer);
}

std::string FromUtf16(const VELTO_CHAR* text, std::size_t length) {
  std::u32string codePoints;
  for (std::size_t i = 0; i < length; ++i) {
    const char32_t unit = static_cast<char16_t>(text[i]);
    if (IsHigh(unit) && i + 1 < length && IsLow(static_cast<char16_t>(text[i + 1]))) {
      const char32_t low = static_cast<char16_t>(text[++i]);
      codePoints += kFirstBeyondBasicPlane + ((unit - kHighSurrogateFirst) << kSurrogateBits) +
                    (low - kLowSurrogateFirst);
    } else {
      codePoints += IsHigh(unit) || IsLow(unit) ? kReplacement : unit;
    }
  }
  return host::EncodeUtf8(codePoints);
}

}  // namespace

std::string Text(const VELTO_CHAR* text) {
  if (!text)
    throw BadArgument{};
  std::size_t length = 0;
  while (text[length] != 0) ++length;
  return FromUtf16(text, length);
}

Output::Output(VELTO_CHAR* buffer, int size) : buffer_(buffer), size_(size) {
  if (size < 0 || (!buffer && size > 0))
    throw BadArgument{};
}

int Output::Put(std::string_view utf8) const {
  const std::u16string wide = ToUtf16(utf8);
  if (Fits(wide.size()))
    Write(wide);
  else
    Clear();
  return static_cast<int>(wide.size());
}

void Output::Write(const std::u16string& text) const {
  std::copy(text.begin(), text.end(), buffer_);
  buffer_[text.size()] = 0;
}

void Output::Clear() const {
  if (size_ > 0)
    buffer_[0] = 0;
}

InOut::InOut(VELTO_CHAR* buffer, int size) : buffer_(buffer, size) {
  if (!buffer)
    throw BadArgument{};
  text = FromUtf16(buffer, static_cast<std::size_t>(TerminatedLength(buffer, size)));
}

int InOut::Put() const {
  const std::u16string wide = ToUtf16(text);
  if (buffer_.Fits(wide.size()))
    buffer_.Write(wide);
  return static_cast<int>(wide.size());
}

int PutBoth(const InOut& edited, const Output& output, std::string_view result) {
  const std::u16string text = ToUtf16(edited.text);
  const std::u16string wide = ToUtf16(result);
  if (edited.buffer_.Fits(text.size()) && output.Fits(wide.size())) {
    edited.buffer_.Write(text);
    output.Write(wide);
  } else {
    output.Clear();
  }
  return static_cast<int>(std::max(text.size(), wide.size()));
}

}  // namespace velto::dll
