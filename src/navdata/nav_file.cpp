#include "navdata/nav_file.h"

#include <system_error>

#include "io/file_system.h"
#include "io/text_file.h"

namespace skyloom {

namespace {
// Larger files are streamed on every lookup instead of kept in memory.
constexpr long long kCacheLimit = 256LL * 1024 * 1024;

// Sequence numbers and coordinates fill most inner fields; they are left out
// of the word index (a numeric word is looked up by a plain scan instead).
bool isNumericWord(std::string_view word) {
    return !word.empty() && word.find_first_not_of("0123456789.-+") == std::string::npos;
}
}  // namespace

bool NavFile::exists() const {
    return fileExists(path_);
}

bool NavFile::refresh() {
    std::error_code ec;
    auto native = toNativePath(path_);
    auto time = std::filesystem::last_write_time(native, ec);
    long long size = fileSize(path_);
    if (ec || size < 0 || !fileExists(path_)) {
        loaded_ = false;
        indexed_ = false;
        lines_.clear();
        return false;
    }
    if (loaded_ && size == loadedSize_ && time == loadedTime_) {
        return true;
    }
    loaded_ = false;
    indexed_ = false;
    byFirstWord_.clear();
    byInnerWord_.clear();
    lines_.clear();
    if (size > kCacheLimit) {
        return true;
    }
    auto lines = readTextLines(path_);
    if (!lines) {
        return false;
    }
    lines_ = std::move(*lines);
    loaded_ = true;
    loadedSize_ = size;
    loadedTime_ = time;
    return true;
}

bool NavFile::forEachLine(const std::function<bool(const std::string&)>& onLine) {
    if (!refresh()) {
        return false;
    }
    if (!loaded_) {
        return forEachTextLine(path_, onLine);
    }
    for (const std::string& line : lines_) {
        if (!onLine(line)) {
            break;
        }
    }
    return true;
}

void NavFile::buildIndexes() {
    byFirstWord_.clear();
    byInnerWord_.clear();
    byFirstWord_.reserve(lines_.size() / 8);
    byInnerWord_.reserve(lines_.size() / 2);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string_view line = lines_[i];
        const auto number = static_cast<std::uint32_t>(i);
        std::size_t first = line.find(' ');
        if (first == std::string_view::npos) {
            continue;
        }
        auto& starting = byFirstWord_[line.substr(0, first)];
        if (starting.empty() || starting.back() != number) {
            starting.push_back(number);
        }
        // Every word that has a blank on both sides.
        std::size_t start = first + 1;
        std::size_t next;
        while ((next = line.find(' ', start)) != std::string_view::npos) {
            std::string_view word = line.substr(start, next - start);
            if (!word.empty() && !isNumericWord(word)) {
                auto& hits = byInnerWord_[word];
                if (hits.empty() || hits.back() != number) {
                    hits.push_back(number);
                }
            }
            start = next + 1;
        }
    }
    indexed_ = true;
}

bool NavFile::visit(const LineIndex& index, const std::string& word,
                    const std::function<bool(const std::string&)>& onLine) {
    auto hit = index.find(word);
    if (hit == index.end()) {
        return true;
    }
    for (std::uint32_t i : hit->second) {
        if (!onLine(lines_[i])) {
            break;
        }
    }
    return true;
}

bool NavFile::forEachLineStartingWith(const std::string& word,
                                      const std::function<bool(const std::string&)>& onLine) {
    if (!refresh()) {
        return false;
    }
    if (!loaded_ || word.empty() || word.find(' ') != std::string::npos) {
        const std::string prefix = word + " ";
        return forEachLine([&](const std::string& line) {
            return line.compare(0, prefix.size(), prefix) == 0 ? onLine(line) : true;
        });
    }
    if (!indexed_) {
        buildIndexes();
    }
    return visit(byFirstWord_, word, onLine);
}

bool NavFile::forEachLineHolding(const std::string& word,
                                 const std::function<bool(const std::string&)>& onLine) {
    if (!refresh()) {
        return false;
    }
    if (!loaded_ || word.empty() || word.find(' ') != std::string::npos || isNumericWord(word)) {
        const std::string needle = " " + word + " ";
        return forEachLine([&](const std::string& line) {
            return line.find(needle) != std::string::npos ? onLine(line) : true;
        });
    }
    if (!indexed_) {
        buildIndexes();
    }
    return visit(byInnerWord_, word, onLine);
}

}  // namespace skyloom
