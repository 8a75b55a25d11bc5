#include "navdata/nav_text.h"

#include <algorithm>
#include <cstring>

#include "io/file_system.h"

namespace skyloom {

bool NavText::reset(const std::string& path, std::size_t size) {
    in_.close();
    path_ = path;
    size_ = size;
    bytes_ = size == 0 ? nullptr : std::make_unique_for_overwrite<char[]>(size);
    read_.assign((size + kPiece - 1) / kPiece, false);
    if (!path.empty()) {
        in_.open(toNativePath(path), std::ios::binary);
    }
    return in_.is_open();
}

std::string_view NavText::view(std::size_t offset, std::size_t length) {
    if (length == 0 || offset >= size_) {
        return {};
    }
    length = std::min(length, size_ - offset);
    const std::size_t end = (offset + length - 1) / kPiece + 1;
    for (std::size_t piece = offset / kPiece; piece < end; ++piece) {
        if (read_[piece]) {
            continue;
        }
        std::size_t last = piece + 1;
        while (last < end && !read_[last]) {
            ++last;
        }
        read(piece, last);
        piece = last - 1;
    }
    return std::string_view(bytes_.get() + offset, length);
}

std::string_view NavText::lineAt(std::size_t offset) {
    std::size_t end = offset;
    while (end < size_) {
        const std::size_t pieceEnd = std::min((end / kPiece + 1) * kPiece, size_);
        const std::size_t lineFeed = view(end, pieceEnd - end).find('\n');
        if (lineFeed != std::string_view::npos) {
            end += lineFeed;
            break;
        }
        end = pieceEnd;
    }
    return offset < end ? std::string_view(bytes_.get() + offset, end - offset)
                        : std::string_view();
}

void NavText::read(std::size_t firstPiece, std::size_t endPiece) {
    const std::size_t from = firstPiece * kPiece;
    const std::size_t to = std::min(endPiece * kPiece, size_);
    if (!in_.is_open()) {
        in_.open(toNativePath(path_), std::ios::binary);
    }
    in_.clear();
    std::size_t got = 0;
    if (in_.seekg(static_cast<std::streamoff>(from))) {
        in_.read(bytes_.get() + from, static_cast<std::streamsize>(to - from));
        got = static_cast<std::size_t>(in_.gcount());
    }
    std::memset(bytes_.get() + from + got, ' ', to - from - got);
    std::fill(read_.begin() + static_cast<std::ptrdiff_t>(firstPiece),
              read_.begin() + static_cast<std::ptrdiff_t>(endPiece), true);
}

}  // namespace skyloom
