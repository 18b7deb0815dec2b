// Files and settings, as velto.h declares them.
#include "dll/velto.h"
#include "dll/win32_dll_boundary.h"
#include "library/files/files_and_settings.h"

namespace dll = velto::dll;
namespace library = velto::library;

int VELTO_CALL velto_FileExists(const VELTO_CHAR* path) {
  return dll::OnHost([&](dll::Session& session) {
    return dll::AsFlag(library::FileExists(session.files, dll::Text(path)));
  });
}

int VELTO_CALL velto_ReadFileAttributes(const VELTO_CHAR* path) {
  return dll::OnHost([&](dll::Session& session) {
    return library::ReadFileAttributes(session.files, dll::Text(path));
  });
}

int VELTO_CALL velto_MakeFileNormal(const VELTO_CHAR* path) {
  return dll::OnHost([&](dll::Session& session) {
    return library::MakeFileNormal(session.files, dll::Text(path));
  });
}

int VELTO_CALL velto_MakeFileReadOnly(const VELTO_CHAR* path) {
  return dll::OnHost([&](dll::Session& session) {
    return library::MakeFileReadOnly(session.files, dll::Text(path));
  });
}

int VELTO_CALL velto_MakeFileHidden(const VELTO_CHAR* path) {
  return dll::OnHost([&](dll::Session& session) {
    return library::MakeFileHidden(session.files, dll::Text(path));
  });
}

int VELTO_CALL velto_WriteIniValue(const VELTO_CHAR* section, const VELTO_CHAR* key,
                                   const VELTO_CHAR* value, const VELTO_CHAR* file) {
  return dll::OnHost([&](dll::Session& session) {
    return library::WriteIniValue(session.files, dll::Text(section), dll::Text(key),
                                  dll::Text(value), dll::Text(file));
  });
}

int VELTO_CALL velto_ReadIniValue(const VELTO_CHAR* section, VELTO_CHAR* key, int keySize,
                                  const VELTO_CHAR* file, VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& session) {
    const dll::Output output(result, resultSize);
    dll::InOut edited(key, keySize);
    return dll::PutBoth(
        edited, output,
        library::ReadIniValue(session.files, dll::Text(section), edited.text, dll::Text(file)));
  });
}

int VELTO_CALL velto_SaveTextBox(VELTO_WINDOW textBox, const VELTO_CHAR* path) {
  return dll::OnHost([&](dll::Session& session) {
    auto textBoxControl = dll::TextBoxOf(textBox);
    return library::SaveTextBox(session.files, textBoxControl, dll::Text(path));
  });
}

int VELTO_CALL velto_LoadTextBox(VELTO_WINDOW textBox, const VELTO_CHAR* path) {
  return dll::OnHost([&](dll::Session& session) {
    auto textBoxControl = dll::TextBoxOf(textBox);
    return library::LoadTextBox(session.files, textBoxControl, dll::Text(path));
  });
}

int VELTO_CALL velto_SaveListBox(const VELTO_CHAR* path, VELTO_WINDOW listBox) {
  return dll::OnHost([&](dll::Session& session) {
    auto listBoxControl = dll::ListOf(listBox);
    return library::SaveListBox(session.files, dll::Text(path), listBoxControl);
  });
}

int VELTO_CALL velto_SaveComboBox(const VELTO_CHAR* path, VELTO_WINDOW comboBox) {
  return dll::OnHost([&](dll::Session& session) {
    auto comboBoxControl = dll::ListOf(comboBox);
    return library::SaveComboBox(session.files, dll::Text(path), comboBoxControl);
  });
}

int VELTO_CALL velto_LoadListBox(const VELTO_CHAR* path, VELTO_WINDOW listBox) {
  return dll::OnHost([&](dll::Session& session) {
    auto listBoxControl = dll::ListOf(listBox);
    return library::LoadListBox(session.files, session.platform, dll::Text(path), listBoxControl);
  });
}

int VELTO_CALL velto_LoadComboBox(const VELTO_CHAR* path, VELTO_WINDOW comboBox) {
  return dll::OnHost([&](dll::Session& session) {
    auto comboBoxControl = dll::ListOf(comboBox);
    return library::LoadComboBox(session.files, session.platform, dll::Text(path), comboBoxControl);
  });
}

int VELTO_CALL velto_SaveListPair(const VELTO_CHAR* path, VELTO_WINDOW first, VELTO_WINDOW second) {
  return dll::OnHost([&](dll::Session& session) {
    auto firstControl = dll::ListOf(first);
    auto secondControl = dll::ListOf(second);
    return library::SaveListPair(session.files, dll::Text(path), firstControl, secondControl);
  });
}

int VELTO_CALL velto_LoadListPair(const VELTO_CHAR* path, VELTO_WINDOW first, VELTO_WINDOW second) {
  return dll::OnHost([&](dll::Session& session) {
    auto firstControl = dll::ListOf(first);
    auto secondControl = dll::ListOf(second);
    return library::LoadListPair(session.files, session.platform, dll::Text(path), firstControl,
                                 secondControl);
  });
}

int VELTO_CALL velto_PlayWave(const VELTO_CHAR* path) {
  return dll::OnHost(
      [&](dll::Session& session) { return library::PlayWave(session.files, dll::Text(path)); });
}

int VELTO_CALL velto_PlayMedia(const VELTO_CHAR* path) {
  return dll::OnHost(
      [&](dll::Session& session) { return library::PlayMedia(session.files, dll::Text(path)); });
}

int VELTO_CALL velto_StopMedia(const VELTO_CHAR* path) {
  return dll::OnHost(
      [&](dll::Session& session) { return library::StopMedia(session.files, dll::Text(path)); });
}
