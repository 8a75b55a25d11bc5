#include "navdata/nav_file.h"

#include <system_error>

#include "io/file_system.h"
#include "io/text_file.h"

namespace skyloom {

namespace {
// Larger files are streamed on every lookup instead of kept in memory.
constexpr long long kCacheLimit = 256LL * 1024 * 1024;
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
        lines_.clear();
        return false;
    }
    if (loaded_ && size == loadedSize_ && time == loadedTime_) {
        return true;
    }
    loaded_ = false;
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

}  // namespace skyloom
