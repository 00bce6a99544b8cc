#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The tests' own reading of a Windows bitmap file whose rows are run-length
// encoded with 8 bits per pixel (BI_RLE8), the compact form the dialog's
// banner frames are stored in, independent of the system's: expanded to the
// same picture as an uncompressed bitmap file: a 40-byte
// info header, the file's colour table, then bottom-up rows padded to four
// bytes. Pixels the encoding skips (end of line, delta) have index 0.
//
// Nothing when the bytes are not such a file, or when any part of it lies
// outside the bytes, a run or a jump leaves the picture, or the data ends
// before its end-of-bitmap mark.
std::optional<std::vector<std::uint8_t>> expandRle8Bitmap(const std::uint8_t* data,
                                                          std::size_t size);
