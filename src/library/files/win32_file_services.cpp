#include "library/files/win32_file_services.h"

#include <windows.h>
// <windows.h> leaves the multimedia API out under WIN32_LEAN_AND_MEAN.
#include <mmsystem.h>

#include <algorithm>
#include <vector>

#include "host/host_text.h"
#include "host/win32_handles.h"

namespace velto::library {
namespace {

// The bits the library sets.
constexpr DWORD kLibraryAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
// Entries the directory search without an attribute argument passes over.
constexpr DWORD kUnlisted =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
// Files that opening for output refuses: CreateFile with CREATE_ALWAYS fails on a
// hidden or system file, as on a read-only one or a folder.
constexpr DWORD kRefusesOutput = FILE_ATTRIBUTE_READONLY | kUnlisted;
// The pattern that names every entry of a folder.
constexpr char kEveryFile[] = "*";
// ReadFile and WriteFile move at most a DWORD's worth at a time.
constexpr std::size_t kChunkBytes = 1 << 20;

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (valid())
      ::CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

bool WriteNewFile(const std::string& hostPath, const std::string& bytes) {
  FileHandle file(::CreateFileA(hostPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid())
    return false;
  for (std::size_t done = 0; done < bytes.size();) {
    const auto chunk = static_cast<DWORD>(std::min(kChunkBytes, bytes.size() - done));
    DWORD written = 0;
    if (!::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) || written == 0)
      return false;
    done += written;
  }
  return ::FlushFileBuffers(file.get()) != FALSE;
}

}  // namespace

int Win32FileServices::GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                                const std::string& defaultValue,
                                                std::string& returned, int size,
                                                const std::string& file) {
  returned.clear();
  if (size <= 0)
    return 0;
  std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
  const DWORD copied =
      ::GetPrivateProfileStringA(host::ToHostBytes(section).c_str(), host::ToHostBytes(key).c_str(),
                                 host::ToHostBytes(defaultValue).c_str(), buffer.data(),
                                 static_cast<DWORD>(size), host::ToHostBytes(file).c_str());
  returned = host::FromHostBytes(std::string_view(buffer.data(), copied));
  return static_cast<int>(copied);
}

bool Win32FileServices::WritePrivateProfileStringA(const std::string& section,
                                                   const std::string& key, const std::string& value,
                                                   const std::string& file) {
  return ::WritePrivateProfileStringA(
             host::ToHostBytes(section).c_str(), host::ToHostBytes(key).c_str(),
             host::ToHostBytes(value).c_str(), host::ToHostBytes(file).c_str()) != FALSE;
}

bool Win32FileServices::sndPlaySoundA(const std::string& file, std::uint32_t flags) {
  return ::sndPlaySoundA(host::ToHostBytes(file).c_str(), flags) != FALSE;
}

std::uint32_t Win32FileServices::mciSendStringA(const std::string& command, std::string* returned,
                                                std::uint32_t returnLength,
                                                host::WindowHandle callback) {
  const HWND window = ToHwnd(callback);
  if (!returned || returnLength == 0)
    return ::mciSendStringA(host::ToHostBytes(command).c_str(), nullptr, 0, window);
  std::vector<char> buffer(returnLength, '\0');
  const MCIERROR result =
      ::mciSendStringA(host::ToHostBytes(command).c_str(), buffer.data(), returnLength, window);
  buffer.back() = '\0';
  *returned = host::FromHostBytes(buffer.data());
  return result;
}

std::string Win32FileServices::FindFileName(const std::string& path) {
  if (path.empty())
    return {};
  // FindFirstFile finds nothing for a path that ends in a separator; the directory
  // search lists that folder's files, as for the folder followed by "*".
  const bool folder = path.back() == '\\' || path.back() == '/';
  const std::string searched = folder ? path + kEveryFile : path;
  WIN32_FIND_DATAA found{};
  const HANDLE search = ::FindFirstFileA(host::ToHostBytes(searched).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return {};
  std::string name;
  do {
    if ((found.dwFileAttributes & kUnlisted) == 0) {
      name = host::FromHostBytes(found.cFileName);
      break;
    }
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
  return name;
}

int Win32FileServices::GetFileAttributesA(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(host::ToHostBytes(path).c_str());
  if (path.empty() || attributes == INVALID_FILE_ATTRIBUTES || attributes == FILE_ATTRIBUTE_NORMAL)
    return kAttributesNormal;
  return static_cast<int>(attributes);
}

bool Win32FileServices::SetFileAttributesA(const std::string& path, int attributes) {
  const DWORD bits = static_cast<DWORD>(attributes) & kLibraryAttributes;
  // 0 would leave the attributes as they are; NORMAL clears them.
  return ::SetFileAttributesA(host::ToHostBytes(path).c_str(),
                              bits ? bits : FILE_ATTRIBUTE_NORMAL) != FALSE;
}

std::optional<std::string> Win32FileServices::ReadFileContents(const std::string& path) {
  if (path.empty())
    return std::nullopt;
  FileHandle file(::CreateFileA(host::ToHostBytes(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file.valid() || !::GetFileSizeEx(file.get(), &size))
    return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    const auto chunk = static_cast<DWORD>(std::min(kChunkBytes, bytes.size() - done));
    DWORD read = 0;
    if (!::ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr))
      return std::nullopt;
    if (read == 0)
      break;  // the file shrank meanwhile
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

bool Win32FileServices::WriteFileAtomically(const std::string& path, const std::string& bytes) {
  if (path.empty())
    return false;
  const std::string target = host::ToHostBytes(path);
  const DWORD existing = ::GetFileAttributesA(target.c_str());
  if (existing != INVALID_FILE_ATTRIBUTES && (existing & kRefusesOutput))
    return false;
  const std::string temporary = target + kSavingSuffix;
  if (WriteNewFile(temporary, bytes) &&
      ::MoveFileExA(temporary.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  ::DeleteFileA(temporary.c_str());
  return false;
}

}  // namespace velto::library
