#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

// The classic sequential text files, over a file's bytes held in memory. Every
// implementation of FileServices reads and writes through these, so a file reads the
// same on every platform.
namespace velto::library {

// A file open for input: its bytes, read whole when it was opened, and a position.
class SequentialInput {
 public:
  explicit SequentialInput(std::string bytes) : bytes_(std::move(bytes)) {}

  bool AtEnd() const { return position_ >= bytes_.size(); }
  std::size_t Length() const { return bytes_.size(); }

  // One item by the delimited-input rule: leading blanks (spaces and tabs) are passed
  // over; an item that then starts with a double quote runs to the next double quote
  // (line breaks included), the quotes removed, and anything after it up to the
  // delimiter is dropped; any other item runs up to a comma or a line end (CR, LF or
  // CR LF). The delimiter is consumed, so an empty line reads as an empty item.
  std::string ReadItem();

  // Everything from the position to the end of the file.
  std::string ReadAll();

 private:
  void SkipDelimiter();

  std::string bytes_;
  std::size_t position_ = 0;
};

// The bytes of a file being written item by item; each item is followed by CR LF.
class SequentialOutput {
 public:
  void WriteItem(std::string_view item);
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace velto::library
