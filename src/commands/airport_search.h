#pragma once
// The "Airport-ICAO" window's search (Form4): typing searches once the text is
// long enough, "OK" and Enter search whatever it holds. When wpNavAPT.txt
// cannot be read, the list is emptied and the pilot is told; while typing, only
// once until a search succeeds again.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/prompts.h"
#include "navdata/airport_search.h"

namespace skyloom {

class AirportSearch {
  public:
    AirportSearch(NavDatabase& nav, Prompts& prompts) : nav_(nav), prompts_(prompts) {}

    // The search field changed to `text`. The list's new entries, or nothing
    // when the list keeps its entries.
    std::optional<std::vector<std::string>> typed(std::string_view text);
    // "OK" or Enter.
    std::optional<std::vector<std::string>> asked(std::string_view text);

  private:
    std::optional<std::vector<std::string>> search(std::string_view text, bool typing);

    NavDatabase& nav_;
    Prompts& prompts_;
    bool fileProblemShown_ = false;
};

}  // namespace skyloom
