#include "library/chat/internal/people_memory.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

#include "host/host_text.h"
#include "host/messages.h"
#include "library/windows/internal/host_lookups.h"

namespace velto::library {
namespace {

// The layout of the host's people-list entries.
constexpr std::uint32_t kRecordAddressOffset = 24;
constexpr std::uint32_t kNameOffset = 6;
constexpr std::size_t kNameBytes = 16;

// Reading another process's memory needs no more than this.
constexpr std::uint32_t kReadAccess = STANDARD_RIGHTS_REQUIRED | PROCESS_VM_READ;

// The host process, open for reading while this lives: closed on every way out.
class OpenHostProcess {
 public:
  OpenHostProcess(host::Platform& platform, std::uint32_t processId) : platform_(platform) {
    if (processId != 0)
      handle_ = platform_.OpenProcess(kReadAccess, false, processId);
  }
  ~OpenHostProcess() {
    if (handle_)
      platform_.CloseHandle(handle_);
  }
  OpenHostProcess(const OpenHostProcess&) = delete;
  OpenHostProcess& operator=(const OpenHostProcess&) = delete;

  explicit operator bool() const { return static_cast<bool>(handle_); }
  bool Read(std::uint32_t address, void* buffer, std::size_t size) {
    return platform_.ReadProcessMemory(handle_, address, buffer, size);
  }

 private:
  host::Platform& platform_;
  host::ProcessHandle handle_;
};

std::optional<std::string> ReadPersonName(OpenHostProcess& process, std::uint32_t entry) {
  std::array<unsigned char, sizeof(std::uint32_t)> addressBytes{};
  if (!process.Read(entry + kRecordAddressOffset, addressBytes.data(), addressBytes.size()))
    return std::nullopt;
  std::uint32_t record = 0;
  std::memcpy(&record, addressBytes.data(), sizeof record);

  std::array<char, kNameBytes> name{};
  if (!process.Read(record + kNameOffset, name.data(), name.size()))
    return std::nullopt;
  const auto end = std::find(name.begin(), name.end(), '\0');
  return host::FromHostBytes(
      std::string_view(name.data(), static_cast<std::size_t>(end - name.begin())));
}

}  // namespace

bool ForEachChatPerson(host::Platform& platform,
                       const std::function<bool(int index, const std::string& name)>& visit) {
  const host::WindowHandle list = FindChatPeopleList(platform);
  if (!list)
    return false;
  OpenHostProcess process(platform, platform.GetWindowThreadProcessId(list));
  if (!process)
    return false;
  const auto count = platform.SendMessageA(list, LB_GETCOUNT, 0, 0u);
  for (int index = 0; index < count; ++index) {
    const auto entry = static_cast<std::uint32_t>(
        platform.SendMessageA(list, LB_GETITEMDATA, static_cast<std::uint32_t>(index), 0u));
    if (!HostAnswered(platform))
      break;
    const std::optional<std::string> name = ReadPersonName(process, entry);
    if (name && !visit(index, *name))
      break;
  }
  return true;
}

}  // namespace velto::library
