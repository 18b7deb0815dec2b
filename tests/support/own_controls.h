#pragma once

#include <string>
#include <utility>
#include <vector>

#include "library/windows/own_controls.h"

// The program's own text boxes, lists and forms, in memory, as the library's routines
// fill and read them.
namespace velto::testing {

class TextBox : public library::TextBoxControl {
 public:
  TextBox() = default;
  explicit TextBox(std::string text) : text_(std::move(text)) {}
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }

 private:
  std::string text_;
};

// A list box, or a combo box's item list: items stay in the order they were added (an
// unsorted list box), and an index past the end reads empty, as a list box reads there.
class ItemList : public library::ListControl {
 public:
  ItemList() = default;
  explicit ItemList(std::vector<std::string> initial) : items(std::move(initial)) {}
  int Count() const override { return static_cast<int>(items.size()); }
  std::string Item(int index) const override {
    if (index < 0 || index >= Count())
      return {};
    return items[static_cast<std::size_t>(index)];
  }
  void AddItem(const std::string& item) override { items.push_back(item); }
  std::vector<std::string> items;
};

// A form that remembers every caption it was given; it has no window and no place.
class CaptionForm : public library::FormControl {
 public:
  explicit CaptionForm(std::string caption = "Velto Idler") : captions{std::move(caption)} {}
  host::WindowHandle Handle() override { return host::kNoWindow; }
  int Left() override { return 0; }
  int Top() override { return 0; }
  int Width() override { return 0; }
  int Height() override { return 0; }
  void SetLeft(int) override {}
  void SetTop(int) override {}
  std::string Caption() override { return captions.back(); }
  void SetCaption(const std::string& caption) override { captions.push_back(caption); }
  std::vector<std::string> captions;
};

// A form with a window of the desktop and a place in twips, that remembers every position
// it was given.
class PlacedForm : public library::FormControl {
 public:
  PlacedForm(host::WindowHandle handle, int left, int top, int width, int height)
      : handle_(handle), left_(left), top_(top), width_(width), height_(height) {}
  host::WindowHandle Handle() override { return handle_; }
  int Left() override { return left_; }
  int Top() override { return top_; }
  int Width() override { return width_; }
  int Height() override { return height_; }
  void SetLeft(int twips) override {
    left_ = twips;
    lefts.push_back(twips);
  }
  void SetTop(int twips) override {
    top_ = twips;
    tops.push_back(twips);
  }
  std::string Caption() override { return {}; }
  void SetCaption(const std::string&) override {}

  std::vector<int> lefts, tops;  // every position set, in order

 private:
  host::WindowHandle handle_;
  int left_, top_, width_, height_;
};

}  // namespace velto::testing
