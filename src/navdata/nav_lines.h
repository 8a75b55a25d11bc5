#pragma once
// How the lookups reach the lines of one navigation file. The program reads
// each file once into an index (NavFile); the tests hold a plain reader that
// scans the file from the top for every lookup, and require the same answers.

#include <functional>
#include <memory>
#include <string>

namespace skyloom {

class NavLines {
  public:
    virtual ~NavLines() = default;

    virtual const std::string& path() const = 0;
    virtual bool exists() const = 0;
    // Calls `onLine` for every line from the first until it returns false.
    // Returns false when the file cannot be read.
    virtual bool forEachLine(const std::function<bool(const std::string&)>& onLine) = 0;
    // The lines that begin with `word` followed by a blank, in file order.
    virtual bool forEachLineStartingWith(const std::string& word,
                                         const std::function<bool(const std::string&)>& onLine) = 0;
    // The lines that hold " " + word + " ", in file order.
    virtual bool forEachLineHolding(const std::string& word,
                                    const std::function<bool(const std::string&)>& onLine) = 0;
};

// Makes the reader of the file at `path`.
using NavLinesMaker = std::function<std::unique_ptr<NavLines>(const std::string& path)>;

}  // namespace skyloom
