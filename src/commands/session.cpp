#include "commands/session.h"

#include <filesystem>
#include <utility>

#include "io/file_system.h"

#include "navdata/nav_file.h"

namespace skyloom {

Session::Session(std::string programFolder, Prompts& userPrompts) : prompts(userPrompts) {
    settings.programFolder = std::move(programFolder);
}

Session::~Session() = default;

NavDatabase& Session::nav() {
    if (!nav_ || navFolder_ != settings.pathNavData) {
        navFolder_ = settings.pathNavData;
        // The indexes of the files are kept beside the program between runs.
        nav_ = std::make_unique<NavDatabase>(navFolder_,
                                             CachedNavFiles(settings.besideProgram("cache")));
        network_.reset();
    }
    return *nav_;
}

const AirwayNetwork& Session::airwayNetwork() {
    NavDatabase& database = nav();
    // Built again when wpNavRTE.txt changes on disk, as the lookups read it again.
    const std::string& path = database.airways().path();
    std::error_code error;
    const auto time = std::filesystem::last_write_time(toNativePath(path), error);
    const std::pair<long long, long long> stamp{
        fileSize(path), error ? -1 : static_cast<long long>(time.time_since_epoch().count())};
    if (!network_ || stamp != networkStamp_) {
        network_ = std::make_unique<AirwayNetwork>(database);
        networkStamp_ = stamp;
    }
    return *network_;
}

}  // namespace skyloom
