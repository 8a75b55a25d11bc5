#include "support/test_paths.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "io/file_system.h"

namespace skyloom::testing {

std::string testDataPath(std::initializer_list<std::string> parts) {
    const char* fromEnvironment = std::getenv("SKYLOOM_TEST_DATA");
    std::string path = fromEnvironment != nullptr ? fromEnvironment : SKYLOOM_TEST_DATA_DIR;
    for (const std::string& part : parts) {
        path += kPathSeparator + part;
    }
    return path;
}

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::error_code ec;
    const auto base = std::filesystem::temp_directory_path(ec);
    for (int attempt = 0; path_.empty() && attempt < 1000; ++attempt) {
        auto candidate = base / ("skyloom-test-" + std::to_string(std::rand()) + "-" +
                                 std::to_string(counter++));
        if (std::filesystem::create_directory(candidate, ec)) {
            path_ = fromNativePath(candidate);
        }
    }
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(toNativePath(path_), ec);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(toNativePath(path), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(toNativePath(path), std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace skyloom::testing
