#include "library/files/internal/profile_text.h"

#include <optional>
#include <vector>

namespace velto::library::profile {
namespace {

constexpr char kLineBreak[] = "\r\n";
constexpr unsigned char kDosEndOfFile = 0x1A;  // ^Z, found at the end of old files

bool IsProfileBlank(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= '\t' && byte <= '\r') || byte == ' ' || byte == kDosEndOfFile;
}

bool IsLineBreak(char c) {
  return c == '\r' || c == '\n';
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsProfileBlank(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && IsProfileBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view Trim(std::string_view s) {
  return TrimRight(TrimLeft(s));
}

// Small letter of a Windows-1252 capital: ASCII, À-Þ but ×, and Š Œ Ž Ÿ.
unsigned char FoldByte(unsigned char b) {
  constexpr unsigned char kCaseDistance = 'a' - 'A';
  constexpr unsigned char kMultiplicationSign = 0xD7;
  if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != kMultiplicationSign))
    return static_cast<unsigned char>(b + kCaseDistance);
  switch (b) {
    case 0x8A:  // Š
      return 0x9A;
    case 0x8C:  // Œ
      return 0x9C;
    case 0x8E:  // Ž
      return 0x9E;
    case 0x9F:  // Ÿ
      return 0xFF;
    default:
      return b;
  }
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldByte(static_cast<unsigned char>(a[i])) != FoldByte(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

struct ProfileLine {
  bool isSection = false;
  std::string_view name;
  std::optional<std::string_view> value;  // entries with "="
  std::size_t start = 0;                  // the line's first character
  std::size_t contentEnd = 0;             // just after its last character
  std::size_t breakEnd = 0;               // just after its own line break (CR LF, CR or LF)
};

// Fills in a section header's name; false when the line is no header.
bool ParseSectionHeader(std::string_view content, ProfileLine& line) {
  if (content.front() != '[')
    return false;
  const std::size_t closing = content.rfind(']');
  if (closing == std::string_view::npos)
    return false;
  line.isSection = true;
  line.name = Trim(content.substr(1, closing - 1));
  return true;
}

void ParseEntry(std::string_view content, ProfileLine& line) {
  const std::size_t equals = content.find('=');
  if (equals == std::string_view::npos) {
    line.name = content;
    return;
  }
  line.name = TrimRight(content.substr(0, equals));
  line.value = TrimLeft(content.substr(equals + 1));
}

std::vector<ProfileLine> ParseLines(std::string_view text) {
  std::vector<ProfileLine> lines;
  std::size_t next = 0;
  while (next < text.size()) {
    ProfileLine line;
    line.start = next;
    while (next < text.size() && !IsLineBreak(text[next])) ++next;
    line.contentEnd = next;
    line.breakEnd = next;
    if (next < text.size()) {
      const bool crlf = text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n';
      line.breakEnd += crlf ? 2 : 1;
    }
    while (next < text.size() && IsLineBreak(text[next])) ++next;

    const std::string_view content = Trim(text.substr(line.start, line.contentEnd - line.start));
    if (content.empty())
      continue;
    if (!ParseSectionHeader(content, line))
      ParseEntry(content, line);
    lines.push_back(line);
  }
  return lines;
}

// The lines of a section: its header and the entries up to the next header.
struct SectionSpan {
  std::size_t header;
  std::size_t end;
};

std::optional<SectionSpan> FindSection(const std::vector<ProfileLine>& lines,
                                       std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].isSection || !SameName(lines[i].name, section))
      continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !lines[end].isSection) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

const ProfileLine* FindKey(const std::vector<ProfileLine>& lines, SectionSpan span,
                           std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    if (SameName(lines[i].name, key))
      return &lines[i];
  }
  return nullptr;
}

// Windows removes trailing spaces from the default, but never its first character.
std::string_view WithoutTrailingSpaces(std::string_view defaultValue) {
  while (defaultValue.size() > 1 && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
  return defaultValue;
}

std::string CopyEntry(std::string_view value, int size) {
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  const std::string_view source = quoted ? value.substr(1) : value;
  std::string copied(source.substr(0, static_cast<std::size_t>(size) - 1));
  // The closing quote goes only when the buffer held the value: when it is one
  // character short, Windows still drops the last character it copied.
  if (quoted && static_cast<std::size_t>(size) >= source.size() && !copied.empty())
    copied.pop_back();
  return copied;
}

}  // namespace

std::string GetProfileString(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view defaultValue, int size) {
  if (size <= 0)
    return {};
  const std::vector<ProfileLine> lines = ParseLines(text);
  std::optional<std::string_view> value;
  if (const auto span = FindSection(lines, Trim(section))) {
    if (const ProfileLine* entry = FindKey(lines, *span, Trim(key)))
      value = entry->value;
  }
  return CopyEntry(value ? *value : WithoutTrailingSpaces(defaultValue), size);
}

std::string SetProfileString(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
  const std::string storedKey(TrimLeft(key));
  const std::string_view storedValue = TrimLeft(value);
  const std::string entryLine = storedKey + "=" + std::string(storedValue);
  const std::vector<ProfileLine> lines = ParseLines(text);
  std::string result(text);

  const auto span = FindSection(lines, Trim(section));
  if (!span) {
    if (!result.empty() && !IsLineBreak(result.back()))
      result += kLineBreak;
    result += "[" + std::string(TrimLeft(section)) + "]" + kLineBreak + entryLine + kLineBreak;
    return result;
  }
  if (const ProfileLine* entry = FindKey(lines, *span, Trim(key))) {
    if (entry->value == storedValue)
      return result;
    result.replace(entry->start, entry->contentEnd - entry->start,
                   std::string(entry->name) + "=" + std::string(storedValue));
    return result;
  }
  const ProfileLine& last = lines[span->end - 1];
  const bool lastLineUnbroken = last.breakEnd == last.contentEnd;
  result.insert(last.breakEnd, (lastLineUnbroken ? std::string(kLineBreak) : std::string()) +
                                   entryLine + kLineBreak);
  return result;
}

}  // namespace velto::library::profile
