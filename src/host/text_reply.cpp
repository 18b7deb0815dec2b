#include "host/internal/text_reply.h"

#include "host/host_text.h"
#include "host/utf8.h"

namespace velto::host {
namespace {

constexpr std::size_t kUtf16UnitBytes = 2;

bool IsUnwritten(std::string_view bytes) {
  for (char c : bytes) {
    if (c != kUnwrittenByte)
      return false;
  }
  return true;
}

std::string FromUtf16(std::string_view bytes, std::size_t units) {
  std::u32string codePoints;
  for (std::size_t i = 0; i < units; ++i) {
    const auto low = static_cast<unsigned char>(bytes[kUtf16UnitBytes * i]);
    const auto high = static_cast<unsigned char>(bytes[kUtf16UnitBytes * i + 1]);
    // Text of the host's 8-bit code page has no surrogate pairs.
    codePoints.push_back(static_cast<char32_t>(low | (high << 8)));
  }
  return EncodeUtf8(codePoints);
}

}  // namespace

std::string TextReplyUtf8(std::string_view buffer, std::intptr_t count) {
  const std::string_view untilNul = buffer.substr(0, buffer.find('\0'));
  if (count < 0 || static_cast<std::size_t>(count) >= buffer.size())
    return FromHostBytes(untilNul);
  const auto characters = static_cast<std::size_t>(count);
  const std::size_t wideEnd = kUtf16UnitBytes * (characters + 1);
  const bool wide = wideEnd <= buffer.size() &&
                    !IsUnwritten(buffer.substr(characters + 1, wideEnd - characters - 1));
  if (wide)
    return FromUtf16(buffer, characters);
  return FromHostBytes(buffer.substr(0, characters));
}

}  // namespace velto::host
