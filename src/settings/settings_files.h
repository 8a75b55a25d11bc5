#pragma once
// The small settings files beside the program: path.ini (six folder paths),
// url.ini (route-finder address), check.ini ("create FS-PLAN") and AC.ini (the
// chosen aircraft). Readers take the full file path and tolerate short or
// garbled files; writers replace the file as a whole.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/main_data.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "io/text_file.h"

namespace skyloom {

inline constexpr const char* kPathIniName = "path.ini";
inline constexpr const char* kUrlIniName = "url.ini";
inline constexpr const char* kCheckIniName = "check.ini";
inline constexpr const char* kAircraftIniName = "AC.ini";

inline constexpr int kPathLineCount = 6;
// The lines of path.ini in file order: PathNavData, PathPmdgPlans,
// PathIvapPlans, PathFsPlans, PathLevelDPlans, PathPssPlans.
using PathLines = std::array<std::string, kPathLineCount>;

// The six lines of path.ini; lines the file lacks are empty, lines past the
// sixth are ignored. Nothing when the file cannot be opened.
std::optional<PathLines> ReadPathIni(const std::string& file);
WriteResult WritePathIni(const std::string& file, const PathLines& lines);

PathLines pathSettingsOf(const Settings& settings);
void setPathSettings(Settings& settings, const PathLines& lines);

// The first line of url.ini; nothing when the file cannot be opened.
std::optional<std::string> ReadUrlIni(const std::string& file);
WriteResult WriteUrlIni(const std::string& file, const std::string& url);

// check.ini: true for "1", false for "0" (blanks around allowed). Nothing
// when the file is missing or holds anything else, so the caller keeps its
// default.
std::optional<bool> ReadCheckIni(const std::string& file);
WriteResult WriteCheckIni(const std::string& file, bool checked);

// AC.ini: one number per line for Option1 .. Option4. A line that is missing,
// empty or not a whole number counts as 0. Nothing when the file cannot be opened.
using AircraftIniNumbers = std::array<long long, 4>;
std::optional<AircraftIniNumbers> ReadAircraftIni(const std::string& file);
WriteResult WriteAircraftIni(const std::string& file, Aircraft chosen);

// Tells the user that a settings file could not be written (the message names
// the file). Does nothing when the write succeeded.
void ReportWriteFailure(Prompts& prompts, const WriteResult& result);

}  // namespace skyloom
