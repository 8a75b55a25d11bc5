#include "navdata/line_index.h"

#include "navdata/raw_arrays.h"

namespace skyloom {

std::uint64_t LineIndex::hashOf64(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return hash;
}

void LineIndexBuilder::grow() {
    std::vector<LineIndex::Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, LineIndex::Slot{0, 0});
    const std::size_t mask = slots_.size() - 1;
    for (const LineIndex::Slot& slot : old) {
        if (slot.key == 0) {
            continue;
        }
        std::size_t at = slot.hash & mask;
        while (slots_[at].key != 0) {
            at = (at + 1) & mask;
        }
        slots_[at] = slot;
    }
}

std::uint32_t LineIndexBuilder::keyFor(std::string_view key) {
    // The lines of an airway follow each other: the key of the line before is
    // the likeliest one.
    if (lastKey_ != 0) {
        const Building& last = keys_[lastKey_ - 1];
        if (last.length == key.size() && text_.compare(last.offset, last.length, key) == 0) {
            return lastKey_;
        }
    }
    if (4 * (keys_.size() + 1) > 3 * slots_.size()) {
        grow();
    }
    const std::uint32_t hash = LineIndex::hashOf(key);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        LineIndex::Slot& slot = slots_[at];
        if (slot.key == 0) {
            keys_.push_back({static_cast<std::uint32_t>(key.data() - text_.data()),
                             static_cast<std::uint32_t>(key.size()), 0, UINT32_MAX});
            slot = {hash, static_cast<std::uint32_t>(keys_.size())};
            return slot.key;
        }
        const Building& found = keys_[slot.key - 1];
        if (slot.hash == hash && found.length == key.size() &&
            text_.compare(found.offset, found.length, key) == 0) {
            return slot.key;
        }
    }
}

void LineIndexBuilder::add(std::string_view key, std::uint32_t line) {
    lastKey_ = keyFor(key);
    Building& building = keys_[lastKey_ - 1];
    if (building.lastLine == line) {
        return;  // a key twice in one line lists the line once
    }
    building.lastLine = line;
    ++building.count;
    pairs_.push_back(lastKey_ - 1);
    pairs_.push_back(line);
}

LineIndex LineIndexBuilder::finish() {
    LineIndex index;
    index.slots_.assign(slots_.begin(), slots_.end());
    index.keys_.reserve(keys_.size() + 1);
    std::uint32_t first = 0;
    for (const Building& key : keys_) {
        index.keys_.push_back({key.offset, key.length, first});
        first += key.count;
    }
    index.keys_.push_back({0, 0, first});
    // Each key's lines in the order they came, which is line order.
    index.lines_.resize(first);
    std::vector<std::uint32_t> next(keys_.size());
    for (std::size_t key = 0; key < keys_.size(); ++key) {
        next[key] = index.keys_[key].first;
    }
    for (std::size_t at = 0; at < pairs_.size(); at += 2) {
        index.lines_[next[pairs_[at]]++] = pairs_[at + 1];
    }
    *this = LineIndexBuilder(text_);
    return index;
}

void LineIndex::appendTo(std::string& out, std::uint64_t& checksum) const {
    AppendRawArray(out, checksum, slots_);
    AppendRawArray(out, checksum, keys_);
    AppendRawArray(out, checksum, lines_);
}

bool LineIndex::readFrom(std::istream& in, std::uint64_t& left, std::uint64_t& checksum) {
    const bool read =
        ReadRawArray(in, left, checksum, slots_) && ReadRawArray(in, left, checksum, keys_) &&
        ReadRawArray(in, left, checksum, lines_) && (slots_.size() & (slots_.size() - 1)) == 0;
    if (!read) {
        *this = LineIndex();
    }
    return read;
}

}  // namespace skyloom
