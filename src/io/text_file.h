#pragma once
// Reading and writing the program's single-byte text files. Readers accept
// CR LF and bare LF; writers end every line, the last one too, with CR LF and
// never leave a half-written file in place of a good one.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace skyloom {

// All lines of a text file, or nothing when it cannot be opened.
std::optional<std::vector<std::string>> readTextLines(const std::string& path);

// The whole file as it is on disk, or nothing when it cannot be read or holds
// more than `maxBytes`.
std::optional<std::string> readWholeFile(const std::string& path, long long maxBytes);

// Calls `onLine` for every line of the file in order until it returns false.
// Returns false when the file cannot be opened.
bool forEachTextLine(const std::string& path,
                     const std::function<bool(const std::string&)>& onLine);

struct WriteResult {
    bool ok = true;
    std::string error;  // what went wrong, for a message to the user
};

// Writes the bytes first beside the target and then renames them over it, so
// a failure leaves any older file untouched.
WriteResult writeWholeFile(const std::string& path, const std::string& bytes);

// Writes the lines, each followed by CR LF, first beside the target and then
// renamed over it, so a failure leaves any older file untouched.
WriteResult writeTextLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace skyloom
