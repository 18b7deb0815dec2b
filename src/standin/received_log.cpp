#include "standin/received_log.h"

#include <cstdio>

#include "host/host_text.h"

namespace velto::standin {
namespace {

std::string OnOneLine(const std::string& bytes) {
  std::string line;
  line.reserve(bytes.size());
  for (char c : bytes) {
    if (c == '\r') {
      line += "\\r";
    } else if (c == '\n') {
      line += "\\n";
    } else {
      line += c;
    }
  }
  return line;
}

const char* KindName(Received::Kind kind) {
  switch (kind) {
    case Received::Kind::kChatLine:
      return "CHAT";
    case Received::Kind::kKeyword:
      return "KEYWORD";
    case Received::Kind::kInstantMessage:
      return "IM";
    case Received::Kind::kMenuCommand:
      return "MENU";
    case Received::Kind::kMail:
      return "MAIL";
    case Received::Kind::kAccount:
      return "ACCOUNT";
  }
  return "?";
}

}  // namespace

std::string FormatLogRecord(const Received& received) {
  char time[32];
  std::snprintf(time, sizeof time, "%.3f", received.time);
  std::string record = std::string(time) + ' ' + KindName(received.kind) + ' ';
  if (received.kind == Received::Kind::kInstantMessage) {
    record += OnOneLine(host::ToHostBytes(received.recipient)) + ' ';
  }
  return record + OnOneLine(received.bytes) + '\n';
}

}  // namespace velto::standin
