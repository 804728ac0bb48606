#include "app/render_phase.h"

#include "app/hud_panels.h"
#include "app/map_overlays.h"
#include "app/map_view.h"
#include "app/side_panel_shell.h"
#include "render/clip_scope.h"
#include "render/minimap.h"
#include "render/wire_drawing.h"
#include "ui/hud_layout.h"
#include "world/translate.h"

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

// The window's backdrop everywhere but the hole, which the frame covers with
// opaque pixels anyway: clearing the whole window costs as much as a layer.
void fillBackdropAround(SDL_Renderer* renderer, const SDL_Rect& hole)
{
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(renderer, &width, &height);
    const int right = hole.x + hole.w, bottom = hole.y + hole.h;
    const SDL_Rect around[] = {{0, 0, width, hole.y},
                               {0, bottom, width, height - bottom},
                               {0, hole.y, hole.x, hole.h},
                               {right, hole.y, width - right, hole.h}};
    SDL_SetRenderDrawColor(renderer, BACKDROP_RGB[0], BACKDROP_RGB[1], BACKDROP_RGB[2], 255);
    if (SDL_RectEmpty(&hole)) {
        SDL_RenderClear(renderer);
        return;
    }
    for (const SDL_Rect& part : around) {
        if (!SDL_RectEmpty(&part)) SDL_RenderFillRect(renderer, &part);
    }
}

// Asked once a frame: the map's previews and the status tip follow the same point.
SDL_Point framePointer(const FrameScene& scene)
{
    if (scene.pointer) return *scene.pointer;
    SDL_Point pointer{};
    scene.demoPlayer.pointerPosition(pointer.x, pointer.y);
    return pointer;
}

// The selected control, whose wires the map view lights.
TilePoint selectedTile(const ControlSelection& selection)
{
    if (!selection.selected()) return {-1, -1};
    return {selection.control.x, selection.control.y};
}

// Everything of the map, from the ground up to the sale texts and what the
// pointer is about to do, inside the viewport.
void drawMapLayers(const MapOverlays& overlays)
{
    const MapView& map = overlays.map;
    SDL_Renderer* renderer = map.renderer;
    const SDL_Rect view = map.viewport();
    map.drawGround();
    map.drawWires(WIRES_UNDER_CONTROLS);
    map.drawDcCables(overlays.dcCableHighlight());
    overlays.drawDcCableDrag();
    map.drawControls();
    map.drawSensorFlashes();
    map.drawEjectors(false);
    overlays.drawPoleRanges();
    map.drawWaterPipes();
    map.drawStatusMarks();
    overlays.drawSelection();
    overlays.drawTunnelEntrance();
    overlays.drawPowerView();
    overlays.drawPowerCableDrag();
    clipTo(renderer, view);
    map.drawItems(ItemLayer::GROUND);
    clipTo(renderer, view);
    map.drawBridges();
    map.drawItems(ItemLayer::DECK);
    clipTo(renderer, view);
    map.drawEjectors(true);
    map.drawArms();
    map.drawItems(ItemLayer::CARRIED);
    clipTo(renderer, view);
    map.drawPowerCables();
    overlays.drawInputMarker();
    map.drawWires(WIRES_OVER_CONTROLS);
    overlays.drawWireToolDrag();
    overlays.drawSelectedItemFrame();
    clipTo(renderer, view);
    drawSaleMarkers(renderer, overlays.state);
    overlays.drawDiagnostics();
    overlays.drawCopyOrPaste();
    overlays.drawSignalDrag();
    overlays.drawCarriedLinkEnd();
    overlays.drawMoveDrag();
    overlays.drawInspectedFrame();
}

// Over the map's lower right corner. Where the view is wider than the map, the
// frame of what it shows is wider than the minimap too: it is cut at the
// viewport's edge rather than reach into the side panel.
void drawMinimapBox(const MapView& map, const LoopState& state)
{
    if (!state.minimapVisible) return;
    const ClipScope inView(map.renderer, map.viewport());
    const ScreenRect box = minimapRect(map.viewWidth, map.viewHeight);
    drawMinimap(map.renderer, map.game, map.facts.warnings, {box.left, box.top, box.width, box.height}, map.scroll(),
                map.viewWidth, map.viewHeight);
}

}  // namespace

void drawFrame(const FrameScene& scene)
{
    SDL_Renderer* renderer = scene.screen.renderer;
    const LoopState& state = scene.state;
    takeWindowTitle(scene.screen.window, scene.game);

    SDL_RenderSetClipRect(renderer, nullptr);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);

    const SDL_Point pointer = framePointer(scene);
    const FrameFacts facts(scene.game, state.powerOverviewVisible);
    const MapView map{.renderer = renderer,
                      .game = scene.game,
                      .facts = facts,
                      .cargoTextures = scene.screen.cargoTextures,
                      .armTextures = scene.screen.armTextures,
                      .camera = state.camera,
                      .viewWidth = state.viewWidth,
                      .viewHeight = state.viewHeight,
                      .time = state.animationTime,
                      .selected = selectedTile(state.interaction.selection)};
    // A window no wider than the side panel leaves the map no room at all.
    const SDL_Rect view = map.viewport();
    fillBackdropAround(renderer, SDL_RectEmpty(&view) ? SDL_Rect{0, 0, 0, 0} : map.groundArea());
    if (!SDL_RectEmpty(&view)) {
        clipTo(renderer, view);
        drawMapLayers({.map = map, .state = state, .selection = scene.selection, .pointer = pointer});
        SDL_RenderSetClipRect(renderer, nullptr);
        drawMinimapBox(map, state);
    }
    SDL_RenderSetClipRect(renderer, nullptr);

    drawToolPalette(renderer, state);
    int windowWidth = 0;
    int windowHeight = 0;
    SDL_GetRendererOutputSize(renderer, &windowWidth, &windowHeight);
    if (scene.selection != nullptr) {
        drawSidePanel(renderer, windowWidth, windowHeight, scene.state, scene.game, *scene.selection,
                      scene.screen.cargoTextures, facts.power ? &*facts.power : nullptr, scene.stats);
    }
    drawToolChoosers(renderer, state, windowWidth, windowHeight);
    SDL_RenderSetClipRect(renderer, nullptr);
    drawOpenMenu(renderer, windowWidth, windowHeight, scene.saveMenu);
    drawBottomBarAndSettings(renderer, scene.game, state, scene.saveMenu, scene.now);
    drawPointerOverlays(renderer, scene.game, state, scene.saveMenu, pointer, &facts.itemIndex);
    scene.demoPlayer.drawOverlay(renderer);
}

void renderFrame(const FrameScene& scene)
{
    drawFrame(scene);
    SDL_RenderPresent(scene.screen.renderer);
}
