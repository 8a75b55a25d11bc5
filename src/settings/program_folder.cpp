#include "settings/program_folder.h"

#include <array>

#include "io/file_system.h"
#include "settings/settings_files.h"

namespace skyloom {

namespace {

constexpr const char* kAircraftTableName = "AC.dat";
constexpr const char* kSampleNavDataName = "navdata-sample";
constexpr const char* kPlansName = "plans";

// The files an installed program folder gets from the installed data, as
// paths below both folders.
std::array<std::string, 7> installedFiles() {
    const std::string s(1, kPathSeparator);
    return {kAircraftTableName,
            "B737NG.dat",
            "B747PMDG.dat",
            "LevelD767.dat",
            "PSS777.dat",
            "documentation" + s + "Skyloom.htm",
            "map" + s + "ne_110m_land.geojson"};
}

std::string folderOf(const std::string& path) {
    const std::size_t end = path.rfind(kPathSeparator);
    return end == std::string::npos ? std::string() : path.substr(0, end);
}

// The first start: the output folders and a path.ini on the sample database.
std::string createProgramFolder(const ProgramFolderPlace& place) {
    const std::string s(1, kPathSeparator);
    const std::string plans = place.programFolder + s + kPlansName + s;
    PathLines lines = {place.installedData + s + kSampleNavDataName + s};
    const char* kinds[] = {"pmdg", "ivap", "fs", "leveld", "pss"};
    for (std::size_t i = 0; i < std::size(kinds); ++i) {
        lines[i + 1] = plans + kinds[i] + s;
        if (!createFolder(lines[i + 1])) {
            return "cannot create the folder " + lines[i + 1];
        }
    }
    WriteResult written = WritePathIni(place.programFolder + s + kPathIniName, lines);
    return written.ok ? std::string() : written.error;
}

}  // namespace

std::string InstalledDataFolder(const std::string& executableFolder) {
    const std::string s(1, kPathSeparator);
    return folderOf(executableFolder) + s + "share" + s + "skyloom";
}

ProgramFolderPlace ChooseProgramFolder(const ProgramFolderFacts& facts) {
    const ProgramFolderPlace own{facts.executableFolder, ""};
    if (facts.dataBesideExecutable || !facts.installedDataPresent) {
        return own;
    }
    const std::string s(1, kPathSeparator);
    std::string dataHome;
    if (isAbsolutePath(facts.xdgDataHome)) {
        dataHome = withoutTrailingSeparator(facts.xdgDataHome);
    } else if (!facts.home.empty()) {
        dataHome = withoutTrailingSeparator(facts.home) + s + ".local" + s + "share";
    } else {
        return own;
    }
    return {dataHome + s + "skyloom", InstalledDataFolder(facts.executableFolder)};
}

std::string PrepareProgramFolder(const ProgramFolderPlace& place) {
    if (place.installedData.empty()) {
        return "";
    }
    if (!folderExists(place.programFolder)) {
        if (!createFolder(place.programFolder)) {
            return "cannot create the folder " + place.programFolder;
        }
        if (std::string error = createProgramFolder(place); !error.empty()) {
            return error;
        }
    }
    for (const std::string& name : installedFiles()) {
        const std::string target = place.programFolder + kPathSeparator + name;
        const std::string source = place.installedData + kPathSeparator + name;
        if (fileExists(target) || !fileExists(source)) {
            continue;
        }
        if (!createFolder(folderOf(target)) || !copyFile(source, target)) {
            return "cannot copy " + source + " to " + target;
        }
    }
    return "";
}

DefaultProgramFolder FindDefaultProgramFolder() {
    ProgramFolderFacts facts;
    facts.executableFolder = executableFolder();
    const std::string s(1, kPathSeparator);
    facts.dataBesideExecutable = fileExists(facts.executableFolder + s + kAircraftTableName);
    facts.installedDataPresent =
        fileExists(InstalledDataFolder(facts.executableFolder) + s + kAircraftTableName);
    facts.xdgDataHome = environmentPath("XDG_DATA_HOME");
    facts.home = environmentPath("HOME");
    const ProgramFolderPlace place = ChooseProgramFolder(facts);
    std::string error = PrepareProgramFolder(place);
    if (!error.empty()) {
        error = "Skyloom could not set up its program folder " + place.programFolder + ": " +
                error + ".";
    }
    return {place.programFolder, error};
}

}  // namespace skyloom
