// The dialog's icon, option marks, cursor and banner frames as committed.

#include "asset_bytes.h"
#include "banner_art.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

bool isBlack(const Pixel& p) {
    return p.r == 0 && p.g == 0 && p.b == 0;
}
bool isWhite(const Pixel& p) {
    return p.r == 255 && p.g == 255 && p.b == 255;
}
bool isBlue(const Pixel& p) {
    return p.b > 150 && p.b > p.r + 60 && p.b > p.g + 60;
}
bool same(const Pixel& a, const Pixel& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

TEST(CommittedIcon, IsOne32By32ImageOf256ColoursWithAMask) {
    const Bytes b = readBytes(committedAsset("dialog/icon.ico"));
    const std::size_t imageBytes = 40 + 256 * 4 + 32 * 32 + 32 * 4;
    ASSERT_EQ(b.size(), 6 + 16 + imageBytes);
    EXPECT_EQ(le16(b, 0), 0u);
    EXPECT_EQ(le16(b, 2), 1u); // icon
    EXPECT_EQ(le16(b, 4), 1u);
    EXPECT_EQ(b[6], 32);
    EXPECT_EQ(b[7], 32);
    EXPECT_EQ(b[8], 0); // 256 colours
    EXPECT_EQ(le16(b, 10), 1u);
    EXPECT_EQ(le16(b, 12), 8u);
    EXPECT_EQ(le32(b, 14), imageBytes);
    EXPECT_EQ(le32(b, 18), 22u);
    EXPECT_EQ(le32(b, 22), 40u);
    EXPECT_EQ(les32(b, 26), 32);
    EXPECT_EQ(les32(b, 30), 64); // colour rows and mask rows
    EXPECT_EQ(le16(b, 34), 1u);
    EXPECT_EQ(le16(b, 36), 8u);
    EXPECT_EQ(le32(b, 38), 0u);
}

TEST(CommittedIcon, ShowsASymmetricVioletButterflyEdgedInGreenOnBlack) {
    const IconPicture icon = decodeIconImage(readBytes(committedAsset("dialog/icon.ico")));
    ASSERT_EQ(icon.width, 32);
    ASSERT_EQ(icon.height, 32);
    int violet = 0, green = 0, asymmetric = 0, clear = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Pixel& p = icon.at(x, y);
            violet += p.b > 180 && p.r > 40 && p.r < p.b - 40 && p.g < p.b - 60;
            green += p.g > 180 && p.r > 100 && p.r < p.g && p.b < 100;
            asymmetric += !same(p, icon.at(31 - x, y));
            clear += icon.clear(x, y);
        }
    }
    EXPECT_GT(violet, 100);
    EXPECT_GT(green, 60);
    EXPECT_EQ(asymmetric, 0);
    EXPECT_EQ(clear, 0) << "the black field is part of the picture";
    for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}})
        EXPECT_TRUE(isBlack(icon.at(x, y)));
}

TEST(CommittedCursor, IsA16ColourCursorWithItsHotSpotAtTheFingerTip) {
    const Bytes b = readBytes(committedAsset("dialog/hand.cur"));
    const std::size_t imageBytes = 40 + 16 * 4 + 32 * 16 + 32 * 4;
    ASSERT_EQ(b.size(), 6 + 16 + imageBytes);
    EXPECT_EQ(le16(b, 0), 0u);
    EXPECT_EQ(le16(b, 2), 2u); // cursor
    EXPECT_EQ(le16(b, 4), 1u);
    EXPECT_EQ(b[6], 32);
    EXPECT_EQ(b[7], 32);
    EXPECT_EQ(b[8], 16);
    EXPECT_EQ(le16(b, 10), 12u); // hot spot x
    EXPECT_EQ(le16(b, 12), 1u);  // hot spot y
    EXPECT_EQ(le32(b, 14), imageBytes);
    EXPECT_EQ(le32(b, 18), 22u);
    EXPECT_EQ(les32(b, 30), 64);
    EXPECT_EQ(le16(b, 36), 4u);

    const IconPicture hand = decodeIconImage(b);
    ASSERT_EQ(hand.width, 32);
    // The tip: white under a black outline, with nothing above that.
    EXPECT_FALSE(hand.clear(12, 1));
    EXPECT_TRUE(isWhite(hand.at(12, 1)));
    EXPECT_FALSE(hand.clear(12, 0));
    EXPECT_TRUE(isBlack(hand.at(12, 0)));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (hand.clear(x, y)) {
                EXPECT_TRUE(isBlack(hand.at(x, y))) << "clear pixels must not invert the screen";
            }
    EXPECT_TRUE(hand.clear(0, 0));
    EXPECT_TRUE(hand.clear(31, 31));
}

TEST(CommittedCursor, HandIsOutlinedInBlackAndHasABlueCuffBelow) {
    const IconPicture hand = decodeIconImage(readBytes(committedAsset("dialog/hand.cur")));
    ASSERT_EQ(hand.width, 32);
    int white = 0, blueLow = 0, blueHigh = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (hand.clear(x, y))
                continue;
            const Pixel& p = hand.at(x, y);
            if (isBlue(p))
                (y > 20 ? blueLow : blueHigh) += 1;
            if (!isWhite(p))
                continue;
            ++white;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nx = x + dx, ny = y + dy;
                ASSERT_TRUE(nx >= 0 && ny >= 0 && nx < 32 && ny < 32);
                EXPECT_FALSE(hand.clear(nx, ny)) << "white touches the screen at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(white, 150);
    EXPECT_GT(blueLow, 30);
    EXPECT_EQ(blueHigh, 0);
}

TEST(CommittedOptionMarks, AreTwelvePixelSquares) {
    const RgbPicture off = decodeRgbBmp(readBytes(committedAsset("dialog/mark_off.bmp")));
    const RgbPicture on = decodeRgbBmp(readBytes(committedAsset("dialog/mark_on.bmp")));
    ASSERT_EQ(off.width, 12);
    ASSERT_EQ(off.height, 12);
    ASSERT_EQ(on.width, 12);
    ASSERT_EQ(on.height, 12);

    const Pixel& offEdge = off.at(0, 0);
    EXPECT_TRUE(offEdge.r == offEdge.g && offEdge.g == offEdge.b && offEdge.r > 64 &&
                offEdge.r < 224)
        << "grey outline";
    EXPECT_TRUE(isWhite(off.at(5, 6)));
    EXPECT_TRUE(isWhite(off.at(1, 1)));

    const Pixel& onEdge = on.at(11, 11);
    const Pixel& onFill = on.at(6, 5);
    EXPECT_TRUE(isBlue(onFill));
    EXPECT_GT(onEdge.b, onEdge.r);
    EXPECT_GT(onEdge.r + onEdge.g + onEdge.b, onFill.r + onFill.g + onFill.b) << "lighter edge";
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(same(on.at(i, 0), onEdge) && same(on.at(0, i), onEdge));
        EXPECT_TRUE(same(off.at(11, i), offEdge) && same(off.at(i, 11), offEdge));
    }
}

RgbPicture bannerFrame(int frame) {
    char name[64];
    std::snprintf(name, sizeof name, "dialog/banner%02d.bmp", frame);
    return decodeRgbBmp(readBytes(committedAsset(name)));
}

// Columns holding anything but black inside the border (`border` pixels wide).
std::pair<int, int> inkSpan(const RgbPicture& p, int top, int bottom, int border = 1) {
    int first = p.width, last = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = border; x < p.width - border; ++x)
            if (!isBlack(p.at(x, y))) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

TEST(CommittedBanner, EveryFrameHasTheLightGreyBorderAndFrame24NothingElse) {
    for (int frame = 1; frame <= 24; ++frame) {
        SCOPED_TRACE(frame);
        const RgbPicture p = bannerFrame(frame);
        ASSERT_EQ(p.width, 120);
        ASSERT_EQ(p.height, 50);
        const Pixel border = p.at(0, 0);
        EXPECT_TRUE(border.r == border.g && border.g == border.b && border.r >= 160 &&
                    border.r < 255);
        for (int x = 0; x < 120; ++x)
            ASSERT_TRUE(same(p.at(x, 0), border) && same(p.at(x, 49), border));
        for (int y = 0; y < 50; ++y)
            ASSERT_TRUE(same(p.at(0, y), border) && same(p.at(119, y), border));
        if (frame == 24) {
            EXPECT_EQ(inkSpan(p, 1, 49).second, -1) << "frame 24 is the empty field";
        }
    }
}

TEST(CommittedBanner, WalkersCrossFromLeftToRightUnderFadingText) {
    std::vector<RgbPicture> frames;
    for (int frame = 1; frame <= 24; ++frame)
        frames.push_back(bannerFrame(frame));
    ASSERT_EQ(frames[0].width, 120);

    int fullWhiteFrames = 0, fadedFrames = 0;
    for (int f = 0; f < 23; ++f) {
        EXPECT_NE(inkSpan(frames[f], 1, 49).second, -1) << "frame " << f + 1 << " is empty";
        if (f > 0) {
            EXPECT_FALSE(std::equal(frames[f].pixels.begin(), frames[f].pixels.end(),
                                    frames[f - 1].pixels.begin(), same))
                << "frames " << f << " and " << f + 1 << " are the same";
        }
        bool white = false, faded = false;
        for (int y = 1; y < 22; ++y)
            for (int x = 1; x < 119; ++x) {
                const Pixel& p = frames[f].at(x, y);
                white = white || isWhite(p);
                faded = faded || (p.r == p.g && p.g == p.b && p.r > 40 && p.r < 200);
            }
        fullWhiteFrames += white;
        fadedFrames += faded;
    }
    EXPECT_GE(fullWhiteFrames, 6);
    EXPECT_GE(fadedFrames, 6);

    // Walkers on the lower part: entering at the left, leaving at the right.
    const auto first = inkSpan(frames[0], 24, 49);
    const auto last = inkSpan(frames[22], 24, 49);
    EXPECT_LT(first.second, 20);
    EXPECT_GT(last.first, 100);
    const auto middle = inkSpan(frames[11], 24, 49);
    EXPECT_GT(middle.second - middle.first, 20) << "a group, not one figure";
}

// Every banner frame at every scale is stored run-length encoded and shows exactly the picture
// the generator draws: the same pixels the uncompressed files held.
TEST(CommittedBanner, FramesAreRunLengthEncodedAndShowTheDrawnPicturesExactly) {
    std::size_t total = 0;
    for (const int percent : {100, 150, 200}) {
        for (int frame = 1; frame <= 24; ++frame) {
            char name[64];
            std::snprintf(name, sizeof name, "dialog/banner%02d%s.bmp", frame,
                          percent == 100 ? "" : (percent == 150 ? "_150" : "_200"));
            SCOPED_TRACE(name);
            const Bytes bytes = readBytes(committedAsset(name));
            total += bytes.size();
            EXPECT_EQ(le32(bytes, 30), 1u) << "BI_RLE8";
            const RgbPicture shown = decodeRgbBmp(bytes);
            const std::optional<RgbImage> drawn = drawBannerFrame(frame, percent);
            ASSERT_TRUE(drawn);
            ASSERT_EQ(shown.width, drawn->width());
            ASSERT_EQ(shown.height, drawn->height());
            int differing = 0;
            for (int y = 0; y < shown.height; ++y)
                for (int x = 0; x < shown.width; ++x) {
                    const Rgb want = drawn->at(x, y);
                    differing += !same(shown.at(x, y), Pixel{want.r, want.g, want.b});
                }
            EXPECT_EQ(differing, 0);
        }
    }
    // Uncompressed they took 1,339,320 bytes of the saver's file.
    EXPECT_LT(total, 200000u);
}

// The larger scales: each picture at its scaled size, with the look of the 100 % one.
TEST(CommittedDialogArt, LargerScalesHaveTheirSizesAndTheSameLook) {
    const RgbPicture markOn = decodeRgbBmp(readBytes(committedAsset("dialog/mark_on.bmp")));
    const RgbPicture markOff = decodeRgbBmp(readBytes(committedAsset("dialog/mark_off.bmp")));
    ASSERT_EQ(markOn.width, 12);
    for (const int percent : {150, 200}) {
        SCOPED_TRACE(percent);
        const std::string suffix = "_" + std::to_string(percent);
        const int line = percent / 100; // edges and borders: 1 pixel at 150 %, 2 at 200 %

        for (const RgbPicture* small : {&markOn, &markOff}) {
            const RgbPicture mark = decodeRgbBmp(readBytes(
                committedAsset(std::string("dialog/") +
                               (small == &markOn ? "mark_on" : "mark_off") + suffix + ".bmp")));
            const int side = 12 * percent / 100;
            ASSERT_EQ(mark.width, side);
            ASSERT_EQ(mark.height, side);
            for (int i = 0; i < side; ++i) {
                EXPECT_TRUE(same(mark.at(i, line - 1), small->at(0, 0)));
                EXPECT_TRUE(same(mark.at(side - line, i), small->at(0, 0)));
            }
            EXPECT_TRUE(same(mark.at(line, line), small->at(1, 1)));
            EXPECT_TRUE(same(mark.at(side / 2, side / 2), small->at(6, 6)));
        }

        const int width = 120 * percent / 100, height = 50 * percent / 100;
        for (const int frame : {12, 24}) {
            char name[64];
            std::snprintf(name, sizeof name, "dialog/banner%02d%s.bmp", frame, suffix.c_str());
            const RgbPicture p = decodeRgbBmp(readBytes(committedAsset(name)));
            ASSERT_EQ(p.width, width) << name;
            ASSERT_EQ(p.height, height) << name;
            const Pixel border = bannerFrame(frame).at(0, 0);
            for (int x = 0; x < width; ++x)
                ASSERT_TRUE(same(p.at(x, line - 1), border) &&
                            same(p.at(x, height - line), border));
            for (int y = 0; y < height; ++y)
                ASSERT_TRUE(same(p.at(line - 1, y), border) && same(p.at(width - line, y), border));
            const auto ink = inkSpan(p, line, height - line, line);
            if (frame == 24)
                EXPECT_EQ(ink.second, -1);
            else
                EXPECT_GT(ink.second - ink.first, 30 * percent / 100) << name;
        }

        const Bytes cursor = readBytes(committedAsset("dialog/hand" + suffix + ".cur"));
        const IconPicture hand = decodeIconImage(cursor);
        const int side = 32 * percent / 100;
        ASSERT_EQ(hand.width, side);
        const int hotX = static_cast<int>(le16(cursor, 10)),
                  hotY = static_cast<int>(le16(cursor, 12));
        EXPECT_EQ(hotX, 12 * percent / 100);
        EXPECT_TRUE(isWhite(hand.at(hotX, hotY)) && !hand.clear(hotX, hotY)) << "on the finger tip";
        EXPECT_TRUE(hand.clear(hotX, 0) || isBlack(hand.at(hotX, 0)));
        EXPECT_TRUE(isBlack(hand.at(hotX, hotY - 1)) && !hand.clear(hotX, hotY - 1));

        const IconPicture icon =
            decodeIconImage(readBytes(committedAsset("dialog/icon" + suffix + ".ico")));
        ASSERT_EQ(icon.width, side);
        EXPECT_TRUE(isBlack(icon.at(0, 0)) && isBlack(icon.at(side - 1, side - 1)));
        int violet = 0;
        for (const Pixel& p : icon.colours)
            violet += p.b > 180 && p.r > 40 && p.r < p.b - 40 && p.g < p.b - 60;
        EXPECT_GT(violet, 100 * percent * percent / 10000) << "the wings grow with the icon";
    }
}

} // namespace
