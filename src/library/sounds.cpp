#include "library/files_and_settings.h"

namespace velto::library {
namespace {

bool IsFound(host::FileServices& files, const std::string& path) {
  return !files.FindFileName(path).empty();
}

void SendMediaCommandWhenFound(host::FileServices& files, const std::string& verb,
                               const std::string& path) {
  if (IsFound(files, path))
    files.mciSendStringA(verb + " " + path, nullptr, 0, host::kNoWindow);
}

}  // namespace

void PlayWave(host::FileServices& files, const std::string& path) {
  if (IsFound(files, path))
    files.sndPlaySoundA(path, SND_ASYNC | SND_NODEFAULT);
}

void PlayMedia(host::FileServices& files, const std::string& path) {
  SendMediaCommandWhenFound(files, "play", path);
}

void StopMedia(host::FileServices& files, const std::string& path) {
  SendMediaCommandWhenFound(files, "stop", path);
}

}  // namespace velto::library
