#pragma once
// PMDG 737NG / 747 FMC route file (.rte). A file starts like this:
//
//   PMDG737NGFMC *2.1* - Computed with Skyloom
//   (empty)
//   3                      <- record count, "#" until the calculation ends
//   (empty)
//   EDDF
//   1
//   DIRECT
//   1 N 50.033333 E 8.570556 364
//   -----
//   ...
//
// The 747 form adds one "0" to every record (and a few lines to the
// destination's tail); everything else is shared.

#include <string>
#include <vector>

namespace skyloom {

void AddPmdgHeader(std::vector<std::string>& lines, bool is747, const std::string& departure,
                   const std::string& position, const std::string& elevation);
// The first three lines of a waypoint record: identifier, kind code, via.
void AddPmdgRecordHead(std::vector<std::string>& lines, const std::string& identifier,
                       const std::string& kind, const std::string& via);
// The rest of it: position text, the zero lines and, for airway points, an empty line.
void AddPmdgRecordTail(std::vector<std::string>& lines, bool is747, const std::string& position,
                       bool closingEmptyLine);
void AddPmdgDestination(std::vector<std::string>& lines, bool is747, const std::string& destination,
                        const std::string& position, const std::string& elevation);

}  // namespace skyloom
