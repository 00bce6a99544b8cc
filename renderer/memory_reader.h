#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// Reads bytes held in memory with FileReader's interface, so that a file
// format reader can take either. The bytes must outlive the reader.
class MemoryReader {
  public:
    MemoryReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // True only when all count bytes were read; a short read reads nothing.
    bool read(void* buffer, std::size_t count);
    // Moves to offset bytes from the start; false beyond the end.
    bool seek(std::uint64_t offset);
    std::optional<std::uint64_t> size() const { return size_; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};
