#include <benchmark/benchmark.h>

#include "world/game.h"

static void BM_ConstructGame(benchmark::State& state)
{
    for (auto _ : state) {
        Game game;
        benchmark::DoNotOptimize(game.tiles.data());
    }
}
BENCHMARK(BM_ConstructGame)->Unit(benchmark::kMillisecond);

static void BM_CopyGame(benchmark::State& state)
{
    Game original;
    for (auto _ : state) {
        Game copy(original);
        benchmark::DoNotOptimize(copy.tiles.data());
    }
}
BENCHMARK(BM_CopyGame)->Unit(benchmark::kMillisecond);

static void BM_ResetMap(benchmark::State& state)
{
    Game game;
    for (auto _ : state) {
        game.resetMap();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ResetMap)->Unit(benchmark::kMillisecond);
