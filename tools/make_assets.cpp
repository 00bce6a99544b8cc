// Writes every picture the programs carry into an assets folder:
//   make_assets <assets folder> [--previews <folder>]
// The output depends on nothing but this program's code, so running it again over the
// committed assets changes no byte.

#include "asset_previews.h"
#include "asset_set.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    std::string outputFolder;
    std::string previewFolder;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--previews" && i + 1 < argc) {
            previewFolder = argv[++i];
        } else if (outputFolder.empty() && !argument.empty() && argument[0] != '-') {
            outputFolder = argument;
        } else {
            outputFolder.clear();
            break;
        }
    }
    if (outputFolder.empty()) {
        std::fprintf(stderr, "usage: make_assets <assets folder> [--previews <folder>]\n");
        return 2;
    }

    const std::optional<std::vector<AssetFile>> files = generateAssets();
    if (!files) {
        std::fprintf(stderr, "make_assets: a picture could not be generated\n");
        return 1;
    }
    std::string error;
    if (!writeAssets(*files, outputFolder, error)) {
        std::fprintf(stderr, "make_assets: %s\n", error.c_str());
        return 1;
    }
    std::printf("make_assets: wrote %zu files to %s\n", files->size(), outputFolder.c_str());

    if (!previewFolder.empty()) {
        if (!writePreviews(previewFolder, error)) {
            std::fprintf(stderr, "make_assets: %s\n", error.c_str());
            return 1;
        }
        std::printf("make_assets: previews in %s\n", previewFolder.c_str());
    }
    return 0;
}
