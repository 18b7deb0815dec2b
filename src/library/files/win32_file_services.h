#pragma once

#include "library/files/file_services.h"

namespace velto::library {

// The file services over kernel32 and winmm. Paths and text go out as the host's
// 8-bit code page.
class Win32FileServices : public FileServices {
 public:
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
};

}  // namespace velto::library
