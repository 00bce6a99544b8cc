#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Appends little-endian fields to a byte buffer, as the Windows file formats lay them out.
class ByteWriter {
public:
    void u8(std::uint32_t value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
    void u16(std::uint32_t value) {
        u8(value & 0xFF);
        u8((value >> 8) & 0xFF);
    }
    void u32(std::uint32_t value) {
        u16(value & 0xFFFF);
        u16(value >> 16);
    }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }

    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};
