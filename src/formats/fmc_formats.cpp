#include "formats/fmc_formats.h"

#include "formats/leveld_route.h"
#include "formats/pmdg_route.h"
#include "formats/pss_route.h"

namespace skyloom {

namespace {

const FmcFormat kFmcFormats[] = {
    {Aircraft::Pmdg737, Pmdg737RouteLines, &Settings::pathPmdgPlans, "737-", ".rte"},
    {Aircraft::Pmdg747, Pmdg747RouteLines, &Settings::pathPmdgPlans, "747-", ".rte"},
    {Aircraft::LevelD767, LevelDRouteLines, &Settings::pathLevelDPlans, "", ".rte"},
    {Aircraft::Pss777, PssRouteLines, &Settings::pathPssPlans, "", ".b2r"},
};

}  // namespace

const FmcFormat& FmcFormatFor(Aircraft aircraft) {
    for (const FmcFormat& format : kFmcFormats) {
        if (format.aircraft == aircraft) {
            return format;
        }
    }
    return kFmcFormats[0];
}

std::string FmcFilePath(const FmcFormat& format, const Settings& settings,
                        const std::string& name) {
    return settings.*format.folder + format.prefix + name + format.extension;
}

}  // namespace skyloom
