#include "io/file_system.h"

#include <cstdlib>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace skyloom {

namespace {

// Unicode code points of the bytes 0x80 to 0x9F in Windows-1252; 0 where the
// code page leaves a byte undefined (it is then kept as the C1 control).
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t codePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

char byteOf(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<char>(0x80 + i);
        }
    }
    if (codePoint >= 0x80 && codePoint < 0xA0) {
        return static_cast<char>(codePoint);
    }
    return '?';
}

}  // namespace

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string utf8From1252(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string cp1252FromUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        auto b = static_cast<unsigned char>(text[i]);
        int extra = b < 0x80           ? 0
                    : (b >> 5) == 0x6  ? 1
                    : (b >> 4) == 0xE  ? 2
                    : (b >> 3) == 0x1E ? 3
                                       : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= text.size()) {
            // Not UTF-8 at all: take the byte as it is, it already is single-byte text.
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        char32_t cp = extra == 0 ? b : (b & (0x3F >> extra));
        bool valid = true;
        for (int k = 1; k <= extra; ++k) {
            auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        out += byteOf(cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::filesystem::path toNativePath(const std::string& path1252) {
#ifdef _WIN32
    std::wstring wide;
    wide.reserve(path1252.size());
    for (char c : path1252) {
        wide += static_cast<wchar_t>(codePointOf(static_cast<unsigned char>(c)));
    }
    return std::filesystem::path(wide);
#else
    std::string utf8 = utf8From1252(path1252);
    return std::filesystem::path(utf8);
#endif
}

std::string fromNativePath(const std::filesystem::path& path) {
#ifdef _WIN32
    std::string out;
    for (wchar_t w : path.native()) {
        out += byteOf(static_cast<char32_t>(w));
    }
    return out;
#else
    return cp1252FromUtf8(path.native());
#endif
}

bool fileExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    std::error_code ec;
    return std::filesystem::is_regular_file(toNativePath(path), ec);
}

bool folderExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    std::error_code ec;
    return std::filesystem::is_directory(toNativePath(path), ec);
}

bool createFolder(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(toNativePath(path), ec);
    return folderExists(path);
}

bool copyFile(const std::string& from, const std::string& to) {
    std::error_code ec;
    return std::filesystem::copy_file(toNativePath(from), toNativePath(to),
                                      std::filesystem::copy_options::none, ec);
}

long long fileSize(const std::string& path) {
    std::error_code ec;
    auto size = std::filesystem::file_size(toNativePath(path), ec);
    return ec ? -1 : static_cast<long long>(size);
}

std::string executableFolder() {
#ifdef _WIN32
    std::wstring buffer(32768, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(length);
    return fromNativePath(std::filesystem::path(buffer).parent_path());
#else
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return fromNativePath(std::filesystem::current_path(ec));
    }
    return fromNativePath(exe.parent_path());
#endif
}

std::string environmentPath(const char* name) {
#ifdef _WIN32
    std::wstring wideName;
    for (const char* c = name; *c != '\0'; ++c) {
        wideName += static_cast<wchar_t>(*c);
    }
    const wchar_t* value = _wgetenv(wideName.c_str());
#else
    const char* value = std::getenv(name);
#endif
    return value == nullptr ? std::string() : fromNativePath(std::filesystem::path(value));
}

bool isAbsolutePath(const std::string& path) {
    return !path.empty() && (path.front() == kPathSeparator || toNativePath(path).is_absolute());
}

std::string withoutTrailingSeparator(std::string folder) {
    while (folder.size() > 1 && (folder.back() == kPathSeparator || folder.back() == '/')) {
        folder.pop_back();
    }
    return folder;
}

}  // namespace skyloom
