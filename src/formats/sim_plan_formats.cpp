#include "formats/sim_plan_formats.h"

#include "formats/msfs_pln.h"
#include "formats/xplane_fms.h"

namespace skyloom {

const std::array<SimPlanFormat, 2> kSimPlanFormats = {{
    {"X-Plane", "export X-Plane plan", "X-Plane flight plans (*.fms)|*.fms", ".fms",
     XPlaneFmsLines},
    {"MSFS", "export MSFS plan", "MSFS flight plans (*.pln)|*.pln", ".pln", MsfsPlnLines},
}};

const SimPlanFormat* SimPlanFormatFor(const std::string& extension) {
    for (const SimPlanFormat& format : kSimPlanFormats) {
        if (extension == format.extension) {
            return &format;
        }
    }
    return nullptr;
}

}  // namespace skyloom
