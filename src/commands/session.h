#pragma once
// What the desktop program and skyloom-cli each hold once for as long as they
// run: the program-wide settings, the data store, the navigation database and
// the way to talk to the user. Every command works on a session's context.

#include <memory>
#include <string>
#include <utility>

#include "core/command_context.h"
#include "finder/airway_network.h"
#include "navdata/nav_database.h"

namespace skyloom {

class Session {
  public:
    Session(std::string programFolder, Prompts& userPrompts);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session();

    Settings settings;
    MainWindowData data;
    Prompts& prompts;
    CommandContext context{settings, data, prompts};

    // The navigation database of the current PathNavData. It is opened again
    // when the path settings name another folder; until then what it has read
    // stays warm between calculations.
    NavDatabase& nav();
    // The airway network of that database for the route finder, built on
    // first use and kept with the database while its airway file stays as it is.
    const AirwayNetwork& airwayNetwork();

  private:
    std::unique_ptr<NavDatabase> nav_;
    std::string navFolder_;
    std::unique_ptr<AirwayNetwork> network_;
    std::pair<long long, long long> networkStamp_{-1, -1};  // size and time of wpNavRTE.txt
};

}  // namespace skyloom
