#include "library/files/files_and_settings.h"
#include "library/windows/yes_and_no.h"

namespace velto::library {
namespace {

bool IsFound(FileServices& files, const std::string& path) {
  return !files.FindFileName(path).empty();
}

void SetAttributesWhenFound(FileServices& files, const std::string& path, int attributes) {
  if (files.Told(IsFound(files, path), host::Outcome::kNothingToActOn))
    files.Told(files.SetFileAttributesA(path, attributes));
}

}  // namespace

int FileExists(FileServices& files, const std::string& path) {
  // The search for an empty path would list the current folder.
  if (path.empty())
    return kFalse;
  return IsFound(files, path) ? kTrue : kFalse;
}

int ReadFileAttributes(FileServices& files, const std::string& path) {
  return IsFound(files, path) ? files.GetFileAttributesA(path) : kAttributesNormal;
}

void MakeFileNormal(FileServices& files, const std::string& path) {
  SetAttributesWhenFound(files, path, kAttributesNormal);
}

void MakeFileReadOnly(FileServices& files, const std::string& path) {
  SetAttributesWhenFound(files, path, kAttributeReadOnly);
}

void MakeFileHidden(FileServices& files, const std::string& path) {
  SetAttributesWhenFound(files, path, kAttributeHidden);
}

}  // namespace velto::library
