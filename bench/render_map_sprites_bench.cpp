#include <benchmark/benchmark.h>

#include <SDL.h>

#include <functional>

#include "render/bridge_sprite.h"
#include "render/control_sheets.h"
#include "render/texture_caches.h"
#include "render/water_pipe_sprite.h"

namespace {

// One tile of a screen: its grid position, its square's size and the animation time.
using TileDraw = std::function<void(SDL_Renderer*, int tx, int ty, int tileSize, float time)>;

// Draws whole 1280 x 800 software screens of one kind of tile, a frame of
// animation apart, and counts the cost per tile. The caches let go of the
// screen's textures at the end.
void drawScreens(benchmark::State& state, int tileSize, const TileDraw& draw)
{
    constexpr int WIDTH = 1280, HEIGHT = 800;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, WIDTH, HEIGHT, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    const int columns = WIDTH / tileSize, rows = HEIGHT / tileSize;
    float time = 0.0f;
    for (auto _ : state) {
        for (int ty = 0; ty < rows; ++ty) {
            for (int tx = 0; tx < columns; ++tx)
                draw(renderer, tx, ty, tileSize, time);
        }
        time += 1.0f / 60.0f;
        benchmark::DoNotOptimize(surface->pixels);
    }
    state.counters["us_per_tile"] =
        benchmark::Counter(static_cast<double>(columns * rows),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    clearControlSpriteCache();
    clearControlAtlas();
    clearBridgeAtlas();
    clearWaterPipeTextures();
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
}

// A screen of one control through drawControl, as the map draws it without
// sheets: each frame copies the cached pictures of its animation frame.
void BM_DrawScreenThroughCache(benchmark::State& state)
{
    Tile tile;
    tile.type = static_cast<ControlType>(state.range(0));
    tile.dir = EAST;
    tile.generatorOn = true;
    tile.generatorBurnTime = 5.0f;
    tile.beltSpeed = 4;
    drawScreens(state, static_cast<int>(state.range(1)), [&](SDL_Renderer* r, int tx, int ty, int size, float time) {
        drawControl(r, tile, tx, ty, 0, 0, size, time, true);
    });
}
BENCHMARK(BM_DrawScreenThroughCache)
    ->ArgsProduct({{BELT, SOURCE, ARM, COAL_GENERATOR, POWER_POLE, EJECTOR}, {32, 64}})
    ->Unit(benchmark::kMillisecond);

// Bridge decks through their cache, each rising over the tile above.
void BM_DrawScreenOfBridges(benchmark::State& state)
{
    drawScreens(state, static_cast<int>(state.range(0)), [](SDL_Renderer* r, int tx, int ty, int size, float time) {
        drawBridge(r, tx * size, ty * size, size, size, EAST, 1, time);
    });
}
BENCHMARK(BM_DrawScreenOfBridges)->Arg(32)->Arg(64)->Unit(benchmark::kMillisecond);

// Straight pipes with water flowing through, each tile a flow step on.
void BM_DrawScreenOfWaterPipes(benchmark::State& state)
{
    drawScreens(state, static_cast<int>(state.range(0)), [](SDL_Renderer* r, int tx, int ty, int size, float time) {
        drawWaterPipe(r, tx * size, ty * size, size, size, PIPE_EAST | PIPE_WEST, PIPE_WEST, PIPE_EAST, time, tx);
    });
}
BENCHMARK(BM_DrawScreenOfWaterPipes)->Arg(32)->Arg(64)->Unit(benchmark::kMillisecond);

}  // namespace
