#include "library/files_and_settings.h"

namespace velto::library {
namespace {

bool IsFound(host::FileServices& files, const std::string& path) {
  return !files.FindFileName(path).empty();
}

void SetAttributesWhenFound(host::FileServices& files, const std::string& path, int attributes) {
  if (IsFound(files, path))
    files.SetFileAttributesA(path, attributes);
}

}  // namespace

int FileExists(host::FileServices& files, const std::string& path) {
  // The search for an empty path would list the current folder.
  if (path.empty())
    return kFalse;
  return IsFound(files, path) ? kTrue : kFalse;
}

int ReadFileAttributes(host::FileServices& files, const std::string& path) {
  return IsFound(files, path) ? files.GetFileAttributesA(path) : host::kAttributesNormal;
}

void MakeFileNormal(host::FileServices& files, const std::string& path) {
  SetAttributesWhenFound(files, path, host::kAttributesNormal);
}

void MakeFileReadOnly(host::FileServices& files, const std::string& path) {
  SetAttributesWhenFound(files, path, host::kAttributeReadOnly);
}

void MakeFileHidden(host::FileServices& files, const std::string& path) {
  SetAttributesWhenFound(files, path, host::kAttributeHidden);
}

}  // namespace velto::library
