#include "app/panel_clicks.h"

#include <chrono>
#include <optional>

#include "app/frame_update.h"
#include "app/main_loop.h"
#include "app/map_interaction.h"
#include "app/overview_wiring.h"
#include "app/side_panel_shell.h"
#include "app/side_panel_wiring.h"
#include "app/signal_section_wiring.h"
#include "app/window_events.h"
#include "editing/recorded_commands.h"
#include "editing/undo_history.h"
#include "persistence/settings.h"
#include "ui/bottom_bar.h"
#include "ui/hud_layout.h"
#include "ui/settings_window.h"
#include "ui/tool_help_panels.h"
#include "ui/tool_palette.h"
#include "ui/tool_panel_layout.h"
#include "world/game.h"
#include "world/language.h"

namespace {

constexpr auto QUICK_SAVE_FEEDBACK = std::chrono::seconds(2);

int windowWidth(const LoopState& state) { return state.viewWidth + SIDE_PANEL_WIDTH; }

ScreenRect sidePanel(const LoopState& state) { return sidePanelRect(windowWidth(state), state.viewHeight); }

ScreenRect sidePanelContent(const LoopState& state)
{
    return sidePanelContentRect(windowWidth(state), state.viewHeight);
}

bool inSidePanel(const LoopState& state, int px, int py) { return contains(sidePanel(state), px, py); }

// The map's own handling has these presses first: a carried link end ignores
// them, the number entry takes them, and another button ends a wire drag.
bool leftToTheMap(const LoopState& state, const SDL_MouseButtonEvent& press)
{
    const Interaction& interaction = state.interaction;
    return interaction.linkEndDrag.active() || state.numberEntry.active ||
           (press.button != SDL_BUTTON_LEFT && interaction.wireDrag.active());
}

void endDemolishStroke(Shell& shell)
{
    MapStroke& stroke = shell.state.stroke;
    if (stroke.kind == StrokeKind::DEMOLISH) endStroke(stroke, shell.undoHistory, shell.game);
}

// A press on a panel ends whatever the pointer was drawing on the map.
void endPanAndStrokes(Shell& shell)
{
    shell.state.panning = false;
    endStroke(shell.state.stroke, shell.undoHistory, shell.game);
}

// -- Before the menu ---------------------------------------------------------

// The sensor's cargo page, while open, takes every press.
bool takeCargoChoicePress(Shell& shell, const SDL_MouseButtonEvent& press)
{
    return pressCargoChoice(shell.state, shell.game, shell.undoHistory, windowWidth(shell.state),
                            shell.state.viewHeight, press.x, press.y, press.button);
}

bool pressLanguageButton(Shell& shell, const SDL_MouseButtonEvent& press)
{
    LoopState& state = shell.state;
    if (press.button != SDL_BUTTON_LEFT ||
        !contains(languageButtonRect(state.viewWidth, state.viewHeight), press.x, press.y))
        return false;
    state.languagePopupOpen = !state.languagePopupOpen;
    state.openToolGroup = -1;
    state.languageStoreFailed = false;
    state.settingsWindowVisible = false;
    state.toolPanelDragging = false;
    state.selectDragging = false;
    state.panning = false;
    endDemolishStroke(shell);
    return true;
}

// The language takes effect at once, the window's title with it, and is stored
// in the settings file. Without a current directory there is no file to store
// it in: the pop-up says so, and the choice holds for this run.
void chooseLanguage(Shell& shell, Language chosen)
{
    switchLanguage(shell.game, chosen);
    bool stored = false;
    if (shell.directory) {
        Settings settings = loadSettings(*shell.directory);
        settings.language = chosen;
        stored = saveSettings(*shell.directory, settings);
    }
    shell.state.languageStoreFailed = !stored;
}

// While the pop-up is open it takes every press: a row chooses its language and
// the pop-up stays open to show whether it was stored; elsewhere it closes.
bool pressLanguagePopup(Shell& shell, const SDL_MouseButtonEvent& press)
{
    LoopState& state = shell.state;
    if (!state.languagePopupOpen) return false;
    const int width = state.viewWidth;
    const int height = state.viewHeight;
    if (press.button == SDL_BUTTON_LEFT && contains(languagePopupRect(width, height), press.x, press.y)) {
        for (int row = 0; row < static_cast<int>(LANGUAGES.size()); ++row) {
            if (contains(languagePopupRowRect(width, height, row), press.x, press.y))
                chooseLanguage(shell, LANGUAGES[static_cast<std::size_t>(row)].language);
        }
        return true;
    }
    if (press.button == SDL_BUTTON_LEFT || press.button == SDL_BUTTON_RIGHT) state.languagePopupOpen = false;
    return true;
}

// -- The side panel's overviews ----------------------------------------------

void takeMachineOverviewPress(Shell& shell, const SDL_MouseButtonEvent& press)
{
    pressMachineOverview(shell.state, shell.game, windowWidth(shell.state), shell.state.viewHeight, press.x, press.y);
}

// "STROM P" and "X" on the side panel's top bar, tested before the overviews take
// the rest of the panel.
bool pressSidePanelTopBar(Shell& shell, const SDL_MouseButtonEvent& press)
{
    return pressSidePanelBar(shell.state, shell.game, shell.selection, windowWidth(shell.state), shell.state.viewHeight,
                             press.x, press.y);
}

// -- The menu, the bottom bar and the settings window ------------------------

bool pressMenu(Shell& shell, const SDL_MouseButtonEvent& press)
{
    SaveMenu& menu = shell.saveMenu;
    LoopState& state = shell.state;
    if (menu.state == MenuState::Closed) return false;
    if (state.machineOverviewVisible && inSidePanel(state, press.x, press.y)) {
        if (!pressSidePanelTopBar(shell, press)) takeMachineOverviewPress(shell, press);
        return true;
    }
    shell.selection.clear();
    const bool wasNaming = menu.state == MenuState::Rename;
    if (menu.handleClick(shell.game, dialogRect(windowWidth(state), state.viewHeight), press.x, press.y))
        state.running = false;
    // A load or a new map may have replaced the world under a control picked up
    // before the menu opened.
    endMoveDrag(state);
    const bool naming = menu.state == MenuState::Rename;
    if (naming && !wasNaming) SDL_StartTextInput();
    if (wasNaming && !naming) SDL_StopTextInput();
    return true;
}

void quickSave(Shell& shell)
{
    LoopState& state = shell.state;
    state.quickSaveSucceeded = quickSaveFromBar(shell.saveMenu, shell.game, shell.directory);
    state.quickSaveFeedbackUntil = LoopClock::now() + QUICK_SAVE_FEEDBACK;
}

void openSaveSlots(Shell& shell)
{
    LoopState& state = shell.state;
    resetInteraction(state, shell.game);
    shell.selection.clear();
    shell.saveMenu.openSlotScreen(true, false);
    state.selectionSettingsOpen = false;
    // The screen's directory look-ups must not reach the world as elapsed time.
    state.lastFrameTime = LoopClock::now();
    endPanAndStrokes(shell);
}

bool pressBar(Shell& shell, const SDL_MouseButtonEvent& press)
{
    LoopState& state = shell.state;
    switch (bottomBarAreaAt(press.x, press.y, state.viewWidth, state.viewHeight)) {
    case BottomBarArea::Outside:
        return false;
    case BottomBarArea::SkipDay:
    case BottomBarArea::SkipToMonth:
        // A skip under way is worked off before another may start.
        if (skipPending(state)) return true;
        break;
    case BottomBarArea::SaveIcon:
        quickSave(shell);
        return true;
    case BottomBarArea::SaveField:
        openSaveSlots(shell);
        return true;
    default:
        break;
    }
    const BottomBarControls controls{state.pendingSkip, state.stepRequested, state.settingsWindowVisible,
                                     state.statisticsVisible};
    pressBottomBar(press.x, press.y, state.viewWidth, state.viewHeight, shell.game, controls,
                   [&shell] { resetInteraction(shell.state, shell.game); });
    return true;
}

// A press inside the open window stays there whatever it hits.
bool pressSettings(Shell& shell, const SDL_MouseButtonEvent& press)
{
    LoopState& state = shell.state;
    if (!state.settingsWindowVisible) return false;
    const SettingsWindowPress result = pressSettingsWindow(press.x, press.y, state.viewHeight, shell.game,
                                                           state.soundEnabled, skipPending(state), shell.directory);
    if (result.mute) shell.sound.setMuted(*result.mute);
    return result.inside;
}

// -- The side panel ----------------------------------------------------------

// The overviews, the top bar and the multi-selection panel, in that order.
bool pressSidePanelFrame(Shell& shell, const SDL_MouseButtonEvent& press)
{
    LoopState& state = shell.state;
    const bool inside = inSidePanel(state, press.x, press.y);
    if (state.machineOverviewVisible && inside) {
        if (!pressSidePanelTopBar(shell, press)) takeMachineOverviewPress(shell, press);
        return true;
    }
    if (state.powerOverviewVisible && !inside) resetInteraction(state, shell.game);
    if (pressSidePanelTopBar(shell, press)) return true;
    // While the power overview is shown, the rest of the panel is its list.
    if (state.powerOverviewVisible && inside) return true;
    return pressSelectionPanel(state, shell.game, shell.undoHistory, shell.selection, windowWidth(state),
                               state.viewHeight, press.x, press.y);
}

// The inspector of the selected control, "DREHEN", the painted panels and the
// tool choosers; a press on the panel that none of them takes ends there.
bool pressSidePanelContent(Shell& shell, const SDL_MouseButtonEvent& press)
{
    LoopState& state = shell.state;
    if (!inSidePanel(state, press.x, press.y)) return false;
    const ScreenRect content = sidePanelContent(state);
    // The information panel, with the sections of logic components and sensors,
    // comes before "DREHEN".
    if (pressInformation(state, shell.game, shell.undoHistory, shell.selection, windowWidth(state), state.viewHeight,
                         press.x, press.y))
        return true;
    if (pressSidePanelInspector(state, shell.game, shell.undoHistory, shell.selection, content, press.x, press.y) !=
        InspectorPress::None)
        return true;
    if (state.directionChooserOpen && pressDirectionChooser(content, press.x, press.y, state.paintDirection))
        return true;
    if (state.beltSpeedChooserOpen && pressBeltSpeedChooser(content, press.x, press.y, state.paintBeltSpeed))
        return true;
    endPanAndStrokes(shell);
    return true;
}

// -- The tool panel and the minimap -------------------------------------------

void finishToolChoice(Shell& shell, const PalettePress& chosen)
{
    LoopState& state = shell.state;
    if (chosen.toolChanged) state.interaction.pendingLinkEnd = {};
    if (!toolKeepsTunnelEntrance(chosen.tool)) state.tunnelEntrance = NO_TILE;
    endPanAndStrokes(shell);
}

bool pressToolPanel(Shell& shell, const SDL_MouseButtonEvent& press)
{
    LoopState& state = shell.state;
    if (!toolPanelHitTest(press.x, press.y, state.toolPanelX, state.toolPanelY, state.openToolGroup, state.viewWidth,
                          state.viewHeight))
        return false;
    const ToolChoice choice{state.selectedTool, state.openToolGroup, state.beltSpeedChooserOpen,
                            state.directionChooserOpen, state.interaction.statusText};
    const PaletteControls controls{choice, state.paused, state.speed, state.stepRequested};
    const PalettePress result =
        pressToolPalette(press.x, press.y, state.toolPanelX, state.toolPanelY, state.viewWidth, state.viewHeight,
                         controls, [&shell] { resetInteraction(shell.state, shell.game); });
    switch (result.area) {
    case PaletteArea::TitleBar:
        state.toolPanelDragging = true;
        state.toolPanelGrabX = press.x - state.toolPanelX;
        state.toolPanelGrabY = press.y - state.toolPanelY;
        break;
    case PaletteArea::ToolButton:
        finishToolChoice(shell, result);
        break;
    case PaletteArea::SimulationButton:
    case PaletteArea::GroupButton:
        break;
    default:
        endPanAndStrokes(shell);
        break;
    }
    return true;
}

// The camera jumps to the tile under the pointer and follows it while the button is held.
bool pressMinimap(LoopState& state, const SDL_MouseButtonEvent& press)
{
    const ScreenRect box = minimapRect(state.viewWidth, state.viewHeight);
    if (!state.minimapVisible || !contains(box, press.x, press.y)) return false;
    const TilePoint tile = minimapToTile(box.left, box.top, press.x, press.y);
    centerCameraOnTile(state.camera, tile.x, tile.y, state.viewWidth, state.viewHeight);
    state.minimapDragging = true;
    return true;
}

// A right press on the tool panel or its pop-up closes the open pop-up and does nothing else.
bool rightPressToolPanel(LoopState& state, const SDL_MouseButtonEvent& press)
{
    return press.button == SDL_BUTTON_RIGHT && state.openToolGroup >= 0 &&
           rightPressToolPalette(press.x, press.y, state.toolPanelX, state.toolPanelY, state.openToolGroup,
                                 state.viewWidth, state.viewHeight);
}

// Past the cargo choice, the language and the menu, one undo step whatever it
// changes. A map the menu loads is no step: an undo would bring back the old map
// under the loaded map's file name, which the next quick save would overwrite.
bool pressLeft(Shell& shell, const SDL_MouseButtonEvent& press)
{
    if (pressMenu(shell, press)) return true;
    const UndoGuard guard(shell.undoHistory, shell.game);
    return pressBar(shell, press) || pressSettings(shell, press) || pressSidePanelFrame(shell, press) ||
           pressToolPanel(shell, press) || pressMinimap(shell.state, press) || pressSidePanelContent(shell, press);
}

}  // namespace

bool takePanelPress(Shell& shell, const SDL_MouseButtonEvent& press)
{
    if (leftToTheMap(shell.state, press)) return false;
    if (takeCargoChoicePress(shell, press) || pressLanguageButton(shell, press) || pressLanguagePopup(shell, press) ||
        rightPressToolPanel(shell.state, press))
        return true;
    return press.button == SDL_BUTTON_LEFT && pressLeft(shell, press);
}
