#pragma once

#include <windows.h>

#include <string>

#include "standin/standin_host.h"

namespace velto::standin {

// Watches a file for misbehaviour orders, one a line (as ParseMisbehaviour reads them),
// and carries out each new line as it is appended. Tests steer a running stand-in host
// this way.
void WatchControlFile(HostWindows& windows, StandinHost& host, const std::string& pathUtf8);

// The orders, for a person: entries of the frame's system menu.
void AddMisbehaviourMenu(HWND frame);
// Carries out the order if the message is a choice from that menu; returns whether it was.
bool RunMisbehaviourMenuChoice(const MSG& msg, StandinHost& host);

}  // namespace velto::standin
