#include "standin/chat_markup.h"

#include <optional>

namespace velto::standin {
namespace {

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

int HexValue(char c) {
  c = LowerAscii(c);
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

// The tag's text in lower case with its blanks left out: "< B >" reads as "b".
std::string Squeezed(std::string_view tag) {
  std::string squeezed;
  for (char c : tag) {
    if (!IsBlank(c))
      squeezed += LowerAscii(c);
  }
  return squeezed;
}

// The colour of a tag that holds "color=#rrggbb", blanks and a quote allowed around '='.
std::optional<std::uint32_t> ColourIn(std::string_view tag) {
  std::string lower(tag);
  for (char& c : lower) c = LowerAscii(c);
  for (std::size_t at = lower.find("color"); at != std::string::npos;
       at = lower.find("color", at + 1)) {
    std::size_t i = at + 5;
    while (i < lower.size() && IsBlank(lower[i])) ++i;
    if (i >= lower.size() || lower[i] != '=')
      continue;
    ++i;
    while (i < lower.size() && (IsBlank(lower[i]) || lower[i] == '"' || lower[i] == '\'')) ++i;
    if (i >= lower.size() || lower[i] != '#' || i + 7 > lower.size())
      continue;
    std::uint32_t colour = 0;
    bool valid = true;
    for (std::size_t d = i + 1; d < i + 7; ++d) {
      const int digit = HexValue(lower[d]);
      valid = valid && digit >= 0;
      colour = colour * 16 + static_cast<std::uint32_t>(digit < 0 ? 0 : digit);
    }
    if (valid)
      return colour;
  }
  return std::nullopt;
}

class RunBuilder {
 public:
  void Text(std::string_view bytes) {
    if (bytes.empty())
      return;
    if (runs_.empty() || runs_.back().colour != colour_ || runs_.back().bold != bold_) {
      runs_.push_back(MarkupRun{{}, colour_, bold_});
    }
    runs_.back().bytes.append(bytes);
  }
  void Tag(std::string_view tag) {
    const std::string squeezed = Squeezed(tag);
    if (squeezed == "b") {
      bold_ = true;
    } else if (squeezed == "/b") {
      bold_ = false;
    } else if (squeezed == "/font") {
      colour_ = kPlainTextColour;
    } else if (const auto colour = ColourIn(tag)) {
      colour_ = *colour;
    }
  }
  std::vector<MarkupRun> Take() { return std::move(runs_); }

 private:
  std::vector<MarkupRun> runs_;
  std::uint32_t colour_ = kPlainTextColour;
  bool bold_ = false;
};

}  // namespace

std::vector<MarkupRun> ParseChatMarkup(std::string_view lineBytes) {
  RunBuilder builder;
  std::size_t at = 0;
  while (at < lineBytes.size()) {
    const std::size_t open = lineBytes.find('<', at);
    const std::size_t close =
        open == std::string_view::npos ? std::string_view::npos : lineBytes.find('>', open);
    if (close == std::string_view::npos) {
      builder.Text(lineBytes.substr(at));
      break;
    }
    builder.Text(lineBytes.substr(at, open - at));
    builder.Tag(lineBytes.substr(open + 1, close - open - 1));
    at = close + 1;
  }
  return builder.Take();
}

}  // namespace velto::standin
