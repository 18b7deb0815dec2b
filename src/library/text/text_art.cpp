#include "library/text/text_art.h"

#include <initializer_list>
#include <utility>
#include <vector>

#include "host/utf8.h"
#include "library/text/internal/art_turns.h"
#include "library/text/internal/case_fold.h"
#include "library/text/internal/text_search.h"

namespace velto::library {
namespace {

struct Substitution {
  std::string_view find;
  std::string_view replacement;
};

bool IsOneCharacterOfOneCase(std::string_view text) {
  const std::u32string characters = host::DecodeUtf8(text);
  return characters.size() == 1 && FoldCase(characters[0]) == characters[0] &&
         RaiseCase(characters[0]) == characters[0];
}

// The substitutions from `begin` on that may be made in one pass of character
// replacements: each finds a character that has no other case and that no earlier one
// of them finds or brings in, so each replaces exactly what the text held.
std::vector<CharacterReplacement> OnePassGroup(const Substitution* begin, const Substitution* end) {
  std::vector<CharacterReplacement> group;
  for (const Substitution* s = begin; s != end && IsOneCharacterOfOneCase(s->find); ++s) {
    for (const CharacterReplacement& earlier : group) {
      if (earlier.find == s->find || earlier.replacement.find(s->find) != std::string_view::npos)
        return group;
    }
    group.push_back({s->find, s->replacement});
  }
  return group;
}

// Each substitution in turn over the whole drawing. The text is only read; two buffers
// take turns holding the drawing as it changes.
std::string Restyle(std::string& text, std::initializer_list<Substitution> substitutions) {
  std::string repaired;
  std::string_view art = WellFormed(text, repaired);
  std::string buffers[2];
  std::string* holder = nullptr;  // the buffer `art` is in, once a substitution changed it
  for (const Substitution* s = substitutions.begin(); s != substitutions.end();) {
    const std::vector<CharacterReplacement> group = OnePassGroup(s, substitutions.end());
    std::string& out = holder == &buffers[0] ? buffers[1] : buffers[0];
    const bool changed = group.size() > 1 ? ReplacedCharacters(art, group, out)
                                          : ReplacedIgnoringCase(art, s->find, s->replacement, out);
    if (changed) {
      holder = &out;
      art = out;
    }
    s += group.size() > 1 ? group.size() : 1;
  }
  if (holder) {
    text = std::move(*holder);
  } else if (art.data() != text.data()) {
    text = std::move(repaired);
  }
  return text;
}

}  // namespace

std::string ArtStyle01(std::string& text) {
  return Restyle(text, {{"|", "¦"}});
}

std::string ArtStyle02(std::string& text) {
  return Restyle(text, {{"___", "_')\\."}});
}

std::string ArtStyle03(std::string& text) {
  return Restyle(text, {{"¯¯¯", "º°°°'"}});
}

std::string ArtStyle04(std::string& text) {
  return Restyle(text, {{"¯¯¯", "`**¯"}});
}

std::string ArtStyle05(std::string& text) {
  return Restyle(text, {{"¯¯¯", "`'¯`“"}});
}

std::string ArtStyle06(std::string& text) {
  return Restyle(text, {{"___", "¸¡¸¡¸¡"}});
}

std::string ArtStyle07(std::string& text) {
  return Restyle(text, {{"___", "-‚„‚¸‚"}});
}

std::string ArtStyle08(std::string& text) {
  return Restyle(text, {{"___", "î,î,î,"}});
}

std::string ArtStyle09(std::string& text) {
  return Restyle(text, {{"¯¯¯¯", "¯`v´¯"}});
}

std::string ArtStyle10(std::string& text) {
  return Restyle(text, {{"¯¯¯", "ª‘ª‘ª‘"}});
}

std::string ArtStyle11(std::string& text) {
  return Restyle(text, {{"¯¯¯", "°'°'°'"}});
}

std::string ArtStyle12(std::string& text) {
  return Restyle(text, {{"___", "¸‚¸‚¸‚"}});
}

std::string ArtStyle13(std::string& text) {
  return Restyle(text, {{"¯¯¯", "”‘”‘”‘"}});
}

std::string ArtStyle14(std::string& text) {
  return Restyle(text, {{"¯¯¯¯¯", "¯\\,/¯'v'"}});
}

std::string ArtStyle15(std::string& text) {
  return Restyle(text, {{"\\", "}"}, {"/", "{"}});
}

std::string ArtStyle16(std::string& text) {
  return Restyle(text, {{"\\", ")"}, {"/", "("}});
}

std::string ArtStyle17(std::string& text) {
  return Restyle(text, {{"\\", "]"}, {"/", "["}});
}

std::string ArtStyle18(std::string& text) {
  return Restyle(text, {{" |", ";|"}, {"| ", "|;"}});
}

std::string ArtStyle19(std::string& text) {
  return Restyle(text, {{"|¯¯", "|'˜¯"}, {"¦¯¯", "¦'˜¯"}});
}

std::string ArtStyle20(std::string& text) {
  return Restyle(text, {{"¯¯¯¯¯¯", "¯\\(¯)/\"¯"}});
}

std::string ArtStyle21(std::string& text) {
  return Restyle(text, {{"   |", "-=|"}, {"|   ", "|=-"}});
}

std::string ArtStyle22(std::string& text) {
  return Restyle(text, {{"      |", "--^v^|"}, {"|      ", "|^v^--"}});
}

std::string ArtStyle23(std::string& text) {
  return Restyle(text, {{"¦", "|"}, {",´", "/ "}, {"`,", " \\"}, {":", ";"}});
}

std::string ArtStyle24(std::string& text) {
  return Restyle(text, {{"/ ", ",´"}, {"\\ ", "`,"}, {" /", ",´"}, {" \\", "`,"}});
}

std::string ArtStyle25(std::string& text) {
  return Restyle(text, {{"}", "\\"}, {"{", "/"}, {"]", "\\"}, {"[", "/"}, {")", "\\"}, {"(", "/"}});
}

std::string ArtStyle26(std::string& text) {
  return Restyle(text,
                 {{"¯", "¨¨"}, {"/", ".·"}, {"\\", "·."}, {"|", ":"}, {"_", ".."}, {"¦", ":"}});
}

std::string ArtStyle27(std::string& text) {
  return Restyle(
      text, {{"|", "¦"}, {"/ ", ",´"}, {"\\ ", "`,"}, {" /", ",´"}, {" \\", "`,"}, {";", ":"}});
}

// Shading before the strokes: three, two or one blank before a stroke become a fading
// edge, widest first so a narrower rule never cuts into a wider one.
std::string ArtStyle28(std::string& text) {
  return Restyle(text, {{"|", "¦"},
                        {"   ¦", ".:;¦"},
                        {"  ¦", ":;¦"},
                        {" ¦", ";¦"},
                        {"   /", ".:;/"},
                        {"  /", ":;/"},
                        {" /", ";/"},
                        {"   \\", ".:;\\"},
                        {"  \\", ":;\\"},
                        {" \\", ";\\"},
                        {"   '", ".:;'"},
                        {"  '", ":;'"},
                        {" '", ";'"}});
}

std::string MirrorArt(std::string_view text) {
  std::string repaired;
  return MirroredLines(WellFormed(text, repaired));
}

// The event pump runs once for every line of the text with a break appended, as a
// line-by-line turn would run it, so the program's windows stay responsive.
std::string FlipArt(host::Platform& platform, std::string& text) {
  if (text.empty())
    return text;
  std::string repaired;
  const std::string_view art = WellFormed(text, repaired);
  std::string flipped = FlippedLines(art);
  for (std::size_t pass = LinesWithBreakAppendedCount(art); pass > 0; --pass) platform.PumpEvents();
  text = std::move(flipped);
  return text;
}

}  // namespace velto::library
