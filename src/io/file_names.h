#pragma once

#include <string>

namespace skyloom {

// True when a name typed by the user can stand as a plain file name inside the
// chosen folder on every platform: no path separators, no "." or "..", none of
// the characters Windows refuses, no control characters, no trailing blank or
// point, not empty, and no Windows device name (CON, NUL, COM1, LPT1, ...).
bool isPlainFileName(const std::string& name);

// The message shown when a typed name is refused.
std::string refusedNameMessage(const std::string& name);

}  // namespace skyloom
