#include "host/host_text.h"

#include <array>

#include "host/utf8.h"

namespace velto::host {
namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes Windows-1252 leaves undefined map to
// the C1 control of the same value, which is how Windows round-trips them.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t ByteToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F)
    return kHighControls[byte - 0x80];
  return byte;  // The rest of Windows-1252 is Latin-1.
}

char CodePointToByte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
    return static_cast<char>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c)
      return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

std::string ToHostBytes(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char32_t c : DecodeUtf8(utf8)) out.push_back(CodePointToByte(c));
  return out;
}

std::string FromHostBytes(std::string_view hostBytes) {
  std::string out;
  out.reserve(hostBytes.size());
  for (char byte : hostBytes) AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(byte)));
  return out;
}

}  // namespace velto::host
