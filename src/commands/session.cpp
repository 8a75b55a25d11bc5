#include "commands/session.h"

#include <utility>

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
    if (!network_) {
        network_ = std::make_unique<AirwayNetwork>(database);
    }
    return *network_;
}

}  // namespace skyloom
