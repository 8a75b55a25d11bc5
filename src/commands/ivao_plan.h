#pragma once
// The IVAO commands: "Save" and "Get Flight-Data" of the IVAO plan window, and
// "Make IVAO-Plan" (Command5), which turns ivao.txt into the plan file that the
// IVAP client loads.

#include <string>

#include "core/command_context.h"
#include "formats/ivao_fields.h"
#include "formats/ivao_files.h"

namespace skyloom {

// "Save": writes ivao.txt beside the program. A failure is shown, the older
// ivao.txt then stays as it was, and false is returned.
bool SaveIvaoFields(CommandContext& context, const IvaoFields& fields);

// "Get Flight-Data": empties the route field, then fills it from the main
// window's route, or says "No Route available" when there is none.
void GetFlightData(Prompts& prompts, const MainWindowData& data, IvaoFields& fields);

enum class IvaoPlanStatus {
    Written,    // the plan file holds all 22 fields
    Cancelled,  // no name given
    Refused,    // the name would leave the plan folder
    Failed,     // the "Error" box was shown; what was written so far stays
};
struct IvaoPlanResult {
    IvaoPlanStatus status = IvaoPlanStatus::Cancelled;
    std::string path;  // the plan file written or attempted
};

// "Make IVAO-Plan" (Command5): asks for a name and turns ivao.txt into
// PathIvapPlans + name + ".fpl".
IvaoPlanResult MakeIvaoPlan(CommandContext& context);
// The same without the input box, for a name already chosen.
IvaoPlanResult MakeIvaoPlanNamed(CommandContext& context, const std::string& name);

}  // namespace skyloom
