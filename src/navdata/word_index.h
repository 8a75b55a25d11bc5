#pragma once
// An index from the words of a text buffer to the lines they stand in, built
// in one pass: an open-addressing table of the distinct words (each a piece
// of the buffer) and, per word, a chain of its lines in the order they were
// added. Compact, and quick to build for the hundreds of thousands of words
// of a full navigation file.

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace skyloom {

class WordIndex {
  public:
    // `text` must outlive the index and stay unchanged; words are pieces of it.
    explicit WordIndex(std::string_view text = {}) : text_(text) {}

    void clear();
    // Adds `line` to the word's lines unless it is already the word's last one.
    void add(std::string_view word, std::uint32_t line);

    // The index as bytes for a cache file of this machine, and back. Reading
    // checks that every word lies in a text of `textSize` bytes, every line
    // number is below `lineCount` and every chain runs forward; false, and an
    // empty index, when anything does not fit.
    // The bytes are read straight into the tables; `left` counts the bytes the
    // stream still holds, and `checksum` takes in every byte read.
    void appendTo(std::string& out) const;
    bool readFrom(std::istream& in, std::uint64_t& left, std::uint64_t& checksum,
                  std::size_t textSize, std::uint32_t lineCount);

    // FNV-1a: simple, and quick on the short words of the navigation files.
    static std::uint64_t hashOf(std::string_view text);

    // A checksum of bytes whose count is a multiple of 8, taken piece by
    // piece: the pieces give the sum of the whole.
    static std::uint64_t mix(std::uint64_t checksum, const char* bytes, std::size_t count);

    // Calls `onLine` with the word's lines in the order they were added until
    // it returns false.
    template <class OnLine>
    void forEachLine(std::string_view word, OnLine onLine) const {
        const Slot* slot = find(word);
        for (std::uint32_t at = slot ? slot->head : kNone; at != kNone; at = lines_[at].next) {
            if (!onLine(lines_[at].line)) {
                return;
            }
        }
    }

  private:
    static constexpr std::uint32_t kNone = UINT32_MAX;
    struct Slot {
        std::uint64_t hash = 0;
        std::uint32_t offset = 0;  // the word in text_
        std::uint32_t length = 0;
        std::uint32_t head = kNone;  // first and last entry of the word's chain in lines_
        std::uint32_t tail = kNone;
    };
    struct Entry {
        std::uint32_t line;
        std::uint32_t next;
    };

    const Slot* find(std::string_view word) const;
    Slot& slotFor(std::string_view word, std::uint64_t hash);
    void grow();
    void appendLine(Slot& slot, std::uint32_t line);

    std::string_view text_;
    std::vector<Slot> slots_;  // a power of two in size, or empty
    std::size_t used_ = 0;
    std::uint32_t last_ = kNone;  // the slot of the word added last
    std::vector<Entry> lines_;
};

}  // namespace skyloom
