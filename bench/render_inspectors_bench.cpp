#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "persistence/save_menu.h"
#include "render/cargo_textures.h"
#include "render/texture_caches.h"
#include "software_screen.h"
#include "ui/hud_layout.h"
#include "ui/inspector_widgets.h"
#include "ui/menu_overlay.h"
#include "ui/transport_inspectors.h"
#include "world/game.h"

namespace {

// The busiest inspector, the arm's: fifteen cells with sprites, the side,
// return and signal buttons, the open orders and the wrapped hint, then "DREHEN".
void BM_DrawArmInspector(benchmark::State& state)
{
    SoftwareScreen screen;
    CargoTextures sprites{};
    const bool withSprites = loadCargoTextures(screen.renderer, sprites);
    Tile arm;
    arm.type = ARM;
    arm.dir = EAST;
    arm.armCargoFilter = ALL_CARGO & ~cargoBit(COAL);
    const ScreenRect panel = sidePanelContentRect(SoftwareScreen::WIDTH, SoftwareScreen::HEIGHT);
    for (auto _ : state) {
        drawArmPanel(screen.renderer, sprites, panel, arm);
        drawRotateButton(screen.renderer, panel);
        SDL_RenderFlush(screen.renderer);
        benchmark::DoNotOptimize(screen.renderer);
    }
    state.counters["sprites"] = withSprites ? 1 : 0;
    destroyCargoTextures(sprites);
    clearGlyphCache();
}
BENCHMARK(BM_DrawArmInspector)->Unit(benchmark::kMicrosecond);

// The slot screen asks the file system for every slot, its name and the
// autosave in each frame it is shown: ten slots in use here.
void BM_DrawSlotScreen(benchmark::State& state)
{
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("gearhaven-bench-slots-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    for (int slot = 1; slot <= SLOT_COUNT; ++slot) {
        std::ofstream(SaveMenu::slotMapPath(dir, slot)) << "\n";
        std::ofstream(SaveMenu::slotNamePath(dir, slot)) << "FABRIK " << slot << "\n";
    }
    SaveMenu menu;
    menu.services.saveDirectory = [&dir] { return std::optional(dir); };
    menu.state = MenuState::SlotScreen;
    SoftwareScreen screen;
    for (auto _ : state) {
        drawMenuOverlay(screen.renderer, SoftwareScreen::WIDTH, SoftwareScreen::HEIGHT, menu);
        SDL_RenderFlush(screen.renderer);
        benchmark::DoNotOptimize(screen.renderer);
    }
    clearGlyphCache();
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_DrawSlotScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
