#pragma once

#include <cstdint>
#include <string>

// The texts the text benchmarks run on, each built up to about `bytes` bytes.
namespace velto::bench {

// Chat art with strokes to swap and mirror, a letter in both cases for ReplaceText to
// match, and characters beyond ASCII.
std::string Drawing(std::int64_t bytes);

// English prose in lines of chat, with accented letters now and then. Holds "Velto" in
// some case once in every `velto_every` bytes or so; never when it is 0.
std::string Prose(std::int64_t bytes, std::int64_t velto_every);

// The prose with its blanks made underscores, but for one blank in every `blank_every`
// bytes or so (none when it is 0): a text with few blanks to remove.
std::string FewBlanks(std::int64_t bytes, std::int64_t blank_every);

}  // namespace velto::bench
