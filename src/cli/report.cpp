#include "cli/report.h"

#include <ostream>

#include "io/file_system.h"

namespace skyloom::cli {

void printReport(std::ostream& out, const MainWindowData& data) {
    for (const std::string& line : data.routeListing) {
        out << utf8From1252(line) << '\n';
    }
    out << "Distance: " << utf8From1252(data.distance) << " nm\n";
    out << "Duration: " << utf8From1252(data.duration) << '\n';
    out << "Fuel: " << utf8From1252(data.fuel[0]) << " litres, " << utf8From1252(data.fuel[1])
        << " tonnes, " << utf8From1252(data.tankShare) << '\n';
    for (const std::string& line : data.destinationRunways) {
        out << utf8From1252(line) << '\n';
    }
}

}  // namespace skyloom::cli
