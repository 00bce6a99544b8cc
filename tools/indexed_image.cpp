#include "indexed_image.h"

#include <algorithm>
#include <limits>
#include <map>

namespace {

std::uint32_t packed(Rgb c) { return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b; }

int distanceSquared(Rgb a, Rgb b) {
    const int dr = a.r - b.r;
    const int dg = a.g - b.g;
    const int db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

} // namespace

std::optional<IndexedImage> toIndexed(const RgbImage& picture, const Mask& transparent,
                                      std::size_t maxColours) {
    if (maxColours < 1 || maxColours > 256 || transparent.width() != picture.width() ||
        transparent.height() != picture.height())
        return std::nullopt;

    const Rgb black{};
    std::map<std::uint32_t, std::size_t> counts;
    counts[packed(black)] = std::numeric_limits<std::size_t>::max(); // black always stays
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (!transparent.at(x, y) && packed(picture.at(x, y)) != packed(black))
                ++counts[packed(picture.at(x, y))];

    std::vector<std::pair<std::size_t, std::uint32_t>> byCount;
    for (const auto& [colour, count] : counts)
        byCount.emplace_back(count, colour);
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    if (byCount.size() > maxColours)
        byCount.resize(maxColours);

    IndexedImage result{{}, Raster<std::uint8_t>(picture.width(), picture.height()), transparent};
    for (const auto& entry : byCount)
        result.palette.push_back(Rgb{static_cast<std::uint8_t>(entry.second >> 16),
                                     static_cast<std::uint8_t>(entry.second >> 8),
                                     static_cast<std::uint8_t>(entry.second)});

    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Rgb wanted = transparent.at(x, y) ? black : picture.at(x, y);
            std::size_t best = 0;
            for (std::size_t i = 1; i < result.palette.size(); ++i)
                if (distanceSquared(result.palette[i], wanted) <
                    distanceSquared(result.palette[best], wanted))
                    best = i;
            result.indices.at(x, y) = static_cast<std::uint8_t>(best);
        }
    }
    return result;
}
