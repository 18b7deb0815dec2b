#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velto::standin {

// Memory of this process whose addresses fit in 32 bits, as the host's heap does in its
// 32-bit process: another program reads the host's people list through 32-bit addresses.
// A 64-bit process gets such memory only by asking for it at a low address.
class Win32LowMemory {
 public:
  Win32LowMemory() = default;
  ~Win32LowMemory();
  Win32LowMemory(const Win32LowMemory&) = delete;
  Win32LowMemory& operator=(const Win32LowMemory&) = delete;

  // Copies the bytes into a block of their own and gives its address; 0 when no memory
  // below 4 GB could be had.
  std::uint32_t Place(const std::string& bytes);

 private:
  bool Grow(std::size_t atLeast);

  std::vector<void*> regions_;
  std::uintptr_t next_ = 0;
  std::uintptr_t end_ = 0;
};

}  // namespace velto::standin
