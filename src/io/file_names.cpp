#include "io/file_names.h"

#include "io/text_util.h"

namespace skyloom {

namespace {

// Windows reserves its device names in every folder, in any case and with any
// extension: "nul.txt" and "com1 .log" name the devices NUL and COM1.
bool isDeviceName(const std::string& name) {
    std::string stem = toUpper1252(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') {
        stem.pop_back();
    }
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* device : kDevices) {
        if (stem == device) {
            return true;
        }
    }
    // COM1 to COM9 and LPT1 to LPT9.
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
           stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace

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
    return !isDeviceName(name);
}

std::string refusedNameMessage(const std::string& name) {
    return "The name '" + name +
           "' cannot be used as a file name.\r\nPlease use letters, digits, '-' and '_' only.";
}

}  // namespace skyloom
