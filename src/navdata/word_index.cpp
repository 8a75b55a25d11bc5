#include "navdata/word_index.h"

namespace skyloom {

namespace {

// FNV-1a: simple, and quick on the short words of the navigation files.
std::uint64_t hashOf(std::string_view word) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : word) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return hash;
}

}  // namespace

void WordIndex::clear() {
    last_ = kNone;
    slots_.clear();
    used_ = 0;
    lines_.clear();
}

const WordIndex::Slot* WordIndex::find(std::string_view word) const {
    if (slots_.empty()) {
        return nullptr;
    }
    const std::uint64_t hash = hashOf(word);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.head == kNone) {
            return nullptr;
        }
        if (slot.hash == hash && text_.substr(slot.offset, slot.length) == word) {
            return &slot;
        }
    }
}

WordIndex::Slot& WordIndex::slotFor(std::string_view word, std::uint64_t hash) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        Slot& slot = slots_[at];
        if (slot.head == kNone) {
            slot.hash = hash;
            slot.offset = static_cast<std::uint32_t>(word.data() - text_.data());
            slot.length = static_cast<std::uint32_t>(word.size());
            ++used_;
            return slot;
        }
        if (slot.hash == hash && text_.substr(slot.offset, slot.length) == word) {
            return slot;
        }
    }
}

void WordIndex::grow() {
    last_ = kNone;
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.head == kNone) {
            continue;
        }
        std::size_t at = slot.hash & mask;
        while (slots_[at].head != kNone) {
            at = (at + 1) & mask;
        }
        slots_[at] = slot;
    }
}

void WordIndex::add(std::string_view word, std::uint32_t line) {
    // The lines of an airway follow each other: the word of the line before is
    // the likeliest one.
    if (last_ != kNone && slots_[last_].length == word.size() &&
        text_.compare(slots_[last_].offset, word.size(), word) == 0) {
        appendLine(slots_[last_], line);
        return;
    }
    if (2 * (used_ + 1) > slots_.size()) {
        grow();
    }
    Slot& slot = slotFor(word, hashOf(word));
    last_ = static_cast<std::uint32_t>(&slot - slots_.data());
    appendLine(slot, line);
}

void WordIndex::appendLine(Slot& slot, std::uint32_t line) {
    if (slot.tail != kNone && lines_[slot.tail].line == line) {
        return;  // a word twice in one line lists the line once
    }
    const auto entry = static_cast<std::uint32_t>(lines_.size());
    lines_.push_back({line, kNone});
    if (slot.tail == kNone) {
        slot.head = entry;
    } else {
        lines_[slot.tail].next = entry;
    }
    slot.tail = entry;
}

}  // namespace skyloom
