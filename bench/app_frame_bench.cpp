// The world's share of one frame on the full reference factory: a frame at speed 4
// and a frame of a day skip, whose 100 skip steps are the most a frame may take.
//   gearhaven-bench --benchmark_filter=FrameWorld --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include "app/frame_update.h"
#include "audio/sdl_sound_engine.h"
#include "reference_worlds.h"
#include "simulation/production_stats.h"

namespace {

constexpr float FRAME_SECONDS = 1.0f / 60.0f;
// The world starts over after this many frames, so each build measures the same play.
constexpr int FRAMES_PER_RUN = 150;

// `setUp` readies the loop state for each frame: the speed, or a skip to work off.
template <typename SetUp> void runFrames(benchmark::State& state, SetUp setUp, int framesPerRun)
{
    const Game start = referenceFactory(FULL_FACTORY_ITEMS);
    Game game(start);
    SdlSoundEngine sound;  // silent: no device
    game.sound = &sound;
    ProductionStats stats;
    LoopState loop;
    int frames = 0;
    for (auto _ : state) {
        if (frames == framesPerRun) {
            state.PauseTiming();
            game = Game(start);
            frames = 0;
            state.ResumeTiming();
        }
        setUp(loop);
        advanceWorld({game, stats, sound, loop}, false, FRAME_SECONDS);
        ++frames;
    }
    state.counters["items"] = static_cast<double>(start.items.size());
}

void BM_FrameWorldAtSpeed4(benchmark::State& state)
{
    runFrames(
        state, [](LoopState& loop) { loop.speed = 4; }, FRAMES_PER_RUN);
}
BENCHMARK(BM_FrameWorldAtSpeed4)->Unit(benchmark::kMillisecond);

void BM_FrameWorldOfDaySkip(benchmark::State& state)
{
    runFrames(
        state, [](LoopState& loop) { loop.pendingSkip = 60.0; }, 1);
}
BENCHMARK(BM_FrameWorldOfDaySkip)->Unit(benchmark::kMillisecond);

}  // namespace
