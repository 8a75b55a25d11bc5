#include "core/settings.h"

#include "io/file_system.h"

namespace skyloom {

std::string Settings::besideProgram(const std::string& name) const {
    return programFolder + kPathSeparator + name;
}

}  // namespace skyloom
