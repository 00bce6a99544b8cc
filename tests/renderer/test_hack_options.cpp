#include "bitmap.h"
#include "embedded_textures.h"
#include "hack_options.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

HackCommand parse(std::vector<const char*> args, const char* environmentWindow = nullptr) {
    args.insert(args.begin(), "kalendra");
    return parseHackCommand(static_cast<int>(args.size()), args.data(), environmentWindow);
}

} // namespace

TEST(HackCommand, DisplayModeOnlyWithAWindowToDrawInto) {
    EXPECT_FALSE(parse({}).wanted);
    EXPECT_FALSE(parse({"--count", "10", "--fps"}).wanted);
    EXPECT_FALSE(parse({}, "").wanted);

    // --root alone: the root window and a fresh run's settings.
    const HackCommand root = parse({"--root"});
    EXPECT_TRUE(root.wanted);
    EXPECT_EQ(root.options.window, 0ul);
    EXPECT_EQ(root.options.count, 500);
    EXPECT_EQ(root.options.cameraPreset, ObliqueFar);
    EXPECT_EQ(root.options.trailMode, TrailFade);
    EXPECT_FALSE(root.options.randomColours || root.options.showFps);
    EXPECT_EQ(parse({"-window-id", "0x2a"}).options.window, 42ul);
    EXPECT_EQ(parse({"--window-id=42"}).options.window, 42ul);
    // xscreensaver names its window in the environment; --window-id wins.
    EXPECT_EQ(parse({"--root"}, "0x400008").options.window, 0x400008ul);
    EXPECT_TRUE(parse({}, "77").wanted);
    EXPECT_EQ(parse({"--window-id", "5"}, "77").options.window, 5ul);
}

TEST(HackCommand, OptionsWithOneOrTwoDashes) {
    const HackCommand command = parse({"--root", "--count", "120", "-camera", "4", "--trails",
                                       "off", "--colours=random", "-fps"});
    EXPECT_EQ(command.error, "");
    EXPECT_EQ(command.options.count, 120);
    EXPECT_EQ(command.options.cameraPreset, TopDownNear);
    EXPECT_EQ(command.options.trailMode, TrailNone);
    EXPECT_TRUE(command.options.randomColours);
    EXPECT_TRUE(command.options.showFps);
    EXPECT_EQ(parse({"--root", "--camera", "1"}).options.cameraPreset, ObliqueFar);
    EXPECT_EQ(parse({"--root", "--trails", "short"}).options.trailMode, TrailSolid);
    EXPECT_EQ(parse({"--root", "--trails", "long"}).options.trailMode, TrailFade);
    // Counts go to the flock as they are, beyond int cut to its ends.
    EXPECT_EQ(parse({"--root", "--count", "-3"}).options.count, -3);
    EXPECT_EQ(parse({"--root", "--count", "99999999999"}).options.count, INT_MAX);
}

TEST(HackCommand, BadCommandLinesAreRefusedWithAReason) {
    const std::vector<std::vector<const char*>> bad = {{"--root", "--camera", "0"},
                                                       {"--root", "--camera", "5"},
                                                       {"--root", "--count", "many"},
                                                       {"--root", "--count"},
                                                       {"--root", "--trails", "fade"},
                                                       {"--root", "--colours", "blue"},
                                                       {"--root", "--speed", "3"},
                                                       {"--root", "extra"},
                                                       {"--window-id", "0"},
                                                       {"--window-id", "window"},
                                                       {"--root=1"}};
    for (const auto& args : bad) {
        const HackCommand command = parse(args);
        EXPECT_TRUE(command.wanted) << args.back();
        EXPECT_NE(command.error, "") << args.back();
    }
    EXPECT_NE(parse({}, "not-a-window").error, "");
}

// The carried pictures are the asset files, byte for byte, and read as the
// shipped 64 x 64 grey pictures.
TEST(EmbeddedPictures, AreTheTextureAssets) {
    ASSERT_EQ(embeddedPictureCount, 10);
    for (int i = 0; i < embeddedPictureCount; ++i) {
        const EmbeddedPicture& picture = embeddedPictures[i];
        const std::string expectedName =
            "Butterfly0" + std::to_string(i / 2 + 1) + (i % 2 == 0 ? ".bmp" : "a.bmp");
        EXPECT_EQ(picture.name, expectedName);
        std::ifstream file(std::string(KALENDRA_ASSETS_DIR "/textures/") + picture.name,
                           std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), {});
        EXPECT_EQ(std::vector<std::uint8_t>(picture.bytes, picture.bytes + picture.size), bytes)
            << picture.name;
    }
    for (int kind = 1; kind <= kindCount; ++kind) {
        Image colour;
        Image alpha;
        readEmbeddedKindPictures(kind, colour, alpha);
        EXPECT_EQ(colour.width, 64u);
        EXPECT_EQ(colour.bitsPerPixel, 8u);
        EXPECT_EQ(alpha.height, 64u);
        EXPECT_EQ(alpha.bitsPerPixel, 8u);
    }
}
