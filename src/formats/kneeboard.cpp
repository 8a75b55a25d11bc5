#include "formats/kneeboard.h"

#include "formats/print_text.h"
#include "io/file_system.h"
#include "io/text_file.h"
#include "io/text_util.h"

namespace skyloom {

std::optional<std::string> KneeboardFile(const std::string& pathNavData) {
    const std::size_t folder = toLowerAscii(pathNavData).find("fmcwp");
    if (folder == std::string::npos) {
        return std::nullopt;
    }
    return pathNavData.substr(0, folder) + "aircraft" + kPathSeparator + "kneeboard_keys.htm";
}

std::string KneeboardBackupFile(const std::string& kneeboardFile) {
    const std::size_t keep = kneeboardFile.size() >= 3 ? kneeboardFile.size() - 3 : 0;
    return kneeboardFile.substr(0, keep) + "original";
}

std::vector<std::string> KneeboardPageLines(const MainWindowData& data,
                                            const std::vector<std::string>& backupLines) {
    std::vector<std::string> lines;
    lines.emplace_back(kKneeboardOpening);
    // Dashed separator lines are far too wide for the kneeboard.
    for (const std::string& piece : splitAt(replaceAll(data.printText, "----------", ""), kCrLf)) {
        lines.push_back(piece + "<br>");
    }
    lines.emplace_back();
    lines.push_back(FuelStatusLine(data));
    lines.emplace_back();
    lines.insert(lines.end(), data.destinationRunways.begin(), data.destinationRunways.end());
    lines.insert(lines.end(), backupLines.begin(), backupLines.end());
    return lines;
}

}  // namespace skyloom
