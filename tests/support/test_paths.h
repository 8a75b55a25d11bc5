#pragma once
// Where the tests find their data and where they may write.

#include <initializer_list>
#include <string>

#include "io/file_system.h"

namespace skyloom::testing {

// The folder tests/data of the source tree followed by the parts, each after a separator.
std::string testDataPath(std::initializer_list<std::string> parts);

// A fresh, empty folder for one test, removed when the object goes away; its
// path has no trailing separator.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + kPathSeparator + name; }

  private:
    std::string path_;
};

// Whole content of a file as bytes; empty when it cannot be read.
std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

}  // namespace skyloom::testing
