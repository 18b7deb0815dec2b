#pragma once

#include <string>
#include <string_view>

#include "host/platform.h"

// Restyling of chat art drawn with characters such as ¯ _ / \ |. Every routine but
// MirrorArt leaves its result in the text it is given as well as returning it.
namespace velto::library {

// Each ArtStyle replaces fixed strings of the drawing, ignoring case, in a fixed order.
std::string ArtStyle01(std::string& text);
std::string ArtStyle02(std::string& text);
std::string ArtStyle03(std::string& text);
std::string ArtStyle04(std::string& text);
std::string ArtStyle05(std::string& text);
std::string ArtStyle06(std::string& text);
std::string ArtStyle07(std::string& text);
std::string ArtStyle08(std::string& text);
std::string ArtStyle09(std::string& text);
std::string ArtStyle10(std::string& text);
std::string ArtStyle11(std::string& text);
std::string ArtStyle12(std::string& text);
std::string ArtStyle13(std::string& text);
std::string ArtStyle14(std::string& text);
std::string ArtStyle15(std::string& text);
std::string ArtStyle16(std::string& text);
std::string ArtStyle17(std::string& text);
std::string ArtStyle18(std::string& text);
std::string ArtStyle19(std::string& text);
std::string ArtStyle20(std::string& text);
std::string ArtStyle21(std::string& text);
std::string ArtStyle22(std::string& text);
std::string ArtStyle23(std::string& text);
std::string ArtStyle24(std::string& text);
std::string ArtStyle25(std::string& text);
std::string ArtStyle26(std::string& text);
std::string ArtStyle27(std::string& text);
std::string ArtStyle28(std::string& text);

// The drawing mirrored left to right: every line reversed, and the characters that lean
// or open one way (/ [ { ( « ‹ <) exchanged with their partners. Lines come back joined
// by carriage return and line feed.
std::string MirrorArt(std::string_view text);

// The drawing turned upside down: the lines in reverse order, and the characters that
// sit high exchanged with those that sit low (_ and ¯, ' and , ...). Lines come back
// joined by carriage return and line feed. Runs the platform's event pump once per line
// and once more, so the program's windows stay responsive on long drawings.
std::string FlipArt(host::Platform& platform, std::string& text);

}  // namespace velto::library
