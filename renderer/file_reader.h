#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>

// A buffered binary input file. eof() is true while no file is open and
// after a read stopped at the end of the file.
class FileReader {
  public:
    FileReader() = default;
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // Closes any open file, then opens path exactly as given, for reading.
    bool open(const char* path);
    // True only when all count bytes were read.
    bool read(void* buffer, std::size_t count);
    // Moves to offset bytes from the start of the file.
    bool seek(std::uint64_t offset);
    // The length of the open file in bytes; the read position is kept.
    std::optional<std::uint64_t> size();
    void close();

    bool isOpen() const { return file_ != nullptr; }
    bool eof() const { return eof_; }

  private:
    std::FILE* file_ = nullptr;
    bool eof_ = true;
};
