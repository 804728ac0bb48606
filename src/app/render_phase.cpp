#include "app/render_phase.h"

#include "app/map_view.h"
#include "ui/translate.h"

namespace {

// The world rebuilds its title text as it runs; until its first step has built
// one, the window keeps the name it was opened with.
void takeWindowTitle(SDL_Window* window, Game& game)
{
    if (!game.titleChanged) return;
    game.titleChanged = false;
    if (window != nullptr && !game.titleText.empty()) SDL_SetWindowTitle(window, translate(game.titleText).c_str());
}

void clipTo(SDL_Renderer* renderer, const SDL_Rect& area) { SDL_RenderSetClipRect(renderer, &area); }

// Everything of the map, from the ground up to the sale texts, inside the viewport.
void drawMapLayers(const MapView& map)
{
    SDL_Renderer* renderer = map.renderer;
    const SDL_Rect view = map.viewport();
    map.drawGround();
    // Measure and switch wires under the controls, then the 5V cables, are drawn here.
    // The 5V cable being dragged is previewed here.
    map.drawControls();
    map.drawSensorFlashes();
    map.drawEjectors(false);
    // The ranges of the 5V supplies are shown here.
    map.drawWaterPipes();
    map.drawStatusMarks();
    // The multi-selection, the Ctrl rectangle, the stored tunnel entrance, the
    // power view's frames and the power cable being dragged are drawn here.
    clipTo(renderer, view);
    // Items on the ground are drawn here, then the bridges over them, then the items on their decks.
    map.drawBridges();
    clipTo(renderer, view);
    map.drawEjectors(true);
    map.drawArms();
    // Items held by the arms are drawn here, over the hands; then the power cables.
    // The switch wire tool's input marker, the wires over the controls, the wire
    // being dragged and the frame of the selected item are drawn here.
    clipTo(renderer, view);
    // The rising sale texts, then the diagnostics markers, the copy rectangle or
    // paste preview, the wire drag from a signal component, the grabbed link, the
    // moved control and the frame of the inspected tile are drawn here.
}

}  // namespace

void drawFrame(const FrameScene& scene)
{
    SDL_Renderer* renderer = scene.screen.renderer;
    const LoopState& state = scene.state;
    takeWindowTitle(scene.screen.window, scene.game);

    SDL_RenderSetClipRect(renderer, nullptr);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(renderer, BACKDROP_RGB[0], BACKDROP_RGB[1], BACKDROP_RGB[2], 255);
    SDL_RenderClear(renderer);

    const FrameFacts facts(scene.game);
    const MapView map{.renderer = renderer,
                      .game = scene.game,
                      .facts = facts,
                      .cargoTextures = scene.screen.cargoTextures,
                      .armTextures = scene.screen.armTextures,
                      .camera = state.camera,
                      .viewWidth = state.viewWidth,
                      .viewHeight = state.viewHeight,
                      .time = state.animationTime};
    // A window no wider than the side panel leaves the map no room at all.
    const SDL_Rect view = map.viewport();
    if (!SDL_RectEmpty(&view)) {
        clipTo(renderer, view);
        drawMapLayers(map);
    }
    SDL_RenderSetClipRect(renderer, nullptr);

    // The minimap, the tool palette, the side panel and its content, the menu,
    // the bottom bar with the settings window, the language pop-up and the
    // pointer's status tip are drawn here, in this order.
    scene.demoPlayer.drawOverlay(renderer);
}

void renderFrame(const FrameScene& scene)
{
    drawFrame(scene);
    SDL_RenderPresent(scene.screen.renderer);
}
