#include "commands/session.h"

#include <utility>

namespace skyloom {

Session::Session(std::string programFolder, Prompts& userPrompts) : prompts(userPrompts) {
    settings.programFolder = std::move(programFolder);
}

Session::~Session() = default;

NavDatabase& Session::nav() {
    if (!nav_ || navFolder_ != settings.pathNavData) {
        navFolder_ = settings.pathNavData;
        nav_ = std::make_unique<NavDatabase>(navFolder_);
    }
    return *nav_;
}

}  // namespace skyloom
