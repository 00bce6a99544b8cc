#include "memory_reader.h"

#include <cstring>

bool MemoryReader::read(void* buffer, std::size_t count) {
    if (count == 0)
        return true;
    if (buffer == nullptr || data_ == nullptr || count > size_ - position_)
        return false;
    std::memcpy(buffer, data_ + position_, count);
    position_ += count;
    return true;
}

bool MemoryReader::seek(std::uint64_t offset) {
    if (offset > size_)
        return false;
    position_ = static_cast<std::size_t>(offset);
    return true;
}
