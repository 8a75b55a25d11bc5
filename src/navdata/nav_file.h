#pragma once
// One navigation file, read line by line. The lines are kept in memory after
// the first read and read again only when the file changes on disk, so the
// many lookups of one calculation do not re-read the disk each time.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
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

    // The lines that begin with `word` followed by a blank, in file order.
    bool forEachLineStartingWith(const std::string& word,
                                 const std::function<bool(const std::string&)>& onLine);
    // The lines that hold " " + word + " ", in file order.
    bool forEachLineHolding(const std::string& word,
                            const std::function<bool(const std::string&)>& onLine);

  private:
    // Keys point into lines_, which stays unchanged while the index lives.
    using LineIndex = std::unordered_map<std::string_view, std::vector<std::uint32_t>>;

    bool refresh();
    void buildIndexes();
    bool visit(const LineIndex& index, const std::string& word,
               const std::function<bool(const std::string&)>& onLine);

    std::string path_;
    std::vector<std::string> lines_;
    bool loaded_ = false;
    long long loadedSize_ = -1;
    std::filesystem::file_time_type loadedTime_{};
    // Built on first use: which lines a word starts, and which hold it between blanks.
    bool indexed_ = false;
    LineIndex byFirstWord_;
    LineIndex byInnerWord_;
};

}  // namespace skyloom
