// The cache of a NavFile: what it must begin with to belong to the file as it
// is now, then the indexes, and a checksum at the end.

#include <fstream>

#include "io/file_system.h"
#include "io/text_file.h"
#include "navdata/nav_file.h"
#include "navdata/raw_arrays.h"

namespace skyloom {

std::string NavFile::cacheHeader() const {
    std::string header = "skyloom navigation index 3\n";
    const std::int64_t numbers[] = {size_,
                                    static_cast<std::int64_t>(time_.time_since_epoch().count()),
                                    plan_.firstWords,
                                    plan_.innerWords,
                                    static_cast<std::int64_t>(plan_.columnStart),
                                    static_cast<std::int64_t>(plan_.columnWidth),
                                    plan_.textAfterColumns};
    header.append(reinterpret_cast<const char*>(numbers), sizeof numbers);
    return header;
}

bool NavFile::loadCache() {
    if (cacheFile_.empty()) {
        return false;
    }
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
    std::vector<std::uint32_t> kept;
    bool read = ReadRawArray(in, left, checksum, kept) && kept.size() == 1;
    for (LineIndex* index : {&firstWords_, &innerWords_, &columns_, &textAfter_}) {
        read = read && index->readFrom(in, left, checksum);
    }
    std::uint64_t stored = 0;
    read = read && left == sizeof stored &&
           in.read(reinterpret_cast<char*>(&stored), sizeof stored) && stored == checksum;
    if (!read) {
        firstWords_ = innerWords_ = columns_ = textAfter_ = LineIndex();
        return false;
    }
    textAfterKept_ = kept.front() != 0;
    return true;
}

// A cache that cannot be written costs only the time to build the index again.
void NavFile::saveCache() const {
    if (cacheFile_.empty()) {
        return;
    }
    std::string cache = cacheHeader();
    std::uint64_t checksum = 0;
    AppendRawArray(cache, checksum, std::vector<std::uint32_t>{textAfterKept_ ? 1U : 0U});
    for (const LineIndex* index : {&firstWords_, &innerWords_, &columns_, &textAfter_}) {
        index->appendTo(cache, checksum);
    }
    cache.append(reinterpret_cast<const char*>(&checksum), sizeof checksum);
    const std::size_t folderEnd = cacheFile_.find_last_of("/\\");
    if (folderEnd != std::string::npos) {
        createFolder(cacheFile_.substr(0, folderEnd));
    }
    writeWholeFile(cacheFile_, cache);
}

NavLinesMaker CachedNavFiles(const std::string& cacheFolder) {
    return [cacheFolder](const std::string& path,
                         const NavIndexPlan& plan) -> std::unique_ptr<NavLines> {
        // The file's name, and a hash of its whole path so that two navigation
        // folders keep apart.
        std::uint64_t hash = LineIndex::hashOf64(path);
        char hex[17];
        for (int i = 15; i >= 0; --i, hash >>= 4) {
            hex[i] = "0123456789abcdef"[hash & 15];
        }
        hex[16] = '\0';
        const std::size_t name = path.find_last_of("/\\");
        const std::string file = name == std::string::npos ? path : path.substr(name + 1);
        return std::make_unique<NavFile>(
            path, plan, cacheFolder + kPathSeparator + file + "-" + hex + ".index");
    };
}

}  // namespace skyloom
