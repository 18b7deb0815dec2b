#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/controls.h"

// The program's text boxes, list boxes and combo boxes held in memory, for tests and
// the headless toolkit.
namespace velto::ui {

class HeadlessTextBox : public host::TextBoxControl {
 public:
  HeadlessTextBox() = default;
  explicit HeadlessTextBox(std::string text) : text_(std::move(text)) {}

  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }

 private:
  std::string text_;
};

// Items stay in the order they were added (an unsorted list box).
class HeadlessListBox : public host::ListControl {
 public:
  HeadlessListBox() = default;
  explicit HeadlessListBox(std::vector<std::string> items) : items_(std::move(items)) {}

  int Count() const override;
  // Empty past the end, as a list box's List property reads there.
  std::string Item(int index) const override;
  void AddItem(const std::string& item) override { items_.push_back(item); }

  const std::vector<std::string>& Items() const { return items_; }

 private:
  std::vector<std::string> items_;
};

// A combo box's item list behaves as a list box does.
using HeadlessComboBox = HeadlessListBox;

}  // namespace velto::ui
