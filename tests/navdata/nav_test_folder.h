#pragma once
// A navigation database folder written by a test.

#include <string>

#include "io/file_system.h"
#include "support/test_paths.h"

namespace skyloom::testing {

class NavTestFolder {
  public:
    // PathNavData: the folder with a trailing separator.
    std::string path() const { return folder_.path() + kPathSeparator; }
    void write(const std::string& name, const std::string& bytes) {
        writeBytes(folder_.file(name), bytes);
    }

  private:
    TempFolder folder_;
};

// A wpNavAPT.txt runway line with its fields in their columns.
inline std::string runwayLine(const std::string& name, const std::string& code,
                              const std::string& runway, const std::string& length,
                              const std::string& frequency, const std::string& heading,
                              const std::string& elevation) {
    std::string line = name;
    line.resize(24, ' ');
    line += code + runway + length;  // columns 25-28, 29-31, 32-36
    line.resize(60, ' ');            // columns 37-60 are not read
    line += frequency + heading;     // columns 61-66, 67-69
    line += "    " + elevation;      // the last five characters
    return line;
}

}  // namespace skyloom::testing
