#pragma once
// One navigation file behind an index. On the first lookup after the file
// changed on disk (size or time, looked at by checkForChange), the indexes of
// its plan are built in one pass over it; lookups then go from a key to where
// its lines start and read only the pieces of the file that hold them. A
// cache file keeps the indexes between runs of the program while it belongs
// to the file as it is.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "navdata/line_index.h"
#include "navdata/nav_lines.h"
#include "navdata/nav_text.h"

namespace skyloom {

class NavFile : public NavLines {
  public:
    // Without a `cacheFile`, the indexes are built anew by every NavFile; a
    // missing, stale or damaged cache is built anew and written again.
    explicit NavFile(std::string path, NavIndexPlan plan = {}, std::string cacheFile = {})
        : path_(std::move(path)), cacheFile_(std::move(cacheFile)), plan_(plan) {}

    const std::string& path() const override { return path_; }
    bool exists() const override;
    bool readable() override;
    void checkForChange() override;
    void prepare() override;
    bool forEachLine(const OnNavLine& onLine) override;
    bool forEachLineStartingWith(const std::string& word, const OnNavLine& onLine) override;
    bool forEachLineHolding(const std::string& word, const OnNavLine& onLine) override;
    bool forEachLineWithColumns(std::size_t start, std::size_t width, const std::string& key,
                                const OnNavLine& onLine) override;
    bool forEachLineHoldingFrom(std::size_t start, const std::string& text,
                                const OnNavLine& onLine) override;

  private:
    enum class State { Unknown, Unreadable, Changed, Streamed, Loaded };

    bool ready();
    void forget();
    std::string_view lineAt(std::uint32_t start);
    void buildIndexes();
    std::string cacheHeader() const;
    bool loadCache();
    void saveCache() const;
    std::span<const std::uint32_t> linesOf(const LineIndex& index, std::string_view key);
    bool indexes();
    bool visit(std::span<const std::uint32_t> lines, const OnNavLine& onLine);
    template <class Matches>
    bool scan(Matches matches, const OnNavLine& onLine);

    std::string path_;
    std::string cacheFile_;
    NavIndexPlan plan_;
    State state_ = State::Unknown;
    long long size_ = -1;
    std::filesystem::file_time_type time_{};
    NavText text_;
    bool indexed_ = false;
    LineIndex firstWords_;  // the word a line begins with, up to its first blank
    LineIndex innerWords_;  // the words with a blank on both sides
    LineIndex columns_;     // the plan's columns of every line
    LineIndex textAfter_;   // pieces after the columns (see buildIndexes)
    bool textAfterKept_ = false;
};

// Readers that keep their indexes in `cacheFolder`, one cache per file path.
NavLinesMaker CachedNavFiles(const std::string& cacheFolder);

}  // namespace skyloom
