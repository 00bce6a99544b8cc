// Feeds arbitrary bytes to the bitmap reader through a real file and checks
// what it makes of them.
#include "bitmap.h"
#include "texture_pixels.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

// One file per process, in memory where the system offers it.
const std::string& inputPath() {
    static const std::string path = [] {
        std::error_code error;
        std::filesystem::path folder = "/dev/shm";
        if (!std::filesystem::is_directory(folder, error))
            folder = std::filesystem::temp_directory_path();
        return (folder / ("kalendra_fuzz_bitmap_" + std::to_string(getpid()) + ".bmp")).string();
    }();
    return path;
}

struct RemoveAtExit {
    ~RemoveAtExit() { std::remove(inputPath().c_str()); }
} removeAtExit;

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

void checkEmpty(const Image& image) {
    check(image.pixels() == nullptr && image.bitsPerPixel == 0 && image.width == 0 &&
              image.height == 0 && image.rowBytes == 0 && image.byteCount == 0,
          "a rejected file leaves the image empty");
}

volatile unsigned pixelSum = 0;

void checkImage(const Image& image, std::size_t fileSize) {
    const std::uint32_t bits = image.bitsPerPixel;
    check(bits == 8 || bits == 24 || bits == 32, "depth is 8, 24 or 32");
    check(image.width >= 1 && image.width <= maxBitmapSide, "width in range");
    check(image.height >= 1 && image.height <= maxBitmapSide, "height in range");
    check(image.rowBytes == image.width * (bits / 8), "rows are packed");
    check(image.byteCount == image.rowBytes * image.height, "byte count matches");
    check(image.pixels() != nullptr, "pixels present");
    // Every pixel came from the file, so the file holds at least that many.
    check(image.byteCount <= fileSize, "no more pixels than file bytes");
    // Touch every byte so the sanitizer sees any short allocation; the sum
    // goes to a volatile so the loop is not optimised away.
    unsigned sum = 0;
    for (std::uint32_t i = 0; i < image.byteCount; ++i)
        sum += image.pixels()[i];
    pixelSum = sum;
}

void checkPlan(const Image& colour) {
    // The image as its own alpha: fits exactly when it is 8-bit.
    const TexturePlan paired = planTexture(colour, &colour);
    const std::size_t count = std::size_t{colour.width} * colour.height;
    check(paired.accepted == (colour.bitsPerPixel != 24), "24-bit alpha is rejected");
    if (paired.upload) {
        check(paired.upload->pixels.size() ==
                  count * static_cast<std::size_t>(paired.upload->components),
              "upload size");
        if (colour.bitsPerPixel == 8)
            check(paired.upload->pixels[0] == paired.upload->pixels[1], "pairs colour, alpha");
    }
    const TexturePlan alone = planTexture(colour, nullptr);
    check(alone.accepted && alone.upload && alone.upload->pixels.size() == colour.byteCount,
          "colour alone uploads its pixels");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = inputPath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        std::abort();
    if (size != 0 && std::fwrite(data, 1, size, file) != size)
        std::abort();
    std::fclose(file);

    Image image;
    if (readBmp(path.c_str(), &image)) {
        checkImage(image, size);
        checkPlan(image);
    } else {
        checkEmpty(image);
    }
    return 0;
}
