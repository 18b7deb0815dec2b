#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host/outcome.h"
#include "host/window_handle.h"

// sndPlaySoundA's flags, under their Win32 names. Guarded so that a file which also
// includes <mmsystem.h> sees one definition.
#ifndef SND_ASYNC
inline constexpr std::uint32_t SND_ASYNC = 0x0001;  // return at once, play on
#endif
#ifndef SND_NODEFAULT
inline constexpr std::uint32_t SND_NODEFAULT = 0x0002;  // silence when the file is missing
#endif

namespace velto::library {

// The attribute bits, with the values of Win32's FILE_ATTRIBUTE_... bits. The library
// sets read-only and hidden; a read answers every bit the file has (a file without any
// reads as normal, 0, as Win32's FILE_ATTRIBUTE_NORMAL stands alone).
inline constexpr int kAttributesNormal = 0;
inline constexpr int kAttributeReadOnly = 1;
inline constexpr int kAttributeHidden = 2;
inline constexpr int kAttributeDirectory = 16;
inline constexpr int kAttributeArchive = 32;

// A save goes first to a temporary file named after its target with this appended.
inline constexpr char kSavingSuffix[] = ".saving";

// The platform's file, profile-file and sound operations the library needs, under
// their Win32 names where Win32 has them. Text arguments and results are UTF-8; an
// implementation converts them to the host's 8-bit code page where they cross into
// Windows. File contents travel as they are on disk (8-bit bytes).
//
// The sequential file services are split between this interface and
// library/files/internal/sequential_text.h: here a file is read whole, or written whole; the item
// rules (reading up to a comma or a line end, writing an item and a line break) live in one place
// for every implementation.
//
// Two implementations: Win32FileServices over kernel32 and winmm, and
// PosixFileServices, a substitute over the POSIX file system for tests.
class FileServices {
 public:
  virtual ~FileServices() = default;

  // --- private profile (INI) files ---

  // Copies the value of key in section (or, when there is none, the default) into
  // `returned`, at most size - 1 characters, and returns how many it copied. Sections
  // and keys compare without regard to case and surrounding blanks; a file named
  // without a folder is looked for in the Windows folder.
  virtual int GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                       const std::string& defaultValue, std::string& returned,
                                       int size, const std::string& file) = 0;
  // Sets key in section to value, creating the file, the section (at the end) and the
  // key (at the end of its section) as needed. False when the file cannot be written.
  virtual bool WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                          const std::string& value, const std::string& file) = 0;

  // --- sound and media ---

  virtual bool sndPlaySoundA(const std::string& file, std::uint32_t flags) = 0;
  // `returned` may be null when the caller wants no answer text.
  virtual std::uint32_t mciSendStringA(const std::string& command, std::string* returned,
                                       std::uint32_t returnLength, host::WindowHandle callback) = 0;

  // --- the file system ---

  // The directory search without an attribute argument, as the classic Dir: the name
  // (without its folder) of the first file the path names, wildcards * and ? allowed
  // in its last part; empty when there is none. Ordinary and read-only files count;
  // hidden and system files and folders do not. An empty path finds nothing.
  virtual std::string FindFileName(const std::string& path) = 0;
  // The file's read-only and hidden bits; 0 when it cannot be read.
  virtual int GetFileAttributesA(const std::string& path) = 0;
  // Gives the file exactly these bits (0 makes it normal).
  virtual bool SetFileAttributesA(const std::string& path, int attributes) = 0;

  // --- whole files, for the sequential services ---

  // The file's bytes; nothing when it cannot be opened for input.
  virtual std::optional<std::string> ReadFileContents(const std::string& path) = 0;
  // Replaces the file's contents, whole or not at all: the bytes go to a temporary file
  // beside it (the path followed by kSavingSuffix), which is then renamed over it.
  // Fails, leaving the file as it was, where opening it for output would fail: it is
  // read-only, hidden or a folder, or its folder does not exist.
  virtual bool WriteFileAtomically(const std::string& path, const std::string& bytes) = 0;

  // How the latest call made on these services ended, as host::Platform keeps it for the
  // host: a file that could not be read or written is a failure, one that is not there
  // to act on is nothing to act on.
  void BeginCall() { outcomes_.Begin(); }
  host::Outcome LastOutcome() const { return outcomes_.Last(); }
  // ... for a call that ran on the host too: these services' word where they have one,
  // else the host's.
  host::Outcome LastOutcomeWith(host::Outcome hostOutcome) const {
    return LastOutcome() != host::Outcome::kDone ? LastOutcome() : hostOutcome;
  }
  // Records kDone when `succeeded`, else `otherwise`; returns `succeeded`.
  bool Told(bool succeeded, host::Outcome otherwise = host::Outcome::kFailed) {
    outcomes_.Record(succeeded ? host::Outcome::kDone : otherwise);
    return succeeded;
  }

 private:
  host::OutcomeRecord outcomes_;
};

}  // namespace velto::library
