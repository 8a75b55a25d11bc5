#include "commands/airport_search.h"

namespace skyloom {

std::optional<std::vector<std::string>> AirportSearch::typed(std::string_view text) {
    if (!SearchesWhileTyping(text)) {
        return std::nullopt;
    }
    return search(text, true);
}

std::optional<std::vector<std::string>> AirportSearch::asked(std::string_view text) {
    return search(text, false);
}

std::optional<std::vector<std::string>> AirportSearch::search(std::string_view text, bool typing) {
    AirportSearchResult result = SearchAirports(nav_, text);
    switch (result.outcome) {
        case AirportSearchOutcome::Unchanged:
            return std::nullopt;
        case AirportSearchOutcome::Listed:
            fileProblemShown_ = false;
            break;
        case AirportSearchOutcome::FileUnreadable:
            if (!typing || !fileProblemShown_) {
                fileProblemShown_ = true;
                prompts_.message({result.message, MessageButtons::Ok, MessageIcon::Critical, ""});
            }
            break;
    }
    return std::move(result.entries);
}

}  // namespace skyloom
