#include "library/files/internal/sequential_text.h"

#include <algorithm>

namespace velto::library {
namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsDelimiter(char c) {
  return c == kComma || c == kCarriageReturn || c == kLineFeed;
}

}  // namespace

std::string SequentialInput::ReadItem() {
  while (!AtEnd() && IsBlank(bytes_[position_])) ++position_;

  std::string item;
  if (!AtEnd() && bytes_[position_] == kQuote) {
    const std::size_t start = position_ + 1;
    const std::size_t closing = std::min(bytes_.find(kQuote, start), bytes_.size());
    item = bytes_.substr(start, closing - start);
    position_ = closing;
    while (!AtEnd() && !IsDelimiter(bytes_[position_])) ++position_;
  } else {
    const std::size_t start = position_;
    while (!AtEnd() && !IsDelimiter(bytes_[position_])) ++position_;
    item = bytes_.substr(start, position_ - start);
  }
  SkipDelimiter();
  return item;
}

void SequentialInput::SkipDelimiter() {
  if (AtEnd())
    return;
  const char delimiter = bytes_[position_++];
  if (delimiter == kCarriageReturn && !AtEnd() && bytes_[position_] == kLineFeed)
    ++position_;
}

std::string SequentialInput::ReadAll() {
  std::string rest = bytes_.substr(std::min(position_, bytes_.size()));
  position_ = bytes_.size();
  return rest;
}

void SequentialOutput::WriteItem(std::string_view item) {
  bytes_.append(item);
  bytes_.append("\r\n");
}

}  // namespace velto::library
