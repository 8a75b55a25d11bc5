#include "route/cruise_level.h"

#include "io/text_util.h"

namespace skyloom {

bool IsOddCruiseLevel(const std::string& cruise) {
    std::string rest = replaceAll(replaceAll(cruise, "F", ""), "0", "");
    static const char* const kEven[] = {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
                                        "12", "14", "16", "18", "20", "22", "24", "26", "28", "30",
                                        "32", "34", "36", "38", "40", "42", "44", "46", "48", "50"};
    for (const char* even : kEven) {
        if (rest == even) {
            return false;
        }
    }
    return true;
}

}  // namespace skyloom
