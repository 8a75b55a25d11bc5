#include "navdata/nav_file.h"

#include <fstream>
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
    byFirstWord_ = WordIndex();
    byInnerWord_ = WordIndex();
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

void NavFile::buildIndexes() {
    indexed_ = true;
    byFirstWord_ = WordIndex(bytes_);
    byInnerWord_ = WordIndex(bytes_);
    if (loadCache()) {
        return;
    }
    const auto lines = static_cast<std::uint32_t>(lineCount());
    for (std::uint32_t number = 0; number < lines; ++number) {
        forEachWord(line(number), [&](std::string_view word, bool inner) {
            (inner ? byInnerWord_ : byFirstWord_).add(word, number);
        });
    }
    saveCache();
}

// What a cache must begin with to belong to the file as it is now.
std::string NavFile::cacheHeader() const {
    std::string header = "skyloom navigation index 1\n";
    const std::int64_t numbers[] = {
        loadedSize_, static_cast<std::int64_t>(loadedTime_.time_since_epoch().count()),
        static_cast<std::int64_t>(lineCount())};
    header.append(reinterpret_cast<const char*>(numbers), sizeof numbers);
    return header;
}

bool NavFile::loadCache() {
    if (cacheFile_.empty()) {
        return false;
    }
    // Read piece by piece straight into the tables, so the cache is never
    // held twice.
    const long long size = fileSize(cacheFile_);
    std::ifstream in(toNativePath(cacheFile_), std::ios::binary);
    const std::string header = cacheHeader();
    std::string found(header.size(), '\0');
    if (size < 0 || !in || !in.read(found.data(), static_cast<std::streamsize>(found.size())) ||
        found != header) {
        return false;
    }
    std::uint64_t left = static_cast<std::uint64_t>(size) - header.size();
    std::uint64_t checksum = 0;
    std::uint64_t stored = 0;
    const auto lines = static_cast<std::uint32_t>(lineCount());
    const bool read =
        byFirstWord_.readFrom(in, left, checksum, bytes_.size(), lines) &&
        byInnerWord_.readFrom(in, left, checksum, bytes_.size(), lines) && left == sizeof stored &&
        in.read(reinterpret_cast<char*>(&stored), sizeof stored) && stored == checksum;
    if (!read) {
        byFirstWord_ = WordIndex(bytes_);
        byInnerWord_ = WordIndex(bytes_);
    }
    return read;
}

// A cache that cannot be written costs only the time to build the index again.
void NavFile::saveCache() const {
    if (cacheFile_.empty()) {
        return;
    }
    std::string payload;
    byFirstWord_.appendTo(payload);
    byInnerWord_.appendTo(payload);
    const std::uint64_t checksum = WordIndex::mix(0, payload.data(), payload.size());
    std::string cache = cacheHeader() + payload;
    cache.append(reinterpret_cast<const char*>(&checksum), sizeof checksum);
    const std::size_t folderEnd = cacheFile_.find_last_of("/\\");
    if (folderEnd != std::string::npos) {
        createFolder(cacheFile_.substr(0, folderEnd));
    }
    writeWholeFile(cacheFile_, cache);
}

bool NavFile::visit(const WordIndex& index, const std::string& word,
                    const std::function<bool(const std::string&)>& onLine) {
    std::string text;  // one per call: a callback may look up this file again
    index.forEachLine(word, [&](std::uint32_t number) {
        text.assign(line(number));
        return onLine(text);
    });
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
    return visit(byFirstWord_, word, onLine);
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
    return visit(byInnerWord_, word, onLine);
}

NavLinesMaker CachedNavFiles(const std::string& cacheFolder) {
    return [cacheFolder](const std::string& path) -> std::unique_ptr<NavLines> {
        // The file's name, and a hash of its whole path so that two navigation
        // folders keep apart.
        std::uint64_t hash = WordIndex::hashOf(path);
        char hex[17];
        for (int i = 15; i >= 0; --i, hash >>= 4) {
            hex[i] = "0123456789abcdef"[hash & 15];
        }
        hex[16] = '\0';
        const std::size_t name = path.find_last_of("/\\");
        const std::string file = name == std::string::npos ? path : path.substr(name + 1);
        return std::make_unique<NavFile>(
            path, cacheFolder + kPathSeparator + file + "-" + hex + ".index");
    };
}

}  // namespace skyloom
