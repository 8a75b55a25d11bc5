#include "io/text_file.h"

#include <fstream>
#include <system_error>

#include "io/file_system.h"

namespace skyloom {

bool forEachTextLine(const std::string& path,
                     const std::function<bool(const std::string&)>& onLine) {
    std::ifstream in(toNativePath(path), std::ios::binary);
    if (!in) {
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!onLine(line)) {
            break;
        }
    }
    return true;
}

std::optional<std::string> readWholeFile(const std::string& path, long long maxBytes) {
    const long long size = fileSize(path);
    if (size < 0 || size > maxBytes) {
        return std::nullopt;
    }
    std::ifstream in(toNativePath(path), std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(bytes.data(), size)) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::vector<std::string>> readTextLines(const std::string& path) {
    if (!fileExists(path)) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    bool opened = forEachTextLine(path, [&lines](const std::string& line) {
        lines.push_back(line);
        return true;
    });
    if (!opened) {
        return std::nullopt;
    }
    return lines;
}

namespace {

// Writes straight into an existing device or pipe (/dev/full, /dev/stdout):
// a file renamed over it would take the device's place.
WriteResult writeInPlace(const std::filesystem::path& target, const std::string& path,
                         const std::string& bytes) {
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    if (!out) {
        return {false, "The file '" + path + "' could not be created."};
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        return {false, "The file '" + path + "' could not be written completely."};
    }
    return {};
}

}  // namespace

WriteResult writeWholeFile(const std::string& path, const std::string& bytes) {
    const std::filesystem::path target = toNativePath(path);
    std::error_code statusError;
    const std::filesystem::file_status status = std::filesystem::status(target, statusError);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
        !std::filesystem::is_directory(status)) {
        return writeInPlace(target, path, bytes);
    }
    std::filesystem::path temporary = target;
    temporary += ".skyloom-tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return {false, "The file '" + path + "' could not be created."};
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        // A full disk may only say so when the last bytes leave the buffer.
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return {false, "The file '" + path + "' could not be written completely."};
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return {false, "The file '" + path + "' could not be replaced."};
    }
    return {};
}

WriteResult writeTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return writeWholeFile(path, bytes);
}

}  // namespace skyloom
