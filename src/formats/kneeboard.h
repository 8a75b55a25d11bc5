#pragma once
// The plan as a page of the simulator's kneeboard. The simulator reads the page
// from <simulator>/aircraft/kneeboard_keys.htm, where <simulator> is the part of
// PathNavData before its "FMCWP" folder. The simulator's own page is kept once
// as kneeboard_keys.original and every run rebuilds the page from it:
//
//   <PRE><font face="Courier new"style="font-size: 8pt">
//   print text line<br>
//   ...
//   <empty line>
//   fuel status line
//   <empty line>
//   runway lines
//   the lines of kneeboard_keys.original

#include <optional>
#include <string>
#include <vector>

#include "core/main_data.h"

namespace skyloom {

inline constexpr const char* kKneeboardOpening =
    "<PRE><font face=\"Courier new\"style=\"font-size: 8pt\">";

// PathNavData up to its first "FMCWP" (any letter case) + "aircraft" +
// separator + "kneeboard_keys.htm"; nothing when PathNavData holds no "FMCWP".
std::optional<std::string> KneeboardFile(const std::string& pathNavData);
// The backup's name: the page's name without its last three characters ("htm")
// followed by "original".
std::string KneeboardBackupFile(const std::string& kneeboardFile);

// The lines of the new page: our part first, then the lines of the backup.
std::vector<std::string> KneeboardPageLines(const MainWindowData& data,
                                            const std::vector<std::string>& backupLines);

}  // namespace skyloom
