#include <benchmark/benchmark.h>

#include <SDL.h>

#include <vector>

#include "render/texture_caches.h"
#include "ui/bottom_bar.h"
#include "ui/income_popups.h"
#include "ui/language.h"
#include "ui/tool_palette.h"
#include "world/game.h"

namespace {

// A software renderer on a 1280 x 800 surface: the view is the window less the side panel.
struct Screen {
    static constexpr int VIEW_WIDTH = 960;
    static constexpr int VIEW_HEIGHT = 800;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 1280, 800, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    ~Screen()
    {
        clearGlyphCache();
        clearControlSpriteCache();
        clearControlAtlas();
        clearBridgeAtlas();
        clearWaterPipeTextures();
        SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(surface);
    }
};

// What the panels of this family cost a frame: the palette with the logic
// pop-up open, the bottom bar, and a busy shop's worth of income texts.
void BM_DrawPanelsOfAFrame(benchmark::State& state)
{
    setLanguage(ENGLISH);
    Screen screen;
    Game game;
    std::vector<SaleMarker> markers;
    for (int i = 0; i < MAX_SALE_MARKERS; ++i)
        markers.push_back({10 + i % 8, 10 + i / 8, 375, 0.04f * static_cast<float>(i)});
    BottomBarView bar;
    bar.viewWidth = Screen::VIEW_WIDTH;
    bar.viewHeight = Screen::VIEW_HEIGHT;
    for (auto _ : state) {
        drawToolPanel(screen.renderer, TOOL_LOGIC_RS, 10, 10, false, 1, state.range(0) ? LOGIC_GROUP : -1,
                      Screen::VIEW_WIDTH, Screen::VIEW_HEIGHT);
        drawBottomBar(screen.renderer, game, bar);
        drawIncomePopups(screen.renderer, markers, 0, 0, 32, Screen::VIEW_WIDTH, Screen::VIEW_HEIGHT);
        SDL_RenderFlush(screen.renderer);
        benchmark::DoNotOptimize(screen.surface->pixels);
    }
}
BENCHMARK(BM_DrawPanelsOfAFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
