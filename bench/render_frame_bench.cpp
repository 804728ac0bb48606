#include <benchmark/benchmark.h>

#include "app/render_phase.h"
#include "reference_worlds.h"
#include "render/texture_caches.h"
#include "simulation/production_stats.h"
#include "software_screen.h"

namespace {

constexpr float FRAME_SECONDS = 1.0f / 60.0f;
constexpr float SKIP_STEP_SECONDS = 1.0f / 1.7f;
constexpr int SKIP_STEPS_PER_FRAME = 100;

// The full reference factory after three seconds of running, as the gallery shows it.
Game runningFactory()
{
    Game game = referenceFactory(FULL_FACTORY_ITEMS);
    for (int step = 0; step < 180; ++step) {
        game.update(FRAME_SECONDS, false);
        game.advanceClock(FRAME_SECONDS);
    }
    return game;
}

// The game's window drawn by the software renderer, with the sprites from
// "assets/" (run from the top folder, as `make bench` does).
class WindowOfFrames {
  public:
    explicit WindowOfFrames(int zoomIndex)
    {
        screen_.renderer = software_.renderer;
        spritesLoaded_ = loadCargoTextures(screen_.renderer, screen_.cargoTextures) &&
                         loadArmTextures(screen_.renderer, screen_.armTextures);
        state.camera.zoomIndex = zoomIndex;
        resizeView(state, SoftwareScreen::WIDTH, SoftwareScreen::HEIGHT);
    }
    ~WindowOfFrames()
    {
        destroyCargoTextures(screen_.cargoTextures);
        destroyArmTextures(screen_.armTextures);
        clearAllTextureCaches();
    }
    WindowOfFrames(const WindowOfFrames&) = delete;
    WindowOfFrames& operator=(const WindowOfFrames&) = delete;

    bool ready(benchmark::State& benchmarkState) const
    {
        if (!spritesLoaded_) benchmarkState.SkipWithError("the sprites in assets/ could not be loaded");
        return spritesLoaded_;
    }

    // One frame drawn and flushed into the window, the animation a frame on.
    void draw(Game& game, float seconds)
    {
        drawFrame({.screen = screen_, .game = game, .state = state, .demoPlayer = noDemo_, .saveMenu = noSaves_});
        SDL_RenderFlush(screen_.renderer);
        state.animationTime += seconds;
        benchmark::DoNotOptimize(software_.renderer);
    }

    LoopState state;

  private:
    SoftwareScreen software_;
    Screen screen_;
    bool spritesLoaded_ = false;
    const DemoPlayer noDemo_{nullptr, nullptr, false, 1.0};
    const SaveMenu noSaves_;
};

// Drawing alone, at the start's zoom (32 px) and the smallest (24 px), where
// the view holds the most tiles.
void BM_FrameOfTheFullFactory(benchmark::State& state)
{
    Game game = runningFactory();
    WindowOfFrames window(static_cast<int>(state.range(0)));
    if (!window.ready(state)) return;
    for (auto _ : state)
        window.draw(game, FRAME_SECONDS);
}
BENCHMARK(BM_FrameOfTheFullFactory)->Arg(START_ZOOM_INDEX)->Arg(0)->Unit(benchmark::kMillisecond);

// The same with the views that ask most of the world: the power view's
// networks, ranges and frames, and the diagnostics' reason for every item.
void BM_FrameWithPowerViewAndDiagnostics(benchmark::State& state)
{
    Game game = runningFactory();
    WindowOfFrames window(static_cast<int>(state.range(0)));
    if (!window.ready(state)) return;
    window.state.powerOverviewVisible = true;
    window.state.diagnosticsVisible = true;
    for (auto _ : state)
        window.draw(game, FRAME_SECONDS);
}
BENCHMARK(BM_FrameWithPowerViewAndDiagnostics)->Arg(START_ZOOM_INDEX)->Arg(0)->Unit(benchmark::kMillisecond);

// The same with the power view on: the poles' ranges, blended pixel by pixel, and the networks' frames.
void BM_FrameOfTheFullFactoryInThePowerView(benchmark::State& state)
{
    Game game = runningFactory();
    WindowOfFrames window(START_ZOOM_INDEX);
    if (!window.ready(state)) return;
    window.state.powerOverviewVisible = true;
    for (auto _ : state)
        window.draw(game, FRAME_SECONDS);
}
BENCHMARK(BM_FrameOfTheFullFactoryInThePowerView)->Unit(benchmark::kMillisecond);

// A frame at four times the speed: four world steps, the statistics' sample and the drawing.
void BM_FrameAtFourTimesSpeed(benchmark::State& state)
{
    Game game = runningFactory();
    ProductionStats stats;
    WindowOfFrames window(START_ZOOM_INDEX);
    if (!window.ready(state)) return;
    for (auto _ : state) {
        for (int step = 0; step < 4; ++step) {
            game.update(FRAME_SECONDS, false);
            game.advanceClock(FRAME_SECONDS);
        }
        stats.update(game, 4 * FRAME_SECONDS);
        window.draw(game, 4 * FRAME_SECONDS);
    }
}
BENCHMARK(BM_FrameAtFourTimesSpeed)->Unit(benchmark::kMillisecond);

// A frame of a time skip: a hundred item steps in skip mode, then the drawing.
void BM_TimeSkipFrame(benchmark::State& state)
{
    Game game = runningFactory();
    ProductionStats stats;
    WindowOfFrames window(START_ZOOM_INDEX);
    if (!window.ready(state)) return;
    for (auto _ : state) {
        for (int step = 0; step < SKIP_STEPS_PER_FRAME; ++step) {
            game.update(SKIP_STEP_SECONDS, true);
            game.advanceClock(SKIP_STEP_SECONDS);
        }
        stats.update(game, SKIP_STEPS_PER_FRAME * SKIP_STEP_SECONDS);
        window.draw(game, SKIP_STEPS_PER_FRAME * SKIP_STEP_SECONDS);
    }
}
BENCHMARK(BM_TimeSkipFrame)->Unit(benchmark::kMillisecond);

}  // namespace
