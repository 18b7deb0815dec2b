#include "library/files/posix_file_services.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "host/host_text.h"
#include "library/files/internal/profile_text.h"

namespace velto::library {
namespace fs = std::filesystem;
namespace {

constexpr auto kAnyWrite =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

fs::path PathOf(const std::string& utf8) {
  return fs::u8path(utf8);
}

fs::path Normalised(const fs::path& path) {
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error);
  return (error ? path : absolute).lexically_normal();
}

bool HasWildcards(std::string_view name) {
  return name.find_first_of("*?") != std::string_view::npos;
}

// * matches any run of characters and ? any one, with the file system's own case;
// "*.*" means every name, dot or not, as Windows has it.
bool MatchesWildcards(std::string_view pattern, std::string_view name) {
  if (pattern == "*.*")
    pattern = "*";
  std::size_t p = 0;
  std::size_t n = 0;
  std::size_t star = std::string_view::npos;
  std::size_t starMatched = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      starMatched = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++starMatched;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::optional<std::string> ReadBytes(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error))
    return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad())
    return std::nullopt;
  return bytes;
}

bool IsReadOnly(const fs::file_status& status) {
  return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

}  // namespace

// --- private profile files ---

fs::path PosixFileServices::ProfilePath(const std::string& file) const {
  if (file.find_first_of("/\\") == std::string::npos)
    return windowsFolder_ / PathOf(file);
  return PathOf(file);
}

int PosixFileServices::GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                                const std::string& defaultValue,
                                                std::string& returned, int size,
                                                const std::string& file) {
  const std::string text = file.empty() ? std::string() : ReadBytes(ProfilePath(file)).value_or("");
  const std::string copied =
      profile::GetProfileString(text, host::ToHostBytes(section), host::ToHostBytes(key),
                                host::ToHostBytes(defaultValue), size);
  returned = host::FromHostBytes(copied);
  return static_cast<int>(copied.size());
}

bool PosixFileServices::WritePrivateProfileStringA(const std::string& section,
                                                   const std::string& key, const std::string& value,
                                                   const std::string& file) {
  if (file.empty())
    return false;
  const fs::path path = ProfilePath(file);
  if (!CanOpenForOutput(path))
    return false;
  const std::optional<std::string> old = ReadBytes(path);
  const std::string updated =
      profile::SetProfileString(old.value_or(""), host::ToHostBytes(section),
                                host::ToHostBytes(key), host::ToHostBytes(value));
  if (old == updated)
    return true;
  // Windows rewrites a profile file in place, not through a temporary file.
  return WriteWhole(path, updated);
}

// --- sound and media ---

bool PosixFileServices::sndPlaySoundA(const std::string& file, std::uint32_t flags) {
  calls_.push_back({"sndPlaySoundA", file, flags});
  return true;
}

std::uint32_t PosixFileServices::mciSendStringA(const std::string& command, std::string* returned,
                                                std::uint32_t returnLength, host::WindowHandle) {
  calls_.push_back({"mciSendStringA", command, returnLength});
  if (returned)
    returned->clear();
  return 0;
}

// --- the file system ---

bool PosixFileServices::IsHidden(const fs::path& path) const {
  return hidden_.count(Normalised(path)) != 0;
}

bool PosixFileServices::IsVisibleFile(const fs::path& path) const {
  std::error_code error;
  return fs::is_regular_file(path, error) && !IsHidden(path);
}

std::string PosixFileServices::FindFileName(const std::string& path) {
  calls_.push_back({"FindFileName", path, 0});
  if (path.empty())
    return {};
  const fs::path searched = PathOf(path);
  // A path that ends in a separator lists that folder's files.
  const bool wholeFolder = searched.filename().empty();
  const std::string pattern = wholeFolder ? std::string("*") : searched.filename().u8string();
  if (!HasWildcards(pattern))
    return IsVisibleFile(searched) ? pattern : std::string();

  const fs::path folder = wholeFolder                  ? searched
                          : searched.has_parent_path() ? searched.parent_path()
                                                       : fs::path(".");
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().u8string();
    if (MatchesWildcards(pattern, name) && IsVisibleFile(it->path()))
      names.push_back(name);
  }
  if (names.empty())
    return {};
  return *std::min_element(names.begin(), names.end());
}

int PosixFileServices::GetFileAttributesA(const std::string& path) {
  std::error_code error;
  const fs::path file = PathOf(path);
  const fs::file_status status = fs::status(file, error);
  if (path.empty() || error || !fs::exists(status))
    return kAttributesNormal;
  // The archive bit, which POSIX has no place for, reads as set on every file, as Wine
  // and a newly written file on Windows have it.
  const int kind = fs::is_directory(status) ? kAttributeDirectory : kAttributeArchive;
  return kind | (IsReadOnly(status) ? kAttributeReadOnly : 0) |
         (IsHidden(file) ? kAttributeHidden : 0);
}

bool PosixFileServices::SetFileAttributesA(const std::string& path, int attributes) {
  std::error_code error;
  const fs::path file = PathOf(path);
  if (path.empty() || !fs::exists(file, error))
    return false;
  if (attributes & kAttributeReadOnly)
    fs::permissions(file, kAnyWrite, fs::perm_options::remove, error);
  else
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, error);
  if (attributes & kAttributeHidden)
    hidden_.insert(Normalised(file));
  else
    hidden_.erase(Normalised(file));
  return !error;
}

// --- whole files ---

std::optional<std::string> PosixFileServices::ReadFileContents(const std::string& path) {
  if (path.empty())
    return std::nullopt;
  return ReadBytes(PathOf(path));
}

bool PosixFileServices::CanOpenForOutput(const fs::path& path) const {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (fs::exists(status))
    return fs::is_regular_file(status) && !IsReadOnly(status) && !IsHidden(path);
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  return fs::is_directory(folder, error);
}

bool PosixFileServices::WriteWhole(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out)
    return false;
  const std::size_t fits =
      static_cast<std::size_t>(std::min<std::uintmax_t>(bytes.size(), freeSpace_));
  out.write(bytes.data(), static_cast<std::streamsize>(fits));
  freeSpace_ -= fits;
  out.close();
  return fits == bytes.size() && !out.fail();
}

bool PosixFileServices::WriteFileAtomically(const std::string& path, const std::string& bytes) {
  if (path.empty())
    return false;
  const fs::path target = PathOf(path);
  if (!CanOpenForOutput(target))
    return false;
  fs::path temporary = target;
  temporary += kSavingSuffix;
  std::error_code error;
  if (WriteWhole(temporary, bytes)) {
    fs::rename(temporary, target, error);
    if (!error)
      return true;
  }
  fs::remove(temporary, error);
  return false;
}

}  // namespace velto::library
