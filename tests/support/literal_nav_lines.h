#pragma once
// The reference reader of the navigation files: every lookup opens the file
// and reads it from the top, line by line, and tests each line as written
// (a line begins with the word and a blank; a line holds blank, word, blank).
// The program's indexed reader must give every lookup the same lines.

#include <fstream>
#include <memory>
#include <string>

#include "io/file_system.h"
#include "io/text_file.h"
#include "navdata/nav_lines.h"

namespace skyloom::testing {

class LiteralNavLines : public NavLines {
  public:
    explicit LiteralNavLines(std::string path) : path_(std::move(path)) {}

    static std::unique_ptr<NavLines> make(const std::string& path, const NavIndexPlan&) {
        return std::make_unique<LiteralNavLines>(path);
    }

    const std::string& path() const override { return path_; }
    bool exists() const override { return fileExists(path_); }
    bool readable() override { return std::ifstream(toNativePath(path_)).is_open(); }
    bool forEachLine(const OnNavLine& onLine) override { return forEachTextLine(path_, onLine); }
    bool forEachLineStartingWith(const std::string& word, const OnNavLine& onLine) override {
        return forEachLine([&](const std::string& line) {
            return line.rfind(word + " ", 0) == 0 ? onLine(line) : true;
        });
    }
    bool forEachLineHolding(const std::string& word, const OnNavLine& onLine) override {
        return forEachLine([&](const std::string& line) {
            return line.find(" " + word + " ") != std::string::npos ? onLine(line) : true;
        });
    }
    bool forEachLineWithColumns(std::size_t start, std::size_t width, const std::string& key,
                                const OnNavLine& onLine) override {
        return forEachLine([&](const std::string& line) {
            const std::string columns = line.size() > start ? line.substr(start, width) : "";
            return columns == key ? onLine(line) : true;
        });
    }
    bool forEachLineHoldingFrom(std::size_t start, const std::string& text,
                                const OnNavLine& onLine) override {
        return forEachLine([&](const std::string& line) {
            return line.size() > start && line.find(text, start) != std::string::npos ? onLine(line)
                                                                                      : true;
        });
    }

  private:
    std::string path_;
};

}  // namespace skyloom::testing
