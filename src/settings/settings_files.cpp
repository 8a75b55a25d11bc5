#include "settings/settings_files.h"

#include <limits>
#include <vector>

#include "io/file_system.h"
#include "io/text_util.h"

namespace skyloom {

namespace {

// The first `count` lines of a file; fewer when the file is shorter. Reading
// stops early so that a huge or binary file costs nothing beyond those lines.
std::optional<std::vector<std::string>> readFirstLines(const std::string& file, std::size_t count) {
    if (!fileExists(file)) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    bool opened = forEachTextLine(file, [&](const std::string& line) {
        lines.push_back(line);
        return lines.size() < count;
    });
    if (!opened) {
        return std::nullopt;
    }
    return lines;
}

std::optional<long long> wholeNumber(const std::string& text) {
    return parseWholeNumber(text, std::numeric_limits<long long>::min() / 2,
                            std::numeric_limits<long long>::max() / 2);
}

}  // namespace

std::optional<PathLines> ReadPathIni(const std::string& file) {
    auto lines = readFirstLines(file, kPathLineCount);
    if (!lines) {
        return std::nullopt;
    }
    PathLines paths;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        paths[i] = (*lines)[i];
    }
    return paths;
}

WriteResult WritePathIni(const std::string& file, const PathLines& lines) {
    return writeTextLines(file, std::vector<std::string>(lines.begin(), lines.end()));
}

PathLines pathSettingsOf(const Settings& settings) {
    return {settings.pathNavData, settings.pathPmdgPlans,   settings.pathIvapPlans,
            settings.pathFsPlans, settings.pathLevelDPlans, settings.pathPssPlans};
}

void setPathSettings(Settings& settings, const PathLines& lines) {
    settings.pathNavData = lines[0];
    settings.pathPmdgPlans = lines[1];
    settings.pathIvapPlans = lines[2];
    settings.pathFsPlans = lines[3];
    settings.pathLevelDPlans = lines[4];
    settings.pathPssPlans = lines[5];
}

std::optional<std::string> ReadUrlIni(const std::string& file) {
    auto lines = readFirstLines(file, 1);
    if (!lines) {
        return std::nullopt;
    }
    return lines->empty() ? std::string() : lines->front();
}

WriteResult WriteUrlIni(const std::string& file, const std::string& url) {
    return writeTextLines(file, {url});
}

std::optional<bool> ReadCheckIni(const std::string& file) {
    auto lines = readFirstLines(file, 1);
    if (!lines || lines->empty()) {
        return std::nullopt;
    }
    auto number = wholeNumber(lines->front());
    if (number == 0) {
        return false;
    }
    if (number == 1) {
        return true;
    }
    return std::nullopt;
}

WriteResult WriteCheckIni(const std::string& file, bool checked) {
    return writeTextLines(file, {checked ? "1" : "0"});
}

std::optional<AircraftIniNumbers> ReadAircraftIni(const std::string& file) {
    auto lines = readFirstLines(file, 4);
    if (!lines) {
        return std::nullopt;
    }
    AircraftIniNumbers numbers{0, 0, 0, 0};
    for (std::size_t i = 0; i < lines->size(); ++i) {
        numbers[i] = wholeNumber((*lines)[i]).value_or(0);
    }
    return numbers;
}

WriteResult WriteAircraftIni(const std::string& file, Aircraft chosen) {
    return writeTextLines(file, AircraftIniLines(chosen));
}

void ReportWriteFailure(Prompts& prompts, const WriteResult& result) {
    if (result.ok) {
        return;
    }
    MessageBox box;
    box.text = result.error;
    box.buttons = MessageButtons::Ok;
    box.icon = MessageIcon::Critical;
    prompts.message(box);
}

}  // namespace skyloom
