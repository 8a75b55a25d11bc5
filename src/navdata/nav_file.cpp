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
    return !word.empty() && word.find_first_not_of("0123456789.-+") == std::string_view::npos;
}

// Calls `onWord` with the first word of the line (up to its first blank) and
// then with every word that has a blank on both sides, as `inner`.
template <class OnWord>
void forEachWord(std::string_view line, OnWord onWord) {
    const std::size_t first = line.find(' ');
    if (first == std::string_view::npos) {
        return;
    }
    onWord(line.substr(0, first), false);
    std::size_t start = first + 1;
    std::size_t next;
    while ((next = line.find(' ', start)) != std::string_view::npos) {
        const std::string_view word = line.substr(start, next - start);
        if (!word.empty() && !isNumericWord(word)) {
            onWord(word, true);
        }
        start = next + 1;
    }
}

}  // namespace

bool NavFile::exists() const {
    return fileExists(path_);
}

void NavFile::forget() {
    loaded_ = false;
    indexed_ = false;
    bytes_.clear();
    bytes_.shrink_to_fit();
    lineStarts_.clear();
    byFirstWord_.clear();
    byInnerWord_.clear();
    firstWordLines_.clear();
    innerWordLines_.clear();
}

bool NavFile::refresh() {
    std::error_code ec;
    const auto time = std::filesystem::last_write_time(toNativePath(path_), ec);
    const long long size = fileSize(path_);
    if (ec || size < 0) {
        forget();
        return false;
    }
    if (loaded_ && size == loadedSize_ && time == loadedTime_) {
        return true;
    }
    forget();
    if (size > kCacheLimit) {
        return true;  // streamed
    }
    std::optional<std::string> bytes = readWholeFile(path_, kCacheLimit);
    if (!bytes) {
        return false;
    }
    bytes_ = std::move(*bytes);
    // Lines end at LF, a CR before it is dropped (see line()), and a last line
    // without LF counts when it holds anything, as a line reader sees them.
    lineStarts_.push_back(0);
    for (std::size_t at = bytes_.find('\n'); at != std::string::npos;
         at = bytes_.find('\n', at + 1)) {
        lineStarts_.push_back(static_cast<std::uint32_t>(at + 1));
    }
    if (lineStarts_.back() != bytes_.size()) {
        lineStarts_.push_back(static_cast<std::uint32_t>(bytes_.size() + 1));
    }
    loaded_ = true;
    loadedSize_ = size;
    loadedTime_ = time;
    return true;
}

std::string_view NavFile::line(std::size_t number) const {
    const std::size_t start = lineStarts_[number];
    std::size_t end = lineStarts_[number + 1] - 1;  // at its LF, or one past the end
    if (end > start && bytes_[end - 1] == '\r') {
        --end;
    }
    return std::string_view(bytes_).substr(start, end - start);
}

bool NavFile::forEachLine(const std::function<bool(const std::string&)>& onLine) {
    return scan([](std::string_view) { return true; }, onLine);
}

bool NavFile::scan(const std::function<bool(std::string_view)>& matches,
                   const std::function<bool(const std::string&)>& onLine) {
    if (!refresh()) {
        return false;
    }
    if (!loaded_) {
        return forEachTextLine(
            path_, [&](const std::string& text) { return matches(text) ? onLine(text) : true; });
    }
    std::string text;  // one per call: a callback may look up this file again
    for (std::size_t i = 0; i < lineCount(); ++i) {
        const std::string_view view = line(i);
        if (matches(view)) {
            text.assign(view);
            if (!onLine(text)) {
                break;
            }
        }
    }
    return true;
}

// Two passes over the words: the first counts each word's lines, the second
// files the line numbers into one array per index, word after word.
void NavFile::buildIndexes() {
    const auto lines = static_cast<std::uint32_t>(lineCount());
    for (const bool filing : {false, true}) {
        for (std::uint32_t number = 0; number < lines; ++number) {
            forEachWord(line(number), [&](std::string_view word, bool inner) {
                WordIndex& index = inner ? byInnerWord_ : byFirstWord_;
                Postings& postings = index[word];
                if (postings.last == number) {
                    return;  // a word twice in one line lists the line once
                }
                postings.last = number;
                if (filing) {
                    (inner ? innerWordLines_ : firstWordLines_)[postings.first + postings.count] =
                        number;
                }
                ++postings.count;
            });
        }
        if (filing) {
            break;
        }
        for (auto* index : {&byFirstWord_, &byInnerWord_}) {
            std::uint32_t next = 0;
            for (auto& [word, postings] : *index) {
                postings.first = next;
                next += postings.count;
                postings.count = 0;
                postings.last = UINT32_MAX;
            }
            (index == &byFirstWord_ ? firstWordLines_ : innerWordLines_).resize(next);
        }
    }
    indexed_ = true;
}

bool NavFile::visit(const WordIndex& index, const std::vector<std::uint32_t>& lines,
                    const std::string& word,
                    const std::function<bool(const std::string&)>& onLine) {
    const auto hit = index.find(word);
    if (hit == index.end()) {
        return true;
    }
    std::string text;
    for (std::uint32_t k = 0; k < hit->second.count; ++k) {
        text.assign(line(lines[hit->second.first + k]));
        if (!onLine(text)) {
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
        return scan([&](std::string_view text) { return text.substr(0, prefix.size()) == prefix; },
                    onLine);
    }
    if (!indexed_) {
        buildIndexes();
    }
    return visit(byFirstWord_, firstWordLines_, word, onLine);
}

bool NavFile::forEachLineHolding(const std::string& word,
                                 const std::function<bool(const std::string&)>& onLine) {
    if (!refresh()) {
        return false;
    }
    if (!loaded_ || word.empty() || word.find(' ') != std::string::npos || isNumericWord(word)) {
        const std::string needle = " " + word + " ";
        return scan([&](std::string_view text) { return text.find(needle) != std::string::npos; },
                    onLine);
    }
    if (!indexed_) {
        buildIndexes();
    }
    return visit(byInnerWord_, innerWordLines_, word, onLine);
}

}  // namespace skyloom
