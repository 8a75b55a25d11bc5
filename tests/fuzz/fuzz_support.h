#pragma once
// What the fuzz harnesses share: the input cut into the parts a harness feeds
// to its readers, a private folder for the files a reader wants on disk, and
// prompts that answer every question from the input itself.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/prompts.h"

namespace skyloom::fuzz {

// The input split at every "%%" into exactly `count` parts; parts the input
// lacks are empty, and a last part keeps any further "%%".
std::vector<std::string> splitParts(const std::uint8_t* data, std::size_t size, std::size_t count);

// A folder of this process, removed when the harness ends; ends with a separator.
const std::string& scratchFolder();
// Writes the bytes to `name` in the scratch folder and returns the full path.
std::string writeScratch(const std::string& name, std::string_view bytes);

// Answers from a list of bytes, one per question; once they run out, every
// question is cancelled (Cancel, No, no input, no waypoint, no file).
class FuzzPrompts : public Prompts {
  public:
    explicit FuzzPrompts(std::string answers) : answers_(std::move(answers)) {}

    MessageAnswer message(const MessageBox& box) override;
    std::optional<std::string> input(const InputBox& box) override;
    std::string chooseWaypoint(const WaypointChoice& choice) override;
    std::optional<std::string> saveFile(const FileDialog&) override { return std::nullopt; }
    std::optional<std::string> openFile(const FileDialog&) override { return std::nullopt; }

  private:
    std::optional<unsigned char> next();
    std::string answers_;
    std::size_t at_ = 0;
};

}  // namespace skyloom::fuzz
