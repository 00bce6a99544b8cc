// Regenerating the assets gives exactly the committed files.

#include "asset_bytes.h"
#include "asset_set.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace {

TEST(AssetReproducible, RegeneratedFilesEqualTheCommittedOnes) {
    const std::optional<std::vector<AssetFile>> files = generateAssets();
    ASSERT_TRUE(files.has_value());
    // Textures, then icon, two marks, pointer and 24 banner frames at 100, 150 and 200 %.
    ASSERT_EQ(files->size(), 10u + 3 * (1 + 2 + 1 + 24));

    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / "kalendra_assets_regenerated";
    std::filesystem::remove_all(folder);
    std::string error;
    ASSERT_TRUE(writeAssets(*files, folder, error)) << error;

    std::set<std::string> names;
    for (const AssetFile& file : *files) {
        SCOPED_TRACE(file.path);
        EXPECT_TRUE(names.insert(file.path).second) << "generated twice";
        const Bytes written = readBytes(folder / file.path);
        EXPECT_EQ(written, file.bytes);
        const Bytes committed = readBytes(committedAsset(file.path));
        ASSERT_FALSE(committed.empty()) << "not committed: run make_assets <repo>/assets";
        EXPECT_TRUE(committed == written) << "differs from the committed file: run make_assets";
    }
    std::filesystem::remove_all(folder);
}

TEST(AssetReproducible, WritingIntoAFileInsteadOfAFolderFailsWithAMessage) {
    const std::filesystem::path blocker =
        std::filesystem::path(testing::TempDir()) / "kalendra_assets_blocker";
    std::filesystem::remove_all(blocker);
    { std::ofstream(blocker) << "x"; }
    std::string error;
    EXPECT_FALSE(writeAssets({{"textures/a.bmp", {1, 2, 3}}}, blocker, error));
    EXPECT_NE(error.find("textures"), std::string::npos) << error;
    std::filesystem::remove_all(blocker);
}

} // namespace
