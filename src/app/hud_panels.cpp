#include "app/hud_panels.h"

#include "app/frame_update.h"
#include "persistence/save_menu.h"
#include "render/clip_scope.h"
#include "ui/income_popups.h"
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

void drawBottomBarAndSettings(SDL_Renderer* renderer, const Game& game, const LoopState& state, const SaveMenu& menu,
                              LoopClock::time_point now)
{
    drawBottomBar(renderer, game, bottomBarView(state, menu, now));
    if (state.settingsWindowVisible)
        drawSettingsWindow(renderer, state.viewHeight, game.sourcesEnabled, state.soundEnabled);
}
