#pragma once
// The table of the FMC route files, one row per aircraft: which writer
// renders the resolved route, into which folder setting the file goes, and
// how its name is made (prefix + the name the pilot gives + extension). The
// calculation and "Save FMC-Data" ask this table; nothing else chooses by the
// aircraft's layout. A new aircraft or file format is one writer file and one
// row here.

#include <string>
#include <vector>

#include "core/main_data.h"
#include "core/resolved_route.h"
#include "core/settings.h"

namespace skyloom {

using RouteWriter = std::vector<std::string> (*)(const ResolvedRoute& route);

struct FmcFormat {
    Aircraft aircraft;
    RouteWriter write;
    std::string Settings::*folder;  // the output folder setting, ends with a separator
    const char* prefix;
    const char* extension;
};

const FmcFormat& FmcFormatFor(Aircraft aircraft);

// The full path of a file of this format named `name` by the pilot.
std::string FmcFilePath(const FmcFormat& format, const Settings& settings, const std::string& name);

}  // namespace skyloom
