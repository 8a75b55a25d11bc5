#pragma once
// How the lookups reach the lines of one navigation file. The program reads
// each file through an index (NavFile); the tests hold a plain reader that
// scans the file from the top for every lookup, and require the same answers.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace skyloom {

using OnNavLine = std::function<bool(const std::string&)>;

// Which lookups of a file an indexed reader answers from an index; the others
// scan the file.
struct NavIndexPlan {
    bool firstWords = false;  // forEachLineStartingWith
    bool innerWords = false;  // forEachLineHolding
    // forEachLineWithColumns(columnStart, columnWidth, ...) when the width is not 0,
    // and with `textAfterColumns` also forEachLineHoldingFrom(columnStart, ...).
    std::size_t columnStart = 0;
    std::size_t columnWidth = 0;
    bool textAfterColumns = false;
};

class NavLines {
  public:
    virtual ~NavLines() = default;

    virtual const std::string& path() const = 0;
    virtual bool exists() const = 0;
    // True when the file is there and can be opened for reading.
    virtual bool readable() = 0;
    // Looks at the file on disk again: a file that changed since it was read
    // is read anew by the next lookup. Lookups in between take it as it was.
    virtual void checkForChange() {}
    // Gets the file ready for lookups now (reads or builds its indexes), so
    // that the first lookup does not wait for it.
    virtual void prepare() {}
    // Every lookup calls `onLine` with the lines it finds, in file order, until
    // `onLine` returns false, and returns false when the file cannot be read.
    // Every line from the first.
    virtual bool forEachLine(const OnNavLine& onLine) = 0;
    // The lines that begin with `word` followed by a blank.
    virtual bool forEachLineStartingWith(const std::string& word, const OnNavLine& onLine) = 0;
    // The lines that hold " " + word + " ".
    virtual bool forEachLineHolding(const std::string& word, const OnNavLine& onLine) = 0;
    // The lines whose characters from `start` (0-based), at most `width` of
    // them, are `key`.
    virtual bool forEachLineWithColumns(std::size_t start, std::size_t width,
                                        const std::string& key, const OnNavLine& onLine) = 0;
    // The lines longer than `start` that hold `text` at `start` or after it.
    virtual bool forEachLineHoldingFrom(std::size_t start, const std::string& text,
                                        const OnNavLine& onLine) = 0;
};

// Makes the reader of the file at `path`, with the indexes of `plan` where it keeps any.
using NavLinesMaker =
    std::function<std::unique_ptr<NavLines>(const std::string& path, const NavIndexPlan& plan)>;

}  // namespace skyloom
