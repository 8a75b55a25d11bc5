#include "settings/path_settings.h"

#include "io/file_system.h"

namespace skyloom {

bool PathIniExists(const Settings& settings) {
    return fileExists(settings.besideProgram(kPathIniName));
}

std::string DummyFolder(const Settings& settings) {
    return settings.besideProgram("DUMMY") + kPathSeparator;
}

PathLines ProposedPathLines(const Settings& settings) {
    if (auto lines = ReadPathIni(settings.besideProgram(kPathIniName))) {
        return *lines;
    }
    PathLines lines;
    lines.fill(DummyFolder(settings));
    return lines;
}

bool SavePathSettings(Settings& settings, Prompts& prompts, const PathLines& lines) {
    WriteResult written = WritePathIni(settings.besideProgram(kPathIniName), lines);
    setPathSettings(settings, lines);
    ReportWriteFailure(prompts, written);
    return written.ok;
}

}  // namespace skyloom
