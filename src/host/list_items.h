#pragma once

#include <string>

namespace velto::host {

// The items of a list box, as the toolkit that owns the list box reads them.
class ListItems {
 public:
  virtual ~ListItems() = default;
  virtual int Count() const = 0;
  // The item at index (from 0).
  virtual std::string Item(int index) const = 0;
};

}  // namespace velto::host
