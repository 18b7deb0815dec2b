#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velto::standin {

// Colours as 0xRRGGBB, the way the mark-up writes them.
inline constexpr std::uint32_t kPlainTextColour = 0x000000;

// A stretch of a chat line shown in one colour and weight.
struct MarkupRun {
  std::string bytes;  // the host's 8-bit text, mark-up removed
  std::uint32_t colour = kPlainTextColour;
  bool bold = false;

  friend bool operator==(const MarkupRun& a, const MarkupRun& b) {
    return a.bytes == b.bytes && a.colour == b.colour && a.bold == b.bold;
  }
};

// Splits a chat line into the runs the chat window shows. The host reads mark-up
// leniently, and the lines it is sent rely on that ("< font . color=#1e90ff >"): every
// '<' ... '>' stretch is a tag; a tag holding "color=#rrggbb" sets the colour, "</font>"
// goes back to plain, "<b>" and "</b>" switch bold (blanks inside ignored), and any
// other tag is dropped. A '<' with no '>' after it is ordinary text.
std::vector<MarkupRun> ParseChatMarkup(std::string_view lineBytes);

}  // namespace velto::standin
