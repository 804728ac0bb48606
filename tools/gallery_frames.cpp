#include "gallery_frames.h"

#include <cstdio>

#include "app/render_phase.h"
#include "gallery_picture.h"
#include "reference_worlds.h"

namespace {

constexpr float STEP_SECONDS = 1.0f / 60.0f;
constexpr int RUN_STEPS = 180;  // three seconds at normal speed

// One frame of the world in a window of the size, with the camera at the map's corner.
bool writeFrame(Game& game, int width, int height, int zoomIndex, const std::filesystem::path& path)
{
    Picture picture(width, height);
    LoopState state;
    state.camera.zoomIndex = zoomIndex;
    state.animationTime = RUN_STEPS * STEP_SECONDS;
    resizeView(state, width, height);
    const bool ok = drawWindow(picture, game, state);
    return picture.save(path) && ok;
}

}  // namespace

bool drawWindow(Picture& picture, Game& game, LoopState& state, const MultiSelection* selection,
                std::optional<SDL_Point> pointer)
{
    Screen screen;
    screen.renderer = picture.renderer();
    const bool ok = loadCargoTextures(screen.renderer, screen.cargoTextures) &&
                    loadArmTextures(screen.renderer, screen.armTextures);
    const DemoPlayer noDemo(nullptr, nullptr, false, 1.0);
    const SaveMenu noSaves;
    drawFrame({.screen = screen,
               .game = game,
               .state = state,
               .demoPlayer = noDemo,
               .saveMenu = noSaves,
               .selection = selection,
               .pointer = pointer});
    destroyCargoTextures(screen.cargoTextures);
    destroyArmTextures(screen.armTextures);
    return ok;
}

bool writeFactoryFrames(const std::filesystem::path& out)
{
    Game game = referenceFactory(FULL_FACTORY_ITEMS);
    for (int step = 0; step < RUN_STEPS; ++step) {
        game.update(STEP_SECONDS, false);
        game.advanceClock(STEP_SECONDS);
    }
    const std::filesystem::path map = out / "full-factory.map";
    bool ok = game.saveFileAtomically(map);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", map.string().c_str());
    ok = writeFrame(game, 2560, 1440, START_ZOOM_INDEX, out / "full-factory-frame.png") && ok;
    ok = writeFrame(game, 1280, 800, START_ZOOM_INDEX, out / "full-factory-1280x800.png") && ok;
    ok = writeFrame(game, 2560, 1440, 0, out / "full-factory-whole-map.png") && ok;
    return ok;
}
