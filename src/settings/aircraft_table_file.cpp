#include "settings/aircraft_table_file.h"

#include <vector>

#include "io/file_system.h"
#include "io/text_file.h"
#include "io/text_util.h"

namespace skyloom {

std::optional<AircraftTable> ReadAircraftTableFile(const std::string& file) {
    if (!fileExists(file)) {
        return std::nullopt;
    }
    AircraftTable table;
    std::size_t entry = 0;
    bool opened = forEachTextLine(file, [&](const std::string& line) {
        if (!trimBlanks(line).empty()) {
            // Fields are cut at every ':' and kept exactly as written; a line
            // with fewer than three fields fills the ones it has.
            std::vector<std::string> fields = splitAt(line, ':');
            table.type[entry] = fields[0];
            if (fields.size() > 1) {
                table.mtlText[entry] = fields[1];
            }
            if (fields.size() > 2) {
                table.wakeCategory[entry] = fields[2];
            }
        }
        ++entry;
        return entry < table.type.size();
    });
    if (!opened) {
        return std::nullopt;
    }
    return table;
}

}  // namespace skyloom
