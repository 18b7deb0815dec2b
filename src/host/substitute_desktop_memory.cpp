// The substitute desktop's processes: which process a window belongs to, and reading
// bytes from another process's memory.

#include "host/substitute_desktop.h"

#include <cstring>

namespace velto::host {

void SubstituteDesktop::SetWindowProcess(WindowHandle window, std::uint32_t processId) {
  if (auto it = windows_.find(window.value()); it != windows_.end()) {
    it->second.processId = processId;
  }
}

void SubstituteDesktop::WriteProcessMemory(std::uint32_t processId, std::uint32_t address,
                                           std::string bytes) {
  processes_[processId].push_back(MemoryRegion{address, std::move(bytes)});
}

std::uint32_t SubstituteDesktop::GetWindowThreadProcessId(WindowHandle window) {
  ++platformCalls_;
  const Window* found = Find(window);
  return found ? found->processId : 0;
}

ProcessHandle SubstituteDesktop::OpenProcess(std::uint32_t, bool, std::uint32_t processId) {
  ++platformCalls_;
  if (processes_.count(processId) == 0)
    return {};
  const ProcessHandle handle{nextProcessHandle_};
  nextProcessHandle_ += 4;
  openProcesses_[handle.value] = processId;
  return handle;
}

bool SubstituteDesktop::ReadProcessMemory(ProcessHandle process, std::uint32_t address,
                                          void* buffer, std::size_t size) {
  ++platformCalls_;
  auto open = openProcesses_.find(process.value);
  if (open == openProcesses_.end())
    return false;
  // Later writes cover earlier ones, as they would in real memory.
  const std::vector<MemoryRegion>& regions = processes_[open->second];
  for (auto region = regions.rbegin(); region != regions.rend(); ++region) {
    const std::uint64_t start = region->address;
    const std::uint64_t end = start + region->bytes.size();
    if (address >= start && address + static_cast<std::uint64_t>(size) <= end) {
      std::memcpy(buffer, region->bytes.data() + (address - start), size);
      return true;
    }
  }
  return false;
}

void SubstituteDesktop::CloseHandle(ProcessHandle process) {
  ++platformCalls_;
  openProcesses_.erase(process.value);
}

}  // namespace velto::host
