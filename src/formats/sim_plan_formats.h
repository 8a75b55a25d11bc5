#pragma once
// The table of today's simulator flight plans, one row per format: its name,
// the "Flights" menu entry, the save dialog's filter, the extension and the
// writer. A new simulator format is one writer file and one row here.

#include <array>
#include <string>
#include <vector>

#include "formats/sim_plan.h"

namespace skyloom {

using SimPlanWriter = std::vector<std::string> (*)(const SimPlan& plan);

struct SimPlanFormat {
    const char* name;        // "X-Plane"
    const char* menuEntry;   // "export X-Plane plan"
    const char* fileFilter;  // "X-Plane flight plans (*.fms)|*.fms"
    const char* extension;   // ".fms"
    SimPlanWriter write;
};

extern const std::array<SimPlanFormat, 2> kSimPlanFormats;

// The row of this extension (".fms", ".pln"), or nothing.
const SimPlanFormat* SimPlanFormatFor(const std::string& extension);

}  // namespace skyloom
