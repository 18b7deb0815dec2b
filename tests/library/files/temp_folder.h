#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace velto::testing {

// A fresh folder under the system's temporary folder, removed with everything in it
// when the test ends. Paths come out as the UTF-8 strings the file routines take.
class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() /
              ("velto-files-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(folder_);
  }
  ~TempFolder() {
    std::error_code ignored;
    // Read-only files would stop the removal on Windows.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_, ignored)) {
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                   std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::remove_all(folder_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path(const std::string& name) const { return (folder_ / name).u8string(); }
  std::string Folder() const { return folder_.u8string(); }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(folder_ / name, std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(folder_ / name); }
  void MakeFolder(const std::string& name) const {
    std::filesystem::create_directories(folder_ / name);
  }

 private:
  std::filesystem::path folder_;
};

}  // namespace velto::testing
