#pragma once

#include <string>

#include "host/platform.h"
#include "library/files/file_services.h"
#include "library/windows/own_controls.h"
#include "library/windows/yes_and_no.h"

// The library's file, settings and sound routines. Texts are UTF-8; paths, profile
// names and file contents reach Windows in its 8-bit code page. Yes/no results are
// kTrue (-1) and kFalse (0). No routine reports a failure: a step that fails is
// skipped.
//
// Each routine that opens a file reads it whole or writes it whole within its own call,
// so nothing stays open while a load runs the event pump, and a handler running there
// may use any of these routines on any file. A save replaces its file in one step: a
// save that fails leaves the old file as it was.
namespace velto::library {

// --- files and their attributes ---
// A file is "found" when the directory search finds it: ordinary and read-only files
// are, hidden and system files and folders are not.

int FileExists(FileServices& files, const std::string& path);  // kFalse for ""
// The file's read-only (1) and hidden (2) bits when found; 0 otherwise.
int ReadFileAttributes(FileServices& files, const std::string& path);
void MakeFileNormal(FileServices& files, const std::string& path);
void MakeFileReadOnly(FileServices& files, const std::string& path);
void MakeFileHidden(FileServices& files, const std::string& path);

// --- settings in a profile (INI) file ---

// Writes the value under the key, upper-cased, in the section.
void WriteIniValue(FileServices& files, const std::string& section, const std::string& key,
                   const std::string& value, const std::string& file);
// Lower-cases the caller's key, then reads its value: empty when there is none, at
// most 749 characters.
std::string ReadIniValue(FileServices& files, const std::string& section, std::string& key,
                         const std::string& file);

// --- controls to and from text files ---
// Files are sequential text files (library/files/internal/sequential_text.h): each item is written
// as a line, and read back up to a comma or a line end with enclosing quotes removed. Loads run the
// event pump before adding each item.

// The text becomes the whole file, followed by a line break.
void SaveTextBox(FileServices& files, const library::TextBoxControl& textBox,
                 const std::string& path);
// The whole file becomes the text.
void LoadTextBox(FileServices& files, library::TextBoxControl& textBox, const std::string& path);
void SaveListBox(FileServices& files, const std::string& path, const library::ListControl& listBox);
void SaveComboBox(FileServices& files, const std::string& path,
                  const library::ListControl& comboBox);
void LoadListBox(FileServices& files, host::Platform& platform, const std::string& path,
                 library::ListControl& listBox);
void LoadComboBox(FileServices& files, host::Platform& platform, const std::string& path,
                  library::ListControl& comboBox);
// One line per item of the first list: the item, "*", and the second list's item at
// the same index (empty where the second list is shorter).
void SaveListPair(FileServices& files, const std::string& path, const library::ListControl& first,
                  const library::ListControl& second);
// Splits every item at its first "*": the left part goes to the first list, the right
// part to the second. An item without "*" is skipped: neither list receives anything.
void LoadListPair(FileServices& files, host::Platform& platform, const std::string& path,
                  library::ListControl& first, library::ListControl& second);

// --- sounds and media, when the file is found ---

// Plays a wave file without waiting, and silently if it cannot be played.
void PlayWave(FileServices& files, const std::string& path);
void PlayMedia(FileServices& files, const std::string& path);
void StopMedia(FileServices& files, const std::string& path);

}  // namespace velto::library
