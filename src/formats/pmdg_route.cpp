#include "formats/pmdg_route.h"

namespace skyloom {

namespace {
void addZeros(std::vector<std::string>& lines, int count) {
    lines.insert(lines.end(), static_cast<std::size_t>(count), "0");
}
}  // namespace

void AddPmdgHeader(std::vector<std::string>& lines, bool is747, const std::string& departure,
                   const std::string& position, const std::string& elevation) {
    lines.insert(lines.end(), {"PMDG737NGFMC *2.1* - Computed with Skyloom", "", "#", "", departure,
                               "1", "DIRECT", position + " " + elevation, "-----", "1", "0", "",
                               "1", elevation, "-", "-1000000", "-1000000"});
    addZeros(lines, is747 ? 19 : 18);
    lines.emplace_back();
}

void AddPmdgRecordHead(std::vector<std::string>& lines, const std::string& identifier,
                       const std::string& kind, const std::string& via) {
    lines.insert(lines.end(), {identifier, kind, via});
}

void AddPmdgRecordTail(std::vector<std::string>& lines, bool is747, const std::string& position,
                       bool closingEmptyLine) {
    lines.push_back(position);
    addZeros(lines, is747 ? 22 : 21);
    if (closingEmptyLine) {
        lines.emplace_back();
    }
}

void AddPmdgDestination(std::vector<std::string>& lines, bool is747, const std::string& destination,
                        const std::string& position, const std::string& elevation) {
    lines.insert(lines.end(), {destination, "1", "-", position + " " + elevation, "-----", "0", "0",
                               "", "1", elevation, "-", "-1000000", "-1000000"});
    addZeros(lines, is747 ? 19 : 18);
    lines.emplace_back();
    lines.insert(lines.end(), is747 ? 6 : 5, "-----");
    lines.emplace_back("-1e+006");
    if (is747) {
        lines.emplace_back("0");
    }
}

}  // namespace skyloom
