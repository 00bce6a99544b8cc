#pragma once

#include "image.h"

#include <cstddef>

// The largest width or height the bitmap reader accepts.
constexpr std::int32_t maxBitmapSide = 16384;

// Reads an uncompressed 8-, 24- or 32-bit Windows bitmap file into image:
// rows top first, 24-bit pixels as red, green, blue, 32-bit as red, green,
// blue and the file's fourth byte. An 8-bit file's colour table is not used:
// each byte is the grey level itself. Any unreadable, unsupported or
// implausible file gives false and an empty image.
bool readBmp(const char* path, Image* image);
// The same for the bytes of a bitmap file held in memory.
bool readBmpBytes(const std::uint8_t* bytes, std::size_t size, Image* image);
