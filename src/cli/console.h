#pragma once
// The terminal edge of skyloom-cli: the platform calls for its arguments and
// its console, kept out of the core.

#include <string>
#include <vector>

namespace skyloom::cli {

// The program's arguments as UTF-8 (on Windows read from the wide command
// line, so names outside the system code page arrive intact).
std::vector<std::string> commandLineArguments(int argc, char** argv);

// A console that shows UTF-8 output as such.
void useUtf8Console();

bool stdinIsTerminal();

}  // namespace skyloom::cli
