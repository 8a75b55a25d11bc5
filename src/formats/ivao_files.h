#pragma once
// The two IVAO files.
//
// ivao.txt, beside the program: the 22 fields of the IVAO plan window as last
// saved, one per line, no keys.
//
// The plan file (PathIvapPlans + name + ".fpl") that the IVAP client loads:
//
//   [FLIGHTPLAN]
//   ID=DLH400
//   RULES=I
//   FLIGHTTYPE=S
//   ...
//   LEVEL=310
//   ...
//   MTL=B744
//
// one keyed line per ivao.txt line, nothing else.

#include <array>
#include <string>
#include <vector>

#include "core/command_context.h"
#include "formats/ivao_fields.h"
#include "io/text_file.h"

namespace skyloom {

// "ID=", "RULES=", ... "MTL=": the key of plan line n in kIvaoPlanKeys[n - 1].
extern const std::array<const char*, kIvaoFieldCount> kIvaoPlanKeys;

// The 22 lines of ivao.txt. A line break typed into a field (the route and the
// other-information boxes take several lines) becomes a blank, so every field
// stays on its own line.
std::vector<std::string> IvaoTxtLines(const IvaoFields& fields);
// Writes ivao.txt beside the program ("Save" of the IVAO plan window). The
// caller reports a failure; the older ivao.txt then stays as it was.
WriteResult WriteIvaoTxt(const Settings& settings, const IvaoFields& fields);

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
