// Cost of one flock update (the simulation half of a frame), per butterfly.
#include "flock.h"
#include "random.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FlockUpdate(benchmark::State& state) {
    resetRandom();
    Flock flock;
    flock.build(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        flock.update(1.0f / 60.0f);
        benchmark::DoNotOptimize(flock[0].position);
    }
    // Seconds per butterfly update, shown with an SI prefix (n = nanoseconds).
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["ns_per_butterfly"] = benchmark::Counter(
        static_cast<double>(state.iterations() * state.range(0)),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_FlockUpdate)->Arg(100)->Arg(500)->Arg(1000)->Arg(10000);

// The flock's own memory: one Butterfly per member.
static void BM_ButterflySize(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(sizeof(Butterfly));
    state.counters["bytes_per_butterfly"] = static_cast<double>(sizeof(Butterfly));
}
BENCHMARK(BM_ButterflySize)->Iterations(1);
