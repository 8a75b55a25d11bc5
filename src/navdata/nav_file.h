#pragma once
// One navigation file, read line by line. The lines are kept in memory after
// the first read and read again only when the file changes on disk, so the
// many lookups of one calculation do not re-read the disk each time.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace skyloom {

class NavFile {
  public:
    explicit NavFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }
    bool exists() const;
    // Calls `onLine` for every line from the first until it returns false.
    // Returns false when the file cannot be read.
    bool forEachLine(const std::function<bool(const std::string&)>& onLine);

  private:
    bool refresh();

    std::string path_;
    std::vector<std::string> lines_;
    bool loaded_ = false;
    long long loadedSize_ = -1;
    std::filesystem::file_time_type loadedTime_{};
};

}  // namespace skyloom
