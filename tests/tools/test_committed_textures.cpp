// The ten texture files exactly as the renderer and the host expect them.

#include "asset_bytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

constexpr int side = 64;
constexpr std::size_t pixelOffset = 1078;

std::string textureName(int kind, bool mask) {
    char name[64];
    std::snprintf(name, sizeof name, "textures/Butterfly%02d%s.bmp", kind, mask ? "a" : "");
    return name;
}

// Grey levels, row 0 at the top of the picture.
std::vector<int> greyPixels(const Bytes& bytes) {
    std::vector<int> pixels;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            pixels.push_back(bytes[pixelOffset + static_cast<std::size_t>((side - 1 - y) * side + x)]);
    return pixels;
}

int at(const std::vector<int>& pixels, int x, int y) { return pixels[y * side + x]; }

TEST(CommittedTextures, HaveTheExactGreyBitmapLayout) {
    for (int kind = 1; kind <= 5; ++kind) {
        for (bool mask : {false, true}) {
            SCOPED_TRACE(textureName(kind, mask));
            const Bytes b = readBytes(committedAsset(textureName(kind, mask)));
            ASSERT_EQ(b.size(), 5176u);
            EXPECT_EQ(b[0], 'B');
            EXPECT_EQ(b[1], 'M');
            EXPECT_EQ(le32(b, 2), 5176u);
            EXPECT_EQ(le32(b, 10), pixelOffset);
            EXPECT_EQ(le32(b, 14), 40u);
            EXPECT_EQ(les32(b, 18), side);
            EXPECT_EQ(les32(b, 22), side); // positive: rows bottom-up
            EXPECT_EQ(le16(b, 26), 1u);
            EXPECT_EQ(le16(b, 28), 8u);
            EXPECT_EQ(le32(b, 30), 0u);
            bool ramp = true;
            for (std::size_t i = 0; i < 256; ++i) {
                const std::size_t e = 54 + i * 4;
                ramp = ramp && b[e] == i && b[e + 1] == i && b[e + 2] == i && b[e + 3] == 0;
            }
            EXPECT_TRUE(ramp) << "colour table entry i must be grey i";
            EXPECT_EQ(b[5174], 0);
            EXPECT_EQ(b[5175], 0);
        }
    }
}

TEST(CommittedTextures, WingsLieInsideTheirMasksWithSoftEdges) {
    for (int kind = 1; kind <= 5; ++kind) {
        SCOPED_TRACE(kind);
        const std::vector<int> wing = greyPixels(readBytes(committedAsset(textureName(kind, false))));
        const std::vector<int> mask = greyPixels(readBytes(committedAsset(textureName(kind, true))));
        int outside = 0, covered = 0, opaque = 0, partial = 0, light = 0, dark = 0;
        for (std::size_t i = 0; i < wing.size(); ++i) {
            outside += wing[i] != 0 && mask[i] == 0;
            covered += mask[i] != 0;
            opaque += mask[i] == 255;
            partial += mask[i] != 0 && mask[i] != 255;
            light += mask[i] == 255 && wing[i] > 200;
            dark += mask[i] == 255 && wing[i] < 60;
        }
        EXPECT_EQ(outside, 0) << "wing pixels outside the silhouette";
        EXPECT_GT(opaque, side * side / 2);
        EXPECT_LT(covered, side * side * 95 / 100);
        EXPECT_GT(partial, side) << "the silhouette's edge should be anti-aliased";
        EXPECT_GT(light, side * 2) << "a wing needs light areas to show its tint";
        EXPECT_GT(dark, side * 2) << "and dark markings";
    }
}

TEST(CommittedTextures, BodyRunsDownTheRightEdgeAndTheFrontIsOnTop) {
    for (int kind = 1; kind <= 5; ++kind) {
        SCOPED_TRACE(kind);
        const std::vector<int> mask = greyPixels(readBytes(committedAsset(textureName(kind, true))));
        int bodyEdge = 0, tipEdge = 0;
        for (int y = 0; y < side; ++y) {
            bodyEdge += at(mask, side - 1, y) != 0;
            tipEdge += at(mask, 0, y) != 0;
        }
        EXPECT_GT(bodyEdge, side * 3 / 4);
        EXPECT_LT(tipEdge, side / 4);
        // The fore-wing tip reaches the outer edge near the front; the rear outer corner is empty.
        int frontReach = 0;
        for (int y = 0; y < side / 4; ++y)
            frontReach += at(mask, 2, y) != 0;
        EXPECT_GT(frontReach, 0);
        EXPECT_EQ(at(mask, 0, side - 1), 0);
        EXPECT_EQ(at(mask, 2, side - 3), 0);
    }
}

TEST(CommittedTextures, FiveKindsLookDifferent) {
    std::vector<std::vector<int>> wings;
    for (int kind = 1; kind <= 5; ++kind)
        wings.push_back(greyPixels(readBytes(committedAsset(textureName(kind, false)))));
    for (std::size_t a = 0; a < wings.size(); ++a) {
        for (std::size_t b = a + 1; b < wings.size(); ++b) {
            int differing = 0;
            for (std::size_t i = 0; i < wings[a].size(); ++i)
                differing += std::abs(wings[a][i] - wings[b][i]) > 64;
            EXPECT_GT(differing, side * side / 10) << "kinds " << a + 1 << " and " << b + 1;
        }
    }
}

} // namespace
