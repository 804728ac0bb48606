#include <benchmark/benchmark.h>

#include "app/loop_state.h"
#include "app/map_interaction.h"
#include "app/side_panel_shell.h"
#include "editing/multi_selection.h"
#include "reference_worlds.h"
#include "render/texture_caches.h"
#include "software_screen.h"

namespace {

// The power overview on the full reference factory, its networks worked out
// in the frame, as when the map view has not done so already.
void BM_DrawSidePanelPowerOverview(benchmark::State& state)
{
    const Game game = referenceFactory(FULL_FACTORY_ITEMS);
    SoftwareScreen screen;
    LoopState loop;
    loop.powerOverviewVisible = true;
    const MultiSelection selection;
    const CargoTextures sprites{};
    for (auto _ : state) {
        drawSidePanel(screen.renderer, SoftwareScreen::WIDTH, SoftwareScreen::HEIGHT, loop, game, selection, sprites);
        SDL_RenderFlush(screen.renderer);
        benchmark::DoNotOptimize(screen.renderer);
    }
    clearGlyphCache();
}
BENCHMARK(BM_DrawSidePanelPowerOverview)->Unit(benchmark::kMicrosecond);

// The information panel of a molder, which asks where the factory's water flows.
void BM_DrawSidePanelMolderInformation(benchmark::State& state)
{
    Game game = referenceFactory(FULL_FACTORY_ITEMS);
    SoftwareScreen screen;
    LoopState loop;
    for (int i = 0; i < TILE_COUNT && !loop.interaction.selection.selected(); ++i) {
        if (game.tiles[i].type == INJECTION_MOLDER) selectControlAt(loop, game, i % GRID_WIDTH, i / GRID_WIDTH);
    }
    const MultiSelection selection;
    const CargoTextures sprites{};
    for (auto _ : state) {
        drawSidePanel(screen.renderer, SoftwareScreen::WIDTH, SoftwareScreen::HEIGHT, loop, game, selection, sprites);
        SDL_RenderFlush(screen.renderer);
        benchmark::DoNotOptimize(screen.renderer);
    }
    state.counters["molder"] = loop.interaction.selection.selected() ? 1 : 0;
    clearGlyphCache();
}
BENCHMARK(BM_DrawSidePanelMolderInformation)->Unit(benchmark::kMicrosecond);

}  // namespace
