#include "app/hud_panels.h"

#include "app/frame_update.h"
#include "app/pointer_places.h"
#include "persistence/save_menu.h"
#include "render/clip_scope.h"
#include "ui/income_popups.h"
#include "ui/language_popup.h"
#include "ui/menu_overlay.h"
#include "ui/settings_window.h"
#include "ui/tool_help_panels.h"
#include "ui/tool_palette.h"
#include "world/game.h"

void drawSaleMarkers(SDL_Renderer* renderer, const LoopState& state)
{
    if (state.saleMarkers.empty()) return;
    const ClipScope clip(renderer, {0, 0, state.viewWidth, state.viewHeight});
    if (!clip.isOpen()) return;
    drawIncomePopups(renderer, state.saleMarkers, state.camera.scrollX, state.camera.scrollY, tileSize(state.camera),
                     state.viewWidth, state.viewHeight);
}

void drawToolPalette(SDL_Renderer* renderer, const LoopState& state)
{
    drawToolPanel(renderer, state.selectedTool, state.toolPanelX, state.toolPanelY, state.paused, state.speed,
                  state.openToolGroup, state.viewWidth, state.viewHeight);
}

void drawToolChoosers(SDL_Renderer* renderer, const LoopState& state, int windowWidth, int windowHeight)
{
    if (!state.beltSpeedChooserOpen && !state.directionChooserOpen) return;
    const ScreenRect content = sidePanelContentRect(windowWidth, windowHeight);
    const ClipScope clip(renderer, {content.left, content.top, content.width, content.height});
    if (!clip.isOpen()) return;
    if (state.directionChooserOpen) drawDirectionChooser(renderer, content, state.paintDirection);
    if (state.beltSpeedChooserOpen) drawBeltSpeedChooser(renderer, content, state.paintBeltSpeed);
}

BottomBarView bottomBarView(const LoopState& state, const SaveMenu& menu, LoopClock::time_point now)
{
    BottomBarView view;
    view.viewWidth = state.viewWidth;
    view.viewHeight = state.viewHeight;
    view.skipPending = skipPending(state);
    view.settingsWindowOpen = state.settingsWindowVisible;
    view.languagePopupOpen = state.languagePopupOpen;
    view.menuOpen = menu.state != MenuState::Closed;
    view.statisticsOpen = state.statisticsVisible;
    view.saveFeedbackShown = now < state.quickSaveFeedbackUntil;
    view.saveSucceeded = state.quickSaveSucceeded;
    return view;
}

void drawOpenMenu(SDL_Renderer* renderer, int windowWidth, int windowHeight, const SaveMenu& menu)
{
    if (menu.state != MenuState::Closed) drawMenuOverlay(renderer, windowWidth, windowHeight, menu);
}

void drawBottomBarAndSettings(SDL_Renderer* renderer, const Game& game, const LoopState& state, const SaveMenu& menu,
                              LoopClock::time_point now)
{
    drawBottomBar(renderer, game, bottomBarView(state, menu, now));
    if (state.settingsWindowVisible)
        drawSettingsWindow(renderer, state.viewHeight, game.sourcesEnabled, state.soundEnabled);
}

namespace {

bool dragUnderWay(const LoopState& state)
{
    const Interaction& interaction = state.interaction;
    return state.stroke.kind != StrokeKind::NONE || state.panning || state.selectDragging || state.minimapDragging ||
           state.toolPanelDragging || state.moveDrag.active || state.ctrlRect.active || state.copyRect.active ||
           (interaction.wireDrag.active() && interaction.wireDrag.moved) || interaction.linkEndDrag.active();
}

// Above the bottom bar and off the tool panel, the shown minimap and the open
// settings window.
bool onFreeMap(const LoopState& state, int px, int py)
{
    if (!insideView(state, px, py) || py >= state.viewHeight - BOTTOM_BAR_SPACE) return false;
    if (onToolPanel(state, px, py) || onMinimap(state, px, py)) return false;
    return !(state.settingsWindowVisible && contains(settingsWindowRect(state.viewHeight), px, py));
}

}  // namespace

bool statusTipWanted(const LoopState& state, const SaveMenu& menu)
{
    const AreaClipboard& clipboard = state.clipboard;
    return menu.state == MenuState::Closed && !dragUnderWay(state) && !clipboard.copying && !clipboard.pasting;
}

std::optional<StatusTip> pointerStatusTip(const Game& game, const LoopState& state, int px, int py,
                                          const TileItemIndex* itemIndex)
{
    if (!onFreeMap(state, px, py)) return std::nullopt;
    const TilePoint tile = screenToTile(state.camera, px, py);
    return statusTipAt(game.statusText(tile.x, tile.y, itemIndex), state.paused, px, py, state.viewWidth,
                       state.viewHeight);
}

void drawPointerOverlays(SDL_Renderer* renderer, const Game& game, const LoopState& state, const SaveMenu& menu,
                         SDL_Point pointer, const TileItemIndex* itemIndex)
{
    if (state.languagePopupOpen)
        drawLanguagePopup(renderer, state.viewWidth, state.viewHeight, state.languageStoreFailed);
    if (!statusTipWanted(state, menu)) return;
    const std::optional<StatusTip> tip = pointerStatusTip(game, state, pointer.x, pointer.y, itemIndex);
    if (tip) drawStatusTip(renderer, *tip);
}
