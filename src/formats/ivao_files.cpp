#include "formats/ivao_files.h"

#include "io/text_util.h"

namespace skyloom {

const std::array<const char*, kIvaoFieldCount> kIvaoPlanKeys = {
    "ID=",        "RULES=",       "FLIGHTTYPE=", "NUMBER=",   "ACTYPE=",    "WAKECAT=",
    "EQUIPMENT=", "TRANSPONDER=", "DEPICAO=",    "DEPTIME=",  "SPEEDTYPE=", "SPEED=",
    "LEVELTYPE=", "LEVEL=",       "ROUTE=",      "DESTICAO=", "EET=",       "ALTICAO=",
    "OTHER=",     "ENDURANCE=",   "POB=",        "MTL="};

namespace {

std::string oneLine(const std::string& text) {
    return replaceAll(replaceAll(replaceAll(text, kCrLf, " "), "\r", " "), "\n", " ");
}

}  // namespace

std::vector<std::string> IvaoTxtLines(const IvaoFields& fields) {
    std::vector<std::string> lines;
    for (const std::string& text : fields.text) {
        lines.push_back(oneLine(text));
    }
    return lines;
}

std::vector<std::string> IvaoPlanLines(const std::vector<std::string>& ivaoTxtLines) {
    std::vector<std::string> plan{"[FLIGHTPLAN]"};
    for (std::size_t i = 0; i < ivaoTxtLines.size() && i < kIvaoPlanKeys.size(); ++i) {
        plan.push_back(kIvaoPlanKeys[i] + ivaoTxtLines[i]);
    }
    return plan;
}

}  // namespace skyloom
