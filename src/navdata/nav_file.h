#pragma once
// One navigation file, read whole into one buffer on first use and read again
// only when it changes on disk (size or time). Its lines are offsets into the
// buffer, and two word indexes, built in one pass on the first lookup that
// needs them, lead from a word to the lines it starts or stands in between blanks.
// So the many lookups of a calculation, and the calculations after it, do not
// scan the file again.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "navdata/nav_lines.h"
#include "navdata/word_index.h"

namespace skyloom {

class NavFile : public NavLines {
  public:
    // With a `cacheFile`, the word indexes are kept there between runs of the
    // program and taken from it while it belongs to the file as it is now
    // (its size and time); a missing, stale or damaged cache is built anew.
    explicit NavFile(std::string path, std::string cacheFile = {})
        : path_(std::move(path)), cacheFile_(std::move(cacheFile)) {}

    const std::string& path() const override { return path_; }
    bool exists() const override;
    bool forEachLine(const std::function<bool(const std::string&)>& onLine) override;
    bool forEachLineStartingWith(const std::string& word,
                                 const std::function<bool(const std::string&)>& onLine) override;
    bool forEachLineHolding(const std::string& word,
                            const std::function<bool(const std::string&)>& onLine) override;

  private:
    bool refresh();
    void forget();
    std::size_t lineCount() const { return lineStarts_.empty() ? 0 : lineStarts_.size() - 1; }
    std::string_view line(std::size_t number) const;
    void buildIndexes();
    std::string cacheHeader() const;
    bool loadCache();
    void saveCache() const;
    bool visit(const WordIndex& index, const std::string& word,
               const std::function<bool(const std::string&)>& onLine);
    bool scan(const std::function<bool(std::string_view)>& matches,
              const std::function<bool(const std::string&)>& onLine);

    std::string path_;
    std::string cacheFile_;
    bool loaded_ = false;
    long long loadedSize_ = -1;
    std::filesystem::file_time_type loadedTime_{};
    std::string bytes_;                      // the whole file
    std::vector<std::uint32_t> lineStarts_;  // where each line starts, then the end
    bool indexed_ = false;
    WordIndex byFirstWord_;  // the word a line begins with, up to its first blank
    WordIndex byInnerWord_;  // the words with a blank on both sides
};

// Readers that keep their indexes in `cacheFolder`, one cache per file path.
NavLinesMaker CachedNavFiles(const std::string& cacheFolder);

}  // namespace skyloom
