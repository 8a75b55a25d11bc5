#include "settings/airac_ident.h"

#include <optional>
#include <vector>

#include "core/prompts.h"
#include "io/text_file.h"

namespace skyloom {

namespace {

std::optional<std::string> valueOf(const std::string& line) {
    std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
        return std::nullopt;
    }
    std::size_t start = equals + 1;
    std::size_t end = line.find('=', start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

std::string ReadAiracText(const std::string& file) {
    std::vector<std::string> lines;
    forEachTextLine(file, [&lines](const std::string& line) {
        lines.push_back(line);
        return lines.size() < 3;
    });
    if (lines.size() < 3) {
        return std::string();
    }
    auto cycle = valueOf(lines[1]);
    auto validity = valueOf(lines[2]);
    if (!cycle || !validity) {
        return std::string();
    }
    return *cycle + " - " + *validity;
}

std::string WindowTitle(const std::string& airacText) {
    return std::string(kProductName) + " Version " + SKYLOOM_VERSION + " - " + airacText;
}

}  // namespace skyloom
