#include "bench_texts.h"

#include <algorithm>

namespace velto::bench {
namespace {

constexpr const char* kParagraph =
    "When the evening came the whole room went quiet, and those who stayed kept their "
    "windows open to the chat. Somebody asked about the café on the corner; nobody "
    "answered for a while, then three people wrote at once that it had closed in June. "
    "Zoë said she would miss the music there more than the coffee.\r\n";

// Every n-th time a line is added, "velto" in a changing case takes the place of "the".
std::string Spelled(int k) {
  static const char* const kCases[] = {"Velto", "VELTO", "velto", "vElTo"};
  return kCases[k % 4];
}

}  // namespace

std::string Drawing(std::int64_t bytes) {
  const std::string row = " /¯¯¯\\  |___|  (o O) « ‹ Velto › » [{<>}]\r\n";
  std::string drawing;
  while (static_cast<std::int64_t>(drawing.size()) < bytes) drawing += row;
  return drawing;
}

std::string Prose(std::int64_t bytes, std::int64_t velto_every) {
  const std::string paragraph = kParagraph;
  std::string prose;
  prose.reserve(static_cast<std::size_t>(bytes) + paragraph.size());
  std::int64_t next = velto_every;
  int k = 0;
  while (static_cast<std::int64_t>(prose.size()) < bytes) {
    std::string piece = paragraph;
    if (velto_every > 0 && static_cast<std::int64_t>(prose.size()) + 400 >= next) {
      piece.replace(piece.find("the whole"), 3, Spelled(k++));
      next += velto_every;
    }
    prose += piece;
  }
  return prose;
}

std::string FewBlanks(std::int64_t bytes, std::int64_t blank_every) {
  std::string text = Prose(bytes, 0);
  std::replace(text.begin(), text.end(), ' ', '_');
  if (blank_every > 0) {
    for (std::size_t i = static_cast<std::size_t>(blank_every); i < text.size();
         i += static_cast<std::size_t>(blank_every)) {
      const std::size_t at = text.find('_', i);
      if (at == std::string::npos)
        break;
      text[at] = ' ';
    }
  }
  return text;
}

}  // namespace velto::bench
