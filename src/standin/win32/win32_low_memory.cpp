#include "standin/win32/win32_low_memory.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace velto::standin {
namespace {

// Where the search for free address space starts: above the program's image and the
// system's early allocations, well below 4 GB.
constexpr std::uint64_t kFirstRegionAddress = 0x10000000;
constexpr std::uint64_t kAddressEnd = 0x100000000;  // just past the last 32-bit address
constexpr std::size_t kRegionBytes = 1 << 20;
// VirtualAlloc places regions on multiples of this (the allocation granularity).
constexpr std::uintptr_t kRegionStep = 1 << 16;
// Each search tries this many places, spread over the low address space.
constexpr std::uint64_t kSearchStride = 1 << 24;
// Blocks start at multiples of this, as heap blocks do.
constexpr std::uintptr_t kBlockAlignment = 16;

std::uintptr_t RoundUp(std::uintptr_t value, std::uintptr_t multiple) {
  return (value + multiple - 1) / multiple * multiple;
}

}  // namespace

Win32LowMemory::~Win32LowMemory() {
  for (void* region : regions_) ::VirtualFree(region, 0, MEM_RELEASE);
}

std::uint32_t Win32LowMemory::Place(const std::string& bytes) {
  const std::size_t size = std::max<std::size_t>(bytes.size(), 1);
  if (end_ - next_ < size && !Grow(size))
    return 0;
  const std::uintptr_t address = next_;
  std::memcpy(reinterpret_cast<void*>(address), bytes.data(), bytes.size());
  next_ = RoundUp(next_ + size, kBlockAlignment);
  return static_cast<std::uint32_t>(address);
}

// Reserves and commits a further region at the first free low address that takes it.
bool Win32LowMemory::Grow(std::size_t atLeast) {
  const std::size_t size = RoundUp(std::max(atLeast, kRegionBytes), kRegionStep);
  // 64-bit arithmetic, so that the search ends at 4 GB in a 32-bit process too.
  for (std::uint64_t at = kFirstRegionAddress; at + size <= kAddressEnd; at += kSearchStride) {
    void* region = ::VirtualAlloc(reinterpret_cast<void*>(static_cast<std::uintptr_t>(at)), size,
                                  MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (!region)
      continue;
    regions_.push_back(region);
    next_ = reinterpret_cast<std::uintptr_t>(region);
    end_ = next_ + size;
    return true;
  }
  return false;
}

}  // namespace velto::standin
