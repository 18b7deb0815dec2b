#include "library/files/files_and_settings.h"

namespace velto::library {
namespace {

bool IsFound(FileServices& files, const std::string& path) {
  return !files.FindFileName(path).empty();
}

void SendMediaCommandWhenFound(FileServices& files, const std::string& verb,
                               const std::string& path) {
  if (IsFound(files, path))
    files.mciSendStringA(verb + " " + path, nullptr, 0, host::kNoWindow);
}

}  // namespace

void PlayWave(FileServices& files, const std::string& path) {
  if (IsFound(files, path))
    files.sndPlaySoundA(path, SND_ASYNC | SND_NODEFAULT);
}

void PlayMedia(FileServices& files, const std::string& path) {
  SendMediaCommandWhenFound(files, "play", path);
}

void StopMedia(FileServices& files, const std::string& path) {
  SendMediaCommandWhenFound(files, "stop", path);
}

}  // namespace velto::library
