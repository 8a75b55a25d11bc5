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

#include "formats/ivao_fields.h"

namespace skyloom {

// "ID=", "RULES=", ... "MTL=": the key of plan line n in kIvaoPlanKeys[n - 1].
extern const std::array<const char*, kIvaoFieldCount> kIvaoPlanKeys;

// The 22 lines of ivao.txt. A line break typed into a field (the route and the
// other-information boxes take several lines) becomes a blank, so every field
// stays on its own line.
std::vector<std::string> IvaoTxtLines(const IvaoFields& fields);
// The plan file's lines from the lines of ivao.txt: "[FLIGHTPLAN]", then one
// keyed line per ivao.txt line, as far as ivao.txt goes.
std::vector<std::string> IvaoPlanLines(const std::vector<std::string>& ivaoTxtLines);

}  // namespace skyloom
