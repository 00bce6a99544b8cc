#pragma once

#include <cstdint>
#include <memory>

class Image;

// A file-format reader: fills image from the file at path.
using ImageReader = bool (*)(const char* path, Image* image);

// An in-memory picture. Rows follow each other with no gap; row 0 is the
// top row. 24-bit pixels are red, green, blue; 32-bit red, green, blue,
// alpha. An empty image has every field 0 and no pixels.
class Image {
  public:
    Image() = default;
    virtual ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // Frees the pixels and empties the image.
    virtual void release();

    // Replaces the picture by an uninitialised one of the given size. False
    // (and an empty image) when an argument is 0, the byte count does not
    // fit in 32 bits or the memory cannot be had.
    bool allocate(std::uint32_t width, std::uint32_t height, std::uint32_t bitsPerPixel);

    // Fills the image with reader; the image itself knows no file format.
    bool load(const char* path, ImageReader reader);

    const std::uint8_t* pixels() const { return pixels_.get(); }
    std::uint8_t* pixels() { return pixels_.get(); }

    std::uint32_t bitsPerPixel = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t rowBytes = 0;
    std::uint32_t byteCount = 0;

  private:
    std::unique_ptr<std::uint8_t[]> pixels_;
};
