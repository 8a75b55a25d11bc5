#include "fuzz_support.h"

#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace skyloom::fuzz {

std::vector<std::string> splitParts(const std::uint8_t* data, std::size_t size, std::size_t count) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    while (parts.size() + 1 < count) {
        const std::size_t cut = text.find("%%");
        if (cut == std::string_view::npos) {
            break;
        }
        parts.emplace_back(text.substr(0, cut));
        text.remove_prefix(cut + 2);
    }
    parts.emplace_back(text);
    parts.resize(count);
    return parts;
}

namespace {

// In memory where there is a place for it: most harnesses write a file per
// input. scripts/fuzz.sh names a folder that it removes afterwards, since a
// harness that crashes leaves its own behind.
std::filesystem::path scratchBase() {
    if (const char* chosen = std::getenv("SKYLOOM_FUZZ_SCRATCH")) {
        return chosen;
    }
    const std::filesystem::path shm = "/dev/shm";
    return std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
}

// Made on first use and removed when the process ends normally (libFuzzer
// ends a timed run through exit()).
struct Scratch {
    std::string folder;
    Scratch() {
        const std::filesystem::path base = scratchBase();
        const auto path = base / ("skyloom-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        folder = path.string() + "/";
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

}  // namespace

const std::string& scratchFolder() {
    static const Scratch scratch;
    return scratch.folder;
}

std::string writeScratch(const std::string& name, std::string_view bytes) {
    const std::string path = scratchFolder() + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::optional<unsigned char> FuzzPrompts::next() {
    if (at_ >= answers_.size()) {
        return std::nullopt;
    }
    return static_cast<unsigned char>(answers_[at_++]);
}

MessageAnswer FuzzPrompts::message(const MessageBox& box) {
    // Out of answers, the user says Cancel or No: a question asked again until
    // the answer fits must come to an end.
    const auto answer = next();
    const bool second = !answer || (*answer & 1) != 0;
    switch (box.buttons) {
        case MessageButtons::YesNo:
            return second ? MessageAnswer::No : MessageAnswer::Yes;
        case MessageButtons::OkCancel:
            return second ? MessageAnswer::Cancel : MessageAnswer::Ok;
        case MessageButtons::Ok:
            break;
    }
    return MessageAnswer::Ok;
}

std::optional<std::string> FuzzPrompts::input(const InputBox& box) {
    const auto answer = next();
    if (!answer || *answer % 3 == 0) {
        return std::nullopt;
    }
    // The preset, or a short text of the answers that follow.
    if (*answer % 3 == 1) {
        return box.preset;
    }
    const std::size_t length = std::min<std::size_t>(*answer % 16, answers_.size() - at_);
    std::string text = answers_.substr(at_, length);
    at_ += length;
    return text;
}

std::string FuzzPrompts::chooseWaypoint(const WaypointChoice& choice) {
    if (choice.candidates.empty()) {
        return {};
    }
    // One more than the candidates: the last stands for a cancelled choice.
    const auto answer = next();
    if (!answer) {
        return {};
    }
    const std::size_t pick = *answer % (choice.candidates.size() + 1);
    return pick < choice.candidates.size() ? choice.candidates[pick] : std::string{};
}

}  // namespace skyloom::fuzz
