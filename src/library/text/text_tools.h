#pragma once

#include <string>
#include <string_view>

#include "library/windows/own_controls.h"

// Text tools of the library. Texts are UTF-8, counted and indexed in characters from 1
// (a byte that is not well-formed UTF-8 reads as U+FFFD). A line break is a carriage
// return, usually followed by a line feed; lines are counted by carriage returns.
// Routines taking a text by non-const reference leave their result in it as well as
// returning it.
namespace velto::library {

// Every occurrence of find, ignoring case, replaced by the replacement, left to right.
// The search resumes after each inserted replacement, so a replacement containing find
// is not replaced again. An empty find leaves the text as it is.
std::string ReplaceText(std::string& text, std::string_view find, std::string_view replacement);

// Every first becomes second and every second becomes first (case counts), in one pass
// from the left that resumes after each inserted string. Where both begin at the same
// position, first wins. An empty string is never found.
std::string SwapText(std::string& text, std::string_view first, std::string_view second);

std::string ReverseText(std::string_view text);

// The character at the position; empty below 1 and past the end.
std::string CharAt(std::string_view text, int position);

// Every character written twice.
std::string DoubleLetters(std::string_view text);

// 0 for an empty text, otherwise the number of carriage returns + 1.
int CountLines(std::string_view text);

// Line n from 1, with carriage returns and line feeds removed; empty when there is no
// line n. A text of one line comes back whole, line feeds included.
std::string GetLine(std::string_view text, int n);

std::string RemoveSpaces(std::string& text);

// "(item), (item), ... (item)"; empty when the first item is empty or there is none.
std::string ListItemsToText(const library::ListItems& list);

// The following treat the text line by line as if a line break were appended to it (so
// the last line is empty), and join the lines they give by carriage return and line feed.

// DoubleLetters applied to every line.
std::string DoubleLettersLines(std::string_view text);

// A space put before every line. The result is cut to length(text) + c - 1 characters,
// c counting the lines with the appended break: for breaks of carriage return and line
// feed, that leaves no break at the end; an empty text gives one space.
std::string IndentLines(std::string& text);

// The first character of every non-empty line dropped.
std::string UnindentLines(std::string& text);

}  // namespace velto::library
