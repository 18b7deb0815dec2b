#include "idler/chat_lines.h"

namespace velto::idler::lines {
namespace {

std::string Prefixed(std::string_view text) {
  std::string line(kPrefix);
  line += text;
  return line;
}

}  // namespace

std::string StartedLine() {
  return Prefixed("Velto Idler \u2039\u203A [ Started  ]");
}
std::string StoppedLine() {
  return Prefixed(" Velto Idle \u2039\u203A [ Stopped ]");
}
std::string BannerLine() {
  return Prefixed(" Velto Idle By Vrel \u2039\u203A");
}

std::string IdleLine(const std::string& counter, const std::string& reason) {
  return Prefixed(" [<b>" + counter + "</b>] Min \u2022 [" + reason + "]    ");
}

std::string ImsOffLine() {
  return Prefixed("Velto Idler \u2039\u203A [ ims are now off  ]");
}
// The on line ends in a double quote, unlike the off line; peers know it that way.
std::string ImsOnLine() {
  return Prefixed("Velto Idler \u2039\u203A [ ims are now on  ]\"");
}
std::string UnloadedLine() {
  return Prefixed(" Unloaded \u2039\u203A ");
}
std::string UnloadLine() {
  return "<> Velto Idle \u2039\u203A By: Vrel";
}

std::string AnnouncementLine() {
  return "< font . color=#1e90ff > \u2039\u00AC\u00B7 < font . color=#f00f00  > Velto Idle by: "
         "Vrel";
}

std::string LoadedByLine(const std::string& handle) {
  return Prefixed(" Loaded by: " + handle + " \u2039\u203A ");
}

}  // namespace velto::idler::lines
