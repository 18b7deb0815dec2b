#pragma once

#include <string>

#include "standin/standin_host.h"

namespace velto::standin {

// One record of the stand-in host's log, ending in a newline:
//   "<seconds since start, 3 decimals> CHAT <line>"
//   "<seconds> KEYWORD <keyword>"
//   "<seconds> IM <recipient> <message>"
//   "<seconds> MENU <menu entry>"
//   "<seconds> MAIL <what a mail window did>"       (StandinMail::onEvent)
//   "<seconds> ACCOUNT <what an account window did>" (StandinAccounts::onEvent)
// Text is written byte for byte as the host received it (Windows-1252), except that a
// carriage return or line feed inside it is written as \r or \n, so that one record
// stays one line for the tests that read the log as it grows.
std::string FormatLogRecord(const Received& received);

}  // namespace velto::standin
