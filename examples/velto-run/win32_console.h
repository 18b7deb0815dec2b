#pragma once

#include <string>
#include <vector>

namespace velto_run {

// The program's arguments after its name, in UTF-8 whatever the machine's code page.
std::vector<std::string> CommandLineArguments();

// Makes the console show UTF-8 output as such (a redirected output takes the bytes).
void UseUtf8Console();

}  // namespace velto_run
