#include "formats/ivao_fields.h"

#include <algorithm>

#include "io/text_file.h"
#include "io/text_util.h"

namespace skyloom {

namespace {

std::vector<std::string> numberItems() {
    std::vector<std::string> items;
    for (char digit = '1'; digit <= '9'; ++digit) {
        items.emplace_back(1, digit);
    }
    return items;
}

// ivao.txt lines that belong to the flight, not to the pilot: departure,
// destination and alternate are read past and never restored.
bool isFlightSpecificLine(int number) {
    return number == kIvaoDeparture || number == kIvaoDestination || number == kIvaoAlternate;
}

}  // namespace

bool isIvaoPickList(int number) {
    switch (number) {
        case 2:
        case 3:
        case kIvaoAircraftType:
        case kIvaoWakeCategory:
        case 8:
        case 11:
        case kIvaoLevelType:
            return true;
        default:
            return false;
    }
}

bool setIvaoField(IvaoFields& fields, int number, const std::string& text) {
    if (isIvaoPickList(number)) {
        const auto& items = fields.items[static_cast<std::size_t>(number - 1)];
        if (std::find(items.begin(), items.end(), text) == items.end()) {
            fields.field(number).clear();
            return false;
        }
    }
    fields.field(number) = text;
    return true;
}

IvaoFields NewIvaoFields() {
    IvaoFields fields;
    fields.field(7) = "Equipment";
    fields.field(10) = "0000";
    fields.field(17) = "0000";
    fields.field(20) = "0000";
    fields.field(21) = "75";
    fields.items[1] = {"I", "V", "Y", "Z"};
    fields.items[2] = {"S", "G", "N", "M", "X"};
    fields.items[3] = numberItems();
    fields.items[5] = {"L", "M", "H"};
    fields.items[7] = {"S", "C", "A", "N", "X", "P", "I"};
    fields.items[10] = {"N", "M"};
    fields.items[12] = {"F", "A", "VFR"};
    return fields;
}

void LoadIvaoDefaults(const std::string& ivaoTxtPath, IvaoFields& fields) {
    std::vector<std::string> lines;
    forEachTextLine(ivaoTxtPath, [&lines](const std::string& line) {
        lines.push_back(line);
        return lines.size() < static_cast<std::size_t>(kIvaoFieldCount);
    });
    std::string lastRead;
    for (int number = 1; number <= kIvaoFieldCount; ++number) {
        if (static_cast<std::size_t>(number) <= lines.size()) {
            lastRead = lines[static_cast<std::size_t>(number - 1)];
        }
        if (!isFlightSpecificLine(number)) {
            setIvaoField(fields, number, lastRead);
        }
    }
}

void LoadIvaoDefaults(const Settings& settings, IvaoFields& fields) {
    LoadIvaoDefaults(settings.besideProgram("ivao.txt"), fields);
}

std::string CruiseLevelFromAltitude(const std::string& altitude, IvaoFields& fields) {
    if (altitude.size() == 5) {
        setIvaoField(fields, kIvaoLevelType, "F");
        return leftOf(altitude, 3);
    }
    if (altitude.size() == 4) {
        const std::string hundreds = leftOf(altitude, 2);
        if (leadingNumber(hundreds) > 50) {
            setIvaoField(fields, kIvaoLevelType, "F");
            return "0" + hundreds;
        }
        setIvaoField(fields, kIvaoLevelType, "A");
        return hundreds + "00";
    }
    return "";
}

std::string GetFlightDataRoute(const std::string& mainRoute) {
    const std::size_t length = mainRoute.size();
    if (contains(mainRoute, "STAR") && contains(mainRoute, "SID")) {
        // "EDDF SID " in front, " STAR KJFK" behind.
        return length < 19 ? std::string() : midOf(mainRoute, 10, length - 19);
    }
    // "EDDF " in front, " KJFK " behind.
    return length < 11 ? std::string() : trimBlanks(midOf(mainRoute, 6, length - 11));
}

void FillAircraftTypeList(const AircraftTable& table, IvaoFields& fields) {
    auto& items = fields.items[kIvaoAircraftType - 1];
    items.clear();
    fields.field(kIvaoAircraftType).clear();
    for (const std::string& type : table.type) {
        if (trimBlanks(type).empty()) {
            break;
        }
        items.push_back(type);
    }
}

void PickAircraftType(const AircraftTable& table, IvaoFields& fields, int index) {
    const auto& items = fields.items[kIvaoAircraftType - 1];
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
        return;
    }
    const auto entry = static_cast<std::size_t>(index);
    fields.field(kIvaoAircraftType) = items[entry];
    fields.field(kIvaoMtlAircraft) = table.mtlText[entry];
    setIvaoField(fields, kIvaoWakeCategory, table.wakeCategory[entry]);
}

int AircraftListIndex(Aircraft aircraft) {
    switch (aircraft) {
        case Aircraft::Pmdg737:
            return 0;
        case Aircraft::Pmdg747:
            return 1;
        case Aircraft::LevelD767:
            return 2;
        case Aircraft::Pss777:
            return 3;
    }
    return 0;
}

IvaoFields OpenIvaoFields(const Settings& settings, const MainWindowData& data) {
    IvaoFields fields = NewIvaoFields();
    LoadIvaoDefaults(settings, fields);
    const std::string route = trimBlanks(data.route);
    fields.field(kIvaoDeparture) = leftOf(route, 4);
    fields.field(kIvaoDestination) = rightOf(route, 4);
    fields.field(kIvaoLevel) = CruiseLevelFromAltitude(data.cruiseAltitude, fields);
    FillAircraftTypeList(settings.aircraftTable, fields);
    PickAircraftType(settings.aircraftTable, fields, AircraftListIndex(data.aircraft));
    return fields;
}

}  // namespace skyloom
