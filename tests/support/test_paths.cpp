#include "support/test_paths.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "io/file_system.h"

namespace skyloom::testing {

std::string testDataDir() {
    if (const char* fromEnvironment = std::getenv("SKYLOOM_TEST_DATA")) {
        return fromEnvironment;
    }
    return SKYLOOM_TEST_DATA_DIR;
}

std::string testDataPath(std::initializer_list<std::string> parts) {
    std::string path = testDataDir();
    for (const std::string& part : parts) {
        path += kPathSeparator + part;
    }
    return path;
}

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::error_code ec;
    auto base = std::filesystem::temp_directory_path(ec);
    for (int attempt = 0; attempt < 1000; ++attempt) {
        auto candidate = base / ("skyloom-test-" + std::to_string(std::rand()) + "-" +
                                 std::to_string(counter++));
        if (std::filesystem::create_directory(candidate, ec)) {
            path_ = fromNativePath(candidate);
            return;
        }
    }
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(toNativePath(path_), ec);
}

std::string TempFolder::file(const std::string& name) const {
    return path_ + kPathSeparator + name;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(toNativePath(path), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(toNativePath(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace skyloom::testing
