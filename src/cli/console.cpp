#include "cli/console.h"

#include <cstdio>

#include "io/file_system.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>
#else
#include <unistd.h>
#endif

namespace skyloom::cli {

std::vector<std::string> commandLineArguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide != nullptr) {
        std::vector<std::string> arguments;
        for (int i = 1; i < count; ++i) {
            std::string utf8;
            for (const wchar_t* c = wide[i]; *c != 0; ++c) {
                char32_t cp = static_cast<char32_t>(*c);
                if (cp >= 0xD800 && cp < 0xDC00 && c[1] >= 0xDC00 && c[1] < 0xE000) {
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char32_t>(c[1]) - 0xDC00);
                    ++c;
                }
                appendUtf8(utf8, cp);
            }
            arguments.push_back(utf8);
        }
        LocalFree(wide);
        return arguments;
    }
#endif
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void useUtf8Console() {
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);
#endif
}

bool stdinIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stdin)) != 0;
#else
    return isatty(fileno(stdin)) != 0;
#endif
}

}  // namespace skyloom::cli
