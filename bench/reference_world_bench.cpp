// The step, the network refresh and the map text on the reference factory,
// loaded with 2,400, 4,000 and 9,600 items. Report medians:
//   gearhaven-bench --benchmark_filter=Factory --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include "map_text_loops.h"
#include "reference_worlds.h"

namespace {

constexpr float NORMAL_STEP = 1.0f / 60.0f;
constexpr float SKIP_STEP = 1.0f / 1.7f;
constexpr int WARM_UP_STEPS = 60;
// Every run starts over from the warmed-up world after this many steps, so
// each build measures the same stretch of play.
constexpr int NORMAL_RUN = 600;
constexpr int SKIP_RUN = 100;

// The factory after a second of play: items under way, arms at work.
Game warmedFactory(int itemCount)
{
    Game game = referenceFactory(itemCount);
    for (int i = 0; i < WARM_UP_STEPS; ++i) {
        game.update(NORMAL_STEP, false);
        game.advanceClock(NORMAL_STEP);
    }
    return game;
}

void countItems(benchmark::State& state, const Game& game)
{
    state.counters["items"] = static_cast<double>(game.items.size());
}

void runSteps(benchmark::State& state, float dt, bool skipMode, int runLength)
{
    const Game start = warmedFactory(static_cast<int>(state.range(0)));
    Game game(start);
    int steps = 0;
    for (auto _ : state) {
        if (steps == runLength) {
            state.PauseTiming();
            game = Game(start);
            steps = 0;
            state.ResumeTiming();
        }
        game.update(dt, skipMode);
        game.advanceClock(dt);
        ++steps;
    }
    countItems(state, start);
}

void BM_FactoryStep(benchmark::State& state) { runSteps(state, NORMAL_STEP, false, NORMAL_RUN); }
BENCHMARK(BM_FactoryStep)
    ->Arg(SMALL_FACTORY_ITEMS)
    ->Arg(FULL_FACTORY_ITEMS)
    ->Arg(LARGE_FACTORY_ITEMS)
    ->Unit(benchmark::kMicrosecond);

void BM_FactorySkipStep(benchmark::State& state) { runSteps(state, SKIP_STEP, true, SKIP_RUN); }
BENCHMARK(BM_FactorySkipStep)
    ->Arg(SMALL_FACTORY_ITEMS)
    ->Arg(FULL_FACTORY_ITEMS)
    ->Arg(LARGE_FACTORY_ITEMS)
    ->Unit(benchmark::kMicrosecond);

void BM_FactoryNetworks(benchmark::State& state)
{
    Game game = warmedFactory(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        game.updateNetworks(0.0f);
        benchmark::ClobberMemory();
    }
    countItems(state, game);
}
BENCHMARK(BM_FactoryNetworks)
    ->Arg(SMALL_FACTORY_ITEMS)
    ->Arg(FULL_FACTORY_ITEMS)
    ->Arg(LARGE_FACTORY_ITEMS)
    ->Unit(benchmark::kMicrosecond);

void BM_FactoryWriteMap(benchmark::State& state)
{
    const Game game = warmedFactory(static_cast<int>(state.range(0)));
    timeMapWrites(state, game);
    countItems(state, game);
}
BENCHMARK(BM_FactoryWriteMap)
    ->Arg(SMALL_FACTORY_ITEMS)
    ->Arg(FULL_FACTORY_ITEMS)
    ->Arg(LARGE_FACTORY_ITEMS)
    ->Unit(benchmark::kMillisecond);

void BM_FactoryReadMap(benchmark::State& state)
{
    const Game factory = warmedFactory(static_cast<int>(state.range(0)));
    timeMapReads(state, mapText(factory), "the reference factory was refused");
    countItems(state, factory);
}
BENCHMARK(BM_FactoryReadMap)
    ->Arg(SMALL_FACTORY_ITEMS)
    ->Arg(FULL_FACTORY_ITEMS)
    ->Arg(LARGE_FACTORY_ITEMS)
    ->Unit(benchmark::kMillisecond);

}  // namespace
