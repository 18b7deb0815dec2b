#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "library/files/file_services.h"

namespace velto::library {

// A call the substitute recorded instead of making a sound or searching.
struct RecordedCall {
  std::string function;     // "FindFileName", "sndPlaySoundA" or "mciSendStringA"
  std::string text;         // the path, the sound file or the command
  std::uint32_t value = 0;  // sndPlaySoundA's flags, mciSendStringA's return length
  bool operator==(const RecordedCall& other) const {
    return function == other.function && text == other.text && value == other.value;
  }
};

// The file services over the POSIX file system (std::filesystem, so it builds for
// Windows too), for tests:
// - profile files follow Windows' rules (library/files/internal/profile_text.h), on 8-bit files;
// - read-only is a file without its owner's write permission (checked here, since the
//   system lets root write anyway);
// - hidden is a flag this object records when it is set: POSIX has no such bit, and
//   a leading dot cannot be added without renaming the file. Dot files are ordinary;
// - sounds and media are not played but recorded, with every directory search.
class PosixFileServices : public FileServices {
 public:
  // A profile file named without a folder lives in `windowsFolder`, as Windows keeps
  // such files in its own folder.
  explicit PosixFileServices(std::filesystem::path windowsFolder = std::filesystem::current_path())
      : windowsFolder_(std::move(windowsFolder)) {}

  const std::vector<RecordedCall>& Calls() const { return calls_; }

  // A disk that holds only this many more bytes: longer writes fail part way.
  void SetFreeSpace(std::uintmax_t bytes) { freeSpace_ = bytes; }

  // --- FileServices ---
  int GetPrivateProfileStringA(const std::string& section, const std::string& key,
                               const std::string& defaultValue, std::string& returned, int size,
                               const std::string& file) override;
  bool WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                  const std::string& value, const std::string& file) override;
  bool sndPlaySoundA(const std::string& file, std::uint32_t flags) override;
  std::uint32_t mciSendStringA(const std::string& command, std::string* returned,
                               std::uint32_t returnLength, host::WindowHandle callback) override;
  std::string FindFileName(const std::string& path) override;
  int GetFileAttributesA(const std::string& path) override;
  bool SetFileAttributesA(const std::string& path, int attributes) override;
  std::optional<std::string> ReadFileContents(const std::string& path) override;
  bool WriteFileAtomically(const std::string& path, const std::string& bytes) override;

 private:
  std::filesystem::path ProfilePath(const std::string& file) const;
  bool IsHidden(const std::filesystem::path& path) const;
  bool IsVisibleFile(const std::filesystem::path& path) const;
  bool CanOpenForOutput(const std::filesystem::path& path) const;
  bool WriteWhole(const std::filesystem::path& path, const std::string& bytes);

  std::filesystem::path windowsFolder_;
  std::set<std::filesystem::path> hidden_;  // absolute, normalised
  std::vector<RecordedCall> calls_;
  std::uintmax_t freeSpace_ = std::numeric_limits<std::uintmax_t>::max();
};

}  // namespace velto::library
