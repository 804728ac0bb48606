#include <benchmark/benchmark.h>

#include <algorithm>

#include "reference_worlds.h"
#include "render/minimap.h"
#include "software_screen.h"
#include "world/tile_item_index.h"

namespace {

// The large reference factory, with plain tiles on every tile it leaves free,
// so the minimap paints all 4,800 tiles.
Game builtOverFactory()
{
    Game game = referenceFactory(LARGE_FACTORY_ITEMS);
    for (Tile& tile : game.tiles) {
        if (tile.isFree()) tile.type = PLAIN;
    }
    return game;
}

// A 1280 x 800 window: the minimap's box at the map view's lower right, the view scrolled into the map.
const SDL_Rect MINIMAP_BOX{SoftwareScreen::WIDTH - 320 - 178, SoftwareScreen::HEIGHT - 138, 168, 128};
const MapScroll SCROLL{640, 480, 32};
constexpr int VIEW_WIDTH = SoftwareScreen::WIDTH - 320;
constexpr int VIEW_HEIGHT = SoftwareScreen::HEIGHT;

// What a frame with the minimap on pays: the item index, every tile's
// warnings, and the minimap drawn and flushed.
void BM_MinimapWithWarnings(benchmark::State& state)
{
    const Game game = builtOverFactory();
    SoftwareScreen screen;
    std::size_t warned = 0;
    for (auto _ : state) {
        const TileItemIndex index(game);
        const std::vector<unsigned> warnings = game.mapWarnings(index);
        drawMinimap(screen.renderer, game, warnings, MINIMAP_BOX, SCROLL, VIEW_WIDTH, VIEW_HEIGHT);
        SDL_RenderFlush(screen.renderer);
        warned = static_cast<std::size_t>(
            std::count_if(warnings.begin(), warnings.end(), [](unsigned w) { return w != 0; }));
        benchmark::DoNotOptimize(screen.renderer);
    }
    state.counters["items"] = static_cast<double>(game.items.size());
    state.counters["warned_tiles"] = static_cast<double>(warned);
}
BENCHMARK(BM_MinimapWithWarnings)->Unit(benchmark::kMicrosecond);

// The parts on their own: the warnings from a shared index, and the drawing.
void BM_MapWarnings(benchmark::State& state)
{
    const Game game = builtOverFactory();
    const TileItemIndex index(game);
    for (auto _ : state)
        benchmark::DoNotOptimize(game.mapWarnings(index));
}
BENCHMARK(BM_MapWarnings)->Unit(benchmark::kMicrosecond);

void BM_DrawMinimap(benchmark::State& state)
{
    const Game game = builtOverFactory();
    SoftwareScreen screen;
    const std::vector<unsigned> warnings = game.mapWarnings(TileItemIndex(game));
    for (auto _ : state) {
        drawMinimap(screen.renderer, game, warnings, MINIMAP_BOX, SCROLL, VIEW_WIDTH, VIEW_HEIGHT);
        SDL_RenderFlush(screen.renderer);
        benchmark::DoNotOptimize(screen.renderer);
    }
}
BENCHMARK(BM_DrawMinimap)->Unit(benchmark::kMicrosecond);

}  // namespace
