#pragma once
// The bytes of one navigation file, read from it piece by piece as they are
// wanted: a lookup through an index touches a few lines, and only the pieces
// holding them are read and kept in memory. Pieces that are never wanted
// cost no memory.

#include <cstddef>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace skyloom {

class NavText {
  public:
    // Forgets what was read, and opens the file at `path`, taken to have
    // `size` bytes; false when it cannot be opened.
    bool reset(const std::string& path, std::size_t size);
    std::size_t size() const { return size_; }
    // The bytes at `offset`, reading what is not read yet. Bytes the file no
    // longer has (it shrank under us) read as blanks.
    std::string_view view(std::size_t offset, std::size_t length);
    std::string_view all() { return view(0, size_); }
    // The line that starts at `offset`, up to its LF or the end of the file.
    std::string_view lineAt(std::size_t offset);
    // Lets go of the file until the next read, so that it can be replaced.
    void close() { in_.close(); }

  private:
    static constexpr std::size_t kPiece = 16 * 1024;
    void read(std::size_t firstPiece, std::size_t endPiece);

    std::string path_;
    std::size_t size_ = 0;
    std::unique_ptr<char[]> bytes_;  // left unwritten, and so unmapped, until read
    std::vector<bool> read_;         // per piece
    std::ifstream in_;
};

}  // namespace skyloom
