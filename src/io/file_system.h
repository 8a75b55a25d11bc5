#pragma once
// The one place that knows how the platform names and touches files. Paths are
// Windows-1252 text like every other text of the core; they are converted to
// the platform's own file names here and nowhere else.

#include <filesystem>
#include <string>

namespace skyloom {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The platform path for a Windows-1252 path text (UTF-16 on Windows, UTF-8 elsewhere).
std::filesystem::path toNativePath(const std::string& path1252);
// The Windows-1252 text of a platform path; characters outside it become '?'.
std::string fromNativePath(const std::filesystem::path& path);

// Windows-1252 <-> UTF-8, for the edges of the program (terminal, command line).
std::string utf8From1252(const std::string& text);
std::string cp1252FromUtf8(const std::string& text);
// Appends the UTF-8 bytes of one Unicode code point.
void appendUtf8(std::string& out, char32_t codePoint);

bool fileExists(const std::string& path);
bool folderExists(const std::string& path);
// Creates the folder (and missing parents); true when it exists afterwards.
bool createFolder(const std::string& path);
// Copies a file, replacing nothing: false when the copy failed.
bool copyFile(const std::string& from, const std::string& to);
// Size of a file in bytes, -1 when it cannot be read.
long long fileSize(const std::string& path);

// The folder holding the running executable, without a trailing separator.
std::string executableFolder();
// The value of an environment variable that names a path, as Windows-1252
// text; empty when it is unset.
std::string environmentPath(const char* name);
// True for a path from the root of the file system (a drive's root on Windows).
bool isAbsolutePath(const std::string& path);
// The folder path without separators at its end, as ProgramFolder is kept
// (a lone "/" stays).
std::string withoutTrailingSeparator(std::string folder);

}  // namespace skyloom
