#pragma once

#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
    friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

// A picture in memory, row 0 at the top.
template <typename Pixel> class Raster {
public:
    Raster(int width, int height, Pixel fill = Pixel{})
        : width_(width), height_(height),
          pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Pixel& at(int x, int y) { return pixels_[index(x, y)]; }
    const Pixel& at(int x, int y) const { return pixels_[index(x, y)]; }

    friend bool operator==(const Raster& a, const Raster& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
    }

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<Pixel> pixels_;
};

using GreyImage = Raster<std::uint8_t>;
using RgbImage = Raster<Rgb>;

// Rounds a level in 0..1 to a byte, clamping outside values.
inline std::uint8_t toByte(double level) {
    if (level <= 0.0)
        return 0;
    if (level >= 1.0)
        return 255;
    return static_cast<std::uint8_t>(level * 255.0 + 0.5);
}

// One flag per pixel, nonzero where set.
using Mask = Raster<std::uint8_t>;
