#include "navdata/word_index.h"

#include <cstring>

namespace skyloom {

std::uint64_t WordIndex::hashOf(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return hash;
}

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
    if (4 * (used_ + 1) > 3 * slots_.size()) {
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

namespace {

template <class T>
void appendRaw(std::string& out, const std::vector<T>& values) {
    const std::uint64_t count = values.size();
    out.append(reinterpret_cast<const char*>(&count), sizeof count);
    out.append(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(T));
}

template <class T>
bool readRaw(std::istream& in, std::uint64_t& left, std::uint64_t& checksum,
             std::vector<T>& values) {
    std::uint64_t count = 0;
    if (left < sizeof count || !in.read(reinterpret_cast<char*>(&count), sizeof count)) {
        return false;
    }
    left -= sizeof count;
    checksum = WordIndex::mix(checksum, reinterpret_cast<const char*>(&count), sizeof count);
    if (count > left / sizeof(T)) {
        return false;
    }
    values.resize(static_cast<std::size_t>(count));
    const std::size_t bytes = values.size() * sizeof(T);
    if (!in.read(reinterpret_cast<char*>(values.data()), static_cast<std::streamsize>(bytes))) {
        return false;
    }
    left -= bytes;
    checksum = WordIndex::mix(checksum, reinterpret_cast<const char*>(values.data()), bytes);
    return true;
}

}  // namespace

std::uint64_t WordIndex::mix(std::uint64_t checksum, const char* bytes, std::size_t count) {
    for (std::size_t at = 0; at + 8 <= count; at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes + at, 8);
        checksum = ((checksum << 5) | (checksum >> 59)) ^ word;
    }
    return checksum;
}

void WordIndex::appendTo(std::string& out) const {
    appendRaw(out, slots_);
    appendRaw(out, lines_);
}

bool WordIndex::readFrom(std::istream& in, std::uint64_t& left, std::uint64_t& checksum,
                         std::size_t textSize, std::uint32_t lineCount) {
    clear();
    bool fits = readRaw(in, left, checksum, slots_) && readRaw(in, left, checksum, lines_) &&
                (slots_.empty() || (slots_.size() & (slots_.size() - 1)) == 0);
    const auto entries = static_cast<std::uint32_t>(lines_.size());
    for (std::size_t i = 0; fits && i < lines_.size(); ++i) {
        fits = lines_[i].line < lineCount &&
               (lines_[i].next == kNone || (lines_[i].next > i && lines_[i].next < entries));
    }
    for (const Slot& slot : slots_) {
        if (!fits || slot.head == kNone) {
            continue;
        }
        ++used_;
        fits = slot.head < entries && slot.tail < entries &&
               static_cast<std::size_t>(slot.offset) + slot.length <= textSize;
    }
    fits = fits && 4 * used_ <= 3 * slots_.size();  // room for a miss to end on an empty slot
    if (!fits) {
        clear();
    }
    return fits;
}

}  // namespace skyloom
