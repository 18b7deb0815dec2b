#pragma once

#include <functional>
#include <string>

#include "host/platform.h"

namespace velto::library {

// Walks the names of the chat room's people list in list order, reading each from the
// host's memory: the entry's item data is an address in the host; the 32-bit value 24
// bytes past it is a second address; the name starts 6 bytes past that, 8-bit
// characters ended by a NUL, of which at most 16 are read. An entry that cannot be read
// is skipped. `visit` returns false to end the walk. The host process is open only
// while the walk runs. Returns false when there was no list or no process to read.
bool ForEachChatPerson(host::Platform& platform,
                       const std::function<bool(int index, const std::string& name)>& visit);

}  // namespace velto::library
