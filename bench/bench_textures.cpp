// Cost of loading the five texture pairs from disk into upload-ready pixels
// (file reading, decoding and combining colour with alpha; the GL upload is
// not included).
#include "bitmap.h"
#include "image.h"
#include "texture_pixels.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

void BM_LoadFiveTexturePairs(benchmark::State& state) {
    const std::string folder = KALENDRA_ASSETS_DIR "/textures/";
    for (auto _ : state) {
        int uploads = 0;
        for (int kind = 1; kind <= 5; ++kind) {
            char name[32];
            std::snprintf(name, sizeof name, "Butterfly0%d", kind);
            Image colour;
            Image alpha;
            colour.load((folder + name + ".bmp").c_str(), readBmp);
            alpha.load((folder + name + "a.bmp").c_str(), readBmp);
            const TexturePlan plan = planTexture(colour, &alpha);
            if (plan.accepted && plan.upload)
                ++uploads;
        }
        if (uploads != 5) {
            state.SkipWithError("a texture pair did not load");
            break;
        }
        benchmark::DoNotOptimize(uploads);
    }
}

} // namespace

BENCHMARK(BM_LoadFiveTexturePairs)->Unit(benchmark::kMicrosecond);
