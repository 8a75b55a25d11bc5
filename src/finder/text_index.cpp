#include "finder/text_index.h"

namespace skyloom {

std::uint32_t TextIndex::hashOf(std::string_view text) {
    // FNV-1a, folded to 32 bits.
    std::uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : text) {
        hash = (hash ^ c) * 1099511628211ULL;
    }
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

void TextIndex::grow() {
    std::vector<std::uint64_t> old(slots_.empty() ? 1024 : slots_.size() * 2, 0);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (std::uint64_t slot : old) {
        if (slot != 0) {
            std::size_t at = (slot >> 32) & mask;
            while (slots_[at] != 0) {
                at = (at + 1) & mask;
            }
            slots_[at] = slot;
        }
    }
}

void TextIndex::removeLast(std::string_view text) {
    // Linear probing: the slot is emptied and the run after it placed anew.
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = hashOf(text) & mask;
    std::uint32_t highest = 0;
    std::size_t where = at;
    for (; slots_[at] != 0; at = (at + 1) & mask) {
        const auto number = static_cast<std::uint32_t>(slots_[at] & 0xFFFFFFFFu);
        if (number > highest) {
            highest = number;
            where = at;
        }
    }
    slots_[where] = 0;
    --count_;
    for (at = (where + 1) & mask; slots_[at] != 0; at = (at + 1) & mask) {
        const std::uint64_t slot = slots_[at];
        slots_[at] = 0;
        std::size_t to = (slot >> 32) & mask;
        while (slots_[to] != 0) {
            to = (to + 1) & mask;
        }
        slots_[to] = slot;
    }
}

}  // namespace skyloom
