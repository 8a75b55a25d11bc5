#pragma once
// Arrays of plain numbers as bytes of this machine, for the index cache: a
// count, then the values as they lie in memory. Writing and reading fold the
// count and the values of each array into a checksum, the same way; reading
// goes straight into the vector.

#include <cstdint>
#include <cstring>
#include <istream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace skyloom {

// Leaves the numbers of a resized vector unwritten: they are read over at once.
template <class T>
struct UninitializedAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UninitializedAllocator<U>;
    };
    UninitializedAllocator() = default;
    template <class U>
    UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}
    template <class U>
    void construct(U* place) noexcept {
        ::new (static_cast<void*>(place)) U;
    }
    template <class U, class... Args>
    void construct(U* place, Args&&... args) {
        ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
    }
};
template <class T>
using RawVector = std::vector<T, UninitializedAllocator<T>>;

inline std::uint64_t MixChecksum(std::uint64_t checksum, const char* bytes, std::size_t count) {
    const auto mix = [&checksum](std::uint64_t word) {
        checksum = ((checksum << 5) | (checksum >> 59)) ^ word;
    };
    std::size_t at = 0;
    for (; at + 8 <= count; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at, 8);
        mix(word);
    }
    if (at < count) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes + at, count - at);
        mix(word);
    }
    return checksum;
}

template <class T, class Allocator>
void AppendRawArray(std::string& out, std::uint64_t& checksum,
                    const std::vector<T, Allocator>& values) {
    const std::uint64_t count = values.size();
    const auto* bytes = reinterpret_cast<const char*>(values.data());
    out.append(reinterpret_cast<const char*>(&count), sizeof count);
    out.append(bytes, values.size() * sizeof(T));
    checksum = MixChecksum(checksum, reinterpret_cast<const char*>(&count), sizeof count);
    checksum = MixChecksum(checksum, bytes, values.size() * sizeof(T));
}

// `left` counts the bytes the stream still holds.
template <class T, class Allocator>
bool ReadRawArray(std::istream& in, std::uint64_t& left, std::uint64_t& checksum,
                  std::vector<T, Allocator>& values) {
    std::uint64_t count = 0;
    if (left < sizeof count || !in.read(reinterpret_cast<char*>(&count), sizeof count)) {
        return false;
    }
    left -= sizeof count;
    checksum = MixChecksum(checksum, reinterpret_cast<const char*>(&count), sizeof count);
    if (count > left / sizeof(T)) {
        return false;
    }
    values.resize(static_cast<std::size_t>(count));
    auto* bytes = reinterpret_cast<char*>(values.data());
    const std::size_t size = values.size() * sizeof(T);
    if (!in.read(bytes, static_cast<std::streamsize>(size))) {
        return false;
    }
    left -= size;
    checksum = MixChecksum(checksum, bytes, size);
    return true;
}

}  // namespace skyloom
