#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/controls.h"
#include "library/windows/form_control.h"

// The program's own list box and form, in memory, as the library's routines fill and
// read them.
namespace velto::testing {

class ItemList : public host::ListControl {
 public:
  int Count() const override { return static_cast<int>(items.size()); }
  std::string Item(int index) const override { return items.at(static_cast<std::size_t>(index)); }
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

}  // namespace velto::testing
