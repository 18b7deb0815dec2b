// Fuzzes the profile-file rules and the delimited-input reader with libFuzzer.
// Built by fuzz/build-files-fuzz.sh, apart from the gcc build.
//
// Beyond "never crashes or hangs", it checks properties:
// - a read never copies more than the buffer holds;
// - after a write of a plain value under plain names, the value reads back, and every
//   key of another name reads as before;
// - the input reader consumes at least one byte per item, and plain items written one
//   per line read back as they were.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "library/files/internal/profile_text.h"
#include "library/files/internal/sequential_text.h"

namespace {

using velto::library::SequentialInput;
using velto::library::SequentialOutput;
namespace profile = velto::library::profile;

constexpr int kLargeBuffer = 1 << 16;

void Require(bool condition) {
  if (!condition)
    std::abort();
}

bool IsBlank(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= '\t' && byte <= '\r') || byte == ' ' || byte == 0x1A;
}

bool HasAny(std::string_view s, std::string_view bytes) {
  return s.find_first_of(bytes) != std::string_view::npos;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

const std::string_view kLineEnds("\r\n\0", 3);

// Names a write cannot turn into another line's syntax.
bool IsPlainSection(std::string_view section) {
  return !HasAny(section, kLineEnds);
}
bool IsPlainKey(std::string_view key) {
  const std::string_view trimmed = Trim(key);
  return !HasAny(key, kLineEnds) && !HasAny(key, "=") &&
         (trimmed.empty() || trimmed.front() != '[');
}
bool IsPlainValue(std::string_view value) {
  return !HasAny(value, kLineEnds) && Trim(value) == value &&
         (value.empty() || (value.front() != '"' && value.front() != '\''));
}

// A coarse case fold: names that differ here differ under any case rule the profile
// functions could use (every byte above ASCII folds to one class).
std::string CoarseFold(std::string_view name) {
  std::string folded(Trim(name));
  for (char& c : folded) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80)
      c = '\x80';
    else if (byte >= 'A' && byte <= 'Z')
      c = static_cast<char>(byte + ('a' - 'A'));
  }
  return folded;
}

void CheckProfile(FuzzedDataProvider& input, const std::string& text) {
  const std::string section = input.ConsumeRandomLengthString(24);
  const std::string key = input.ConsumeRandomLengthString(24);
  const std::string value = input.ConsumeRandomLengthString(48);
  const std::string otherSection = input.ConsumeRandomLengthString(24);
  const std::string otherKey = input.ConsumeRandomLengthString(24);
  const int size = input.ConsumeIntegralInRange<int>(0, 800);

  const std::string copied = profile::GetProfileString(text, section, key, value, size);
  Require(copied.size() <= static_cast<std::size_t>(size > 0 ? size - 1 : 0));

  const std::string updated = profile::SetProfileString(text, section, key, value);
  if (!IsPlainSection(section) || !IsPlainKey(key) || !IsPlainValue(value))
    return;
  Require(profile::GetProfileString(updated, section, key, "", kLargeBuffer) == value);

  const bool sameEntry =
      CoarseFold(otherSection) == CoarseFold(section) && CoarseFold(otherKey) == CoarseFold(key);
  if (!sameEntry) {
    Require(profile::GetProfileString(text, otherSection, otherKey, "-", kLargeBuffer) ==
            profile::GetProfileString(updated, otherSection, otherKey, "-", kLargeBuffer));
  }
}

void CheckItems(const std::string& text) {
  SequentialInput input(text);
  std::size_t items = 0;
  while (!input.AtEnd()) {
    input.ReadItem();
    Require(++items <= text.size());
  }

  // Plain items: no delimiter, no quote, no leading blank.
  std::vector<std::string> plain;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\0', start), text.size());
    const std::string_view item(text.data() + start, end - start);
    if (!HasAny(item, ",\"\r\n") && (item.empty() || (item.front() != ' ' && item.front() != '\t')))
      plain.emplace_back(item);
    start = end + 1;
  }
  SequentialOutput output;
  for (const std::string& item : plain) output.WriteItem(item);
  SequentialInput reread(output.Bytes());
  for (const std::string& item : plain) Require(!reread.AtEnd() && reread.ReadItem() == item);
  Require(reread.AtEnd());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string text = input.ConsumeRandomLengthString(4096);
  CheckItems(text);
  CheckProfile(input, text);
  return 0;
}
