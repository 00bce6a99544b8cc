#pragma once

#include "raster.h"

#include <cstdint>
#include <optional>
#include <vector>

// A palette picture with a transparency mask, the form icons and cursors are stored in.
struct IndexedImage {
    std::vector<Rgb> palette;
    Raster<std::uint8_t> indices;
    Mask transparent;
};

// Maps a picture to at most `maxColours` palette entries: the most frequent colours are kept
// (ties broken by colour value, so the result never depends on iteration order) and every
// other colour takes its nearest kept entry. Transparent pixels use a black entry, which is
// always present, so that they leave the screen unchanged where the mask lets it through.
std::optional<IndexedImage> toIndexed(const RgbImage& picture, const Mask& transparent,
                                      std::size_t maxColours);
