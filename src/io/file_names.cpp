#include "io/file_names.h"

#include "io/text_util.h"

namespace skyloom {

bool isPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || name.size() > 200) {
        return false;
    }
    if (name.back() == ' ' || name.back() == '.') {
        return false;
    }
    for (char c : name) {
        auto b = static_cast<unsigned char>(c);
        if (b < 32 || contains("/\\:*?\"<>|", std::string_view(&c, 1))) {
            return false;
        }
    }
    // Device names that Windows reserves in every folder.
    static const char* const kReserved[] = {"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2",
                                            "COM3", "COM4", "LPT1", "LPT2", "LPT3"};
    std::string stem = toUpper1252(name.substr(0, name.find('.')));
    for (const char* reserved : kReserved) {
        if (stem == reserved) {
            return false;
        }
    }
    return true;
}

std::string refusedNameMessage(const std::string& name) {
    return "The name '" + name +
           "' cannot be used as a file name.\r\nPlease use letters, digits, '-' and '_' only.";
}

}  // namespace skyloom
