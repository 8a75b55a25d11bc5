#pragma once
// An index from keys (words or fixed columns of the lines of a text) to the
// lines they stand in, each line given by where it starts in the text, in
// text order. A key is a piece of the text, kept as its place there. Flat
// arrays: a hash table of the distinct keys, and the lines of each key side
// by side, so that it goes to a cache file and comes back as it is.

#include <cstdint>
#include <istream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "navdata/raw_arrays.h"

namespace skyloom {

class LineIndex {
  public:
    // Appends the index to `out`, as bytes of this machine, and folds them
    // into `checksum`.
    void appendTo(std::string& out, std::uint64_t& checksum) const;
    // Reads an index written by appendTo; `left` counts the bytes the stream
    // still holds. False, and an empty index, when they do not make one.
    // Whatever the bytes, lookups stay within the index.
    bool readFrom(std::istream& in, std::uint64_t& left, std::uint64_t& checksum);

    // The lines of `key`, ascending. `textAt(offset, length)` gives a piece of
    // the text; it is asked only for the keys whose hash matches.
    template <class TextAt>
    std::span<const std::uint32_t> linesOf(std::string_view key, TextAt textAt) const {
        const std::uint32_t hash = hashOf(key);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = hash & mask, probes = 0; probes < slots_.size();
             at = (at + 1) & mask, ++probes) {
            const Slot& slot = slots_[at];
            if (slot.key == 0 || slot.key >= keys_.size()) {
                return {};
            }
            const Key& found = keys_[slot.key - 1];
            const std::uint32_t end = keys_[slot.key].first;
            if (slot.hash == hash && found.length == key.size() && found.first <= end &&
                end <= lines_.size() && textAt(found.offset, found.length) == key) {
                return std::span<const std::uint32_t>(lines_.data() + found.first,
                                                      end - found.first);
            }
        }
        return {};
    }

    // FNV-1a: simple, and quick on the short keys of the navigation files.
    static std::uint64_t hashOf64(std::string_view text);
    static std::uint32_t hashOf(std::string_view text) {
        return static_cast<std::uint32_t>(hashOf64(text));
    }

  private:
    friend class LineIndexBuilder;
    struct Slot {
        std::uint32_t hash;
        std::uint32_t key;  // 1 + its place in keys_, 0 for an empty slot
    };
    struct Key {
        std::uint32_t offset;  // where it stands in the text
        std::uint32_t length;
        std::uint32_t first;  // its first line in lines_; the next key's is its end
    };
    RawVector<Slot> slots_;  // a power of two in size, never full; or empty
    RawVector<Key> keys_;    // with one more at the end that closes the last key's lines
    RawVector<std::uint32_t> lines_;
};

// Builds a LineIndex from the keys of the lines, given in text order.
class LineIndexBuilder {
  public:
    // `text` must outlive the builder; keys are pieces of it.
    explicit LineIndexBuilder(std::string_view text) : text_(text) {}

    // Adds the line starting at `line` to the key's lines unless it is already
    // the key's last one.
    void add(std::string_view key, std::uint32_t line);
    std::size_t entries() const { return pairs_.size() / 2; }
    LineIndex finish();

  private:
    struct Building {
        std::uint32_t offset;
        std::uint32_t length;
        std::uint32_t count;
        std::uint32_t lastLine;
    };
    std::uint32_t keyFor(std::string_view key);
    void grow();

    std::string_view text_;
    std::vector<LineIndex::Slot> slots_;
    std::vector<Building> keys_;
    std::vector<std::uint32_t> pairs_;  // key, line, key, line, ...
    std::uint32_t lastKey_ = 0;         // the key added last (1 + place), 0 for none
};

}  // namespace skyloom
