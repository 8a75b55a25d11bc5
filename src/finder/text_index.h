#pragma once
// A table from texts to numbers by open addressing, for the network's
// hundreds of thousands of lookups while it reads the airway file. The table
// keeps only a hash and the number; the caller says which text a number
// stands for.

#include <cstdint>
#include <string_view>
#include <vector>

namespace skyloom {

class TextIndex {
  public:
    // The number stored for the text; else stores `fresh` and returns it.
    // `textOf(number)` gives the text of a stored number.
    template <class TextOf>
    int findOrAdd(std::string_view text, int fresh, const TextOf& textOf) {
        if ((count_ + 1) * 4 > slots_.size() * 3) {  // at most three quarters full
            grow();
        }
        const std::uint32_t hash = hashOf(text);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            const std::uint64_t slot = slots_[at];
            if (slot == 0) {
                slots_[at] = (std::uint64_t{hash} << 32) | static_cast<std::uint32_t>(fresh + 1);
                ++count_;
                return fresh;
            }
            const int number = static_cast<int>(slot & 0xFFFFFFFFu) - 1;
            if ((slot >> 32) == hash && textOf(number) == text) {
                return number;
            }
        }
    }

    // The number stored for the text, or -1.
    template <class TextOf>
    int find(std::string_view text, const TextOf& textOf) const {
        if (slots_.empty()) {
            return -1;
        }
        const std::uint32_t hash = hashOf(text);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            const std::uint64_t slot = slots_[at];
            if (slot == 0) {
                return -1;
            }
            const int number = static_cast<int>(slot & 0xFFFFFFFFu) - 1;
            if ((slot >> 32) == hash && textOf(number) == text) {
                return number;
            }
        }
    }

    // Forgets the number stored last (it must be the last one added).
    void removeLast(std::string_view text);

  private:
    static std::uint32_t hashOf(std::string_view text);
    void grow();

    std::vector<std::uint64_t> slots_;  // hash << 32 | number + 1; 0 is empty
    std::size_t count_ = 0;
};

}  // namespace skyloom
