#include <benchmark/benchmark.h>

#include <SDL.h>

#include "render/control_sprite.h"
#include "software_screen.h"

namespace {

// Painting a whole 1280 x 800 screen of one control straight onto it, as the
// map does without render targets: the cost the sprite cache saves.
void BM_PaintScreenOfControls(benchmark::State& state)
{
    const int tileSize = static_cast<int>(state.range(1));
    Tile tile;
    tile.type = static_cast<ControlType>(state.range(0));
    tile.dir = EAST;
    tile.generatorOn = true;
    tile.generatorBurnTime = 5.0f;
    tile.molderTimer = 2.0f;
    tile.beltSpeed = 4;
    tile.ovenTimer = tile.smelterTimer = tile.fillerTimer = 1.0f;
    tile.signalOut = tile.inputA = tile.running = true;
    tile.elapsed = 1.0f;
    tile.counterCount = 42;
    SoftwareScreen screen;
    const int columns = SoftwareScreen::WIDTH / tileSize, rows = SoftwareScreen::HEIGHT / tileSize;
    float time = 0.0f;
    for (auto _ : state) {
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < columns; ++x)
                drawControlSprite(screen.renderer, tile, x, y, 0, 0, tileSize, time, true);
        }
        time += 1.0f / 60.0f;
        benchmark::DoNotOptimize(screen.renderer);
    }
    state.counters["tiles"] = columns * rows;
    state.counters["us_per_tile"] =
        benchmark::Counter(static_cast<double>(columns * rows),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PaintScreenOfControls)
    ->ArgsProduct({{EMPTY,          BELT,          SOURCE,           SINK,          ARM,         TUNNEL_EXIT,
                    COAL_GENERATOR, POWER_POLE,    INJECTION_MOLDER, WATER_SOURCE,  EJECTOR,     DISTRIBUTOR,
                    MIXER,          OVEN,          SMELTER,          FILLER,        STORAGE,     SHOP,
                    SENSOR,         LOGIC_AND,     SIGNAL_LAMP,      LOGIC_COUNTER, LOGIC_TIMER, LOGIC_CLOCK,
                    LOGIC_SWITCH,   LOGIC_STEPPER, POWER_SUPPLY},
                   {32, 64}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
