#include "library/files/files_and_settings.h"

namespace velto::library {
namespace {

// A sound file that is not there is nothing to play.
bool IsFound(FileServices& files, const std::string& path) {
  return files.Told(!files.FindFileName(path).empty(), host::Outcome::kNothingToActOn);
}

void SendMediaCommandWhenFound(FileServices& files, const std::string& verb,
                               const std::string& path) {
  // mciSendString answers 0 when the command was carried out, else its error.
  if (IsFound(files, path))
    files.Told(files.mciSendStringA(verb + " " + path, nullptr, 0, host::kNoWindow) == 0);
}

}  // namespace

void PlayWave(FileServices& files, const std::string& path) {
  if (IsFound(files, path))
    files.Told(files.sndPlaySoundA(path, SND_ASYNC | SND_NODEFAULT));
}

void PlayMedia(FileServices& files, const std::string& path) {
  SendMediaCommandWhenFound(files, "play", path);
}

void StopMedia(FileServices& files, const std::string& path) {
  SendMediaCommandWhenFound(files, "stop", path);
}

}  // namespace velto::library
