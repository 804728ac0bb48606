#include <benchmark/benchmark.h>

#include <SDL.h>

#include <vector>

#include "render/texture_caches.h"
#include "software_screen.h"
#include "ui/bottom_bar.h"
#include "ui/income_popups.h"
#include "ui/tool_palette.h"
#include "world/game.h"
#include "world/language.h"

namespace {

// The map view of a 1280 x 800 window: the window less the side panel.
constexpr int VIEW_WIDTH = SoftwareScreen::WIDTH - 320;
constexpr int VIEW_HEIGHT = SoftwareScreen::HEIGHT;

// What the panels of this family cost a frame: the palette with the logic
// pop-up open, the bottom bar, and a busy shop's worth of income texts.
void BM_DrawPanelsOfAFrame(benchmark::State& state)
{
    setLanguage(ENGLISH);
    SoftwareScreen screen;
    Game game;
    std::vector<SaleMarker> markers;
    for (int i = 0; i < MAX_SALE_MARKERS; ++i)
        markers.push_back({10 + i % 8, 10 + i / 8, 375, 0.04f * static_cast<float>(i)});
    BottomBarView bar;
    bar.viewWidth = VIEW_WIDTH;
    bar.viewHeight = VIEW_HEIGHT;
    for (auto _ : state) {
        drawToolPanel(screen.renderer, TOOL_LOGIC_RS, 10, 10, false, 1, state.range(0) ? LOGIC_GROUP : -1, VIEW_WIDTH,
                      VIEW_HEIGHT);
        drawBottomBar(screen.renderer, game, bar);
        drawIncomePopups(screen.renderer, markers, 0, 0, 32, VIEW_WIDTH, VIEW_HEIGHT);
        SDL_RenderFlush(screen.renderer);
        benchmark::DoNotOptimize(screen.renderer);
    }
    // The icons' textures go before their renderer does.
    clearGlyphCache();
    clearControlSpriteCache();
    clearControlAtlas();
    clearBridgeAtlas();
    clearWaterPipeTextures();
}
BENCHMARK(BM_DrawPanelsOfAFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
