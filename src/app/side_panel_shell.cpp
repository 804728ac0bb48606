#include "app/side_panel_shell.h"

#include "app/map_interaction.h"
#include "app/overview_wiring.h"
#include "app/side_panel_wiring.h"
#include "app/signal_section_wiring.h"
#include "editing/multi_selection.h"
#include "editing/undo_history.h"
#include "render/clip_scope.h"
#include "ui/information_panel.h"
#include "ui/logic_section.h"
#include "ui/multi_selection_panel.h"
#include "ui/panel_drawing.h"
#include "ui/power_overview_panel.h"
#include "ui/side_panel_frame.h"
#include "world/game.h"
#include "world/water_network.h"

namespace {

bool selectionViewOpen(const LoopState& state, const MultiSelection& selection)
{
    return state.selectionSettingsOpen && !selection.empty();
}

// The selected control whose information panel shows: one without an
// inspector of its own that still stands where it was picked.
const ControlPick* informationShown(const LoopState& state, const Game& game, const MultiSelection& selection)
{
    const ControlSelection& selected = state.interaction.selection;
    if (selectionViewOpen(state, selection) || !selected.selected() || selected.panel != InspectorPanel::INFORMATION)
        return nullptr;
    ControlPick now;
    if (!controlPickAt(game, selected.control.x, selected.control.y, now) || !(now == selected.control)) return nullptr;
    return &selected.control;
}

// The first selected tile when it is still of the selection's kind.
const Tile* firstSelectedTile(const Game& game, const MultiSelection& selection)
{
    const SelectedControl& first = selection.entries.front();
    if (!game.inBounds(first.anchorX, first.anchorY)) return nullptr;
    const Tile& tile = game.tileAt(first.anchorX, first.anchorY);
    return selectionKindOf(tile) == selection.commonKind() ? &tile : nullptr;
}

bool molderReachesWater(const Game& game, const ControlPick& pick)
{
    if (pick.type != INJECTION_MOLDER) return false;
    return computeWaterNetwork(game).molderHasWater[static_cast<std::size_t>(tileIndex(pick.x, pick.y))] != 0;
}

// The main view, or the shared panel of mixers or distributors; the other
// kinds' panels are the inspectors'.
void drawSelectionContent(SDL_Renderer* renderer, const ScreenRect& content, const LoopState& state, const Game& game,
                          const MultiSelection& selection)
{
    if (!state.selectionSettingsOpen) {
        drawSelectionMainView(renderer, content, static_cast<int>(selection.entries.size()),
                              state.interaction.statusText);
        return;
    }
    const Tile* first = firstSelectedTile(game, selection);
    if (first == nullptr) return;
    if (selection.commonKind() == MIXERS) drawSharedMixerPanel(renderer, content, *first);
    if (selection.commonKind() == DISTRIBUTORS) drawSharedDistributorPanel(renderer, content, *first);
}

void drawPowerContent(SDL_Renderer* renderer, const ScreenRect& content, LoopState& state, const Game& game,
                      const PowerOverview* power)
{
    if (power != nullptr) {
        drawPowerOverview(renderer, content, *power, state.powerOverviewScroll);
        return;
    }
    drawPowerOverview(renderer, content, game.powerNetworks(), state.powerOverviewScroll);
}

// In the settings view: "ZURUECK" first, then the kind's buttons. Every press takes.
void pressSelectionView(LoopState& state, Game& game, UndoHistory& history, const MultiSelection& selection,
                        const ScreenRect& content, int px, int py)
{
    if (contains(selectionBackButtonRect(content), px, py)) {
        state.selectionSettingsOpen = false;
        return;
    }
    const int kind = selection.commonKind();
    if (kind != MIXERS && kind != DISTRIBUTORS) {
        pressSidePanelInspector(state, game, history, selection, content, px, py);
        return;
    }
    const Tile* first = firstSelectedTile(game, selection);
    if (first == nullptr) return;
    const UndoGuard press(history, game);
    if (kind == MIXERS) {
        pressSharedMixerPanel(selection, game, content, px, py);
    } else {
        pressSharedDistributorPanel(selection, game, *first, content, px, py);
    }
}

}  // namespace

bool anyPanelOpen(const LoopState& state)
{
    return state.interaction.selection.selected() || state.itemPanelOpen || state.statisticsVisible ||
           state.settingsWindowVisible || state.powerOverviewVisible || state.machineOverviewVisible ||
           state.cargoChoiceOpen || state.selectionSettingsOpen || state.beltSpeedChooserOpen ||
           state.directionChooserOpen;
}

void togglePowerOverview(LoopState& state, Game& game, MultiSelection& selection)
{
    // Noted before the reset, which closes the overview along with the rest.
    const bool open = !state.powerOverviewVisible;
    resetInteraction(state, game);
    selection.clear();
    state.powerOverviewVisible = open;
    state.powerOverviewScroll = 0;
}

void closeSidePanel(LoopState& state, Game& game, MultiSelection& selection)
{
    resetInteraction(state, game);
    selection.clear();
    state.selectionSettingsOpen = false;
}

void drawSidePanel(SDL_Renderer* renderer, int windowWidth, int windowHeight, LoopState& state, const Game& game,
                   const MultiSelection& selection, const CargoTextures& sprites, const PowerOverview* power,
                   const ProductionStats* stats)
{
    const ScreenRect sidePanel = sidePanelRect(windowWidth, windowHeight);
    const ScreenRect content = sidePanelContentRect(windowWidth, windowHeight);
    const bool somethingOpen = anyPanelOpen(state) || !selection.empty();
    drawSidePanelFrame(renderer, sidePanel, state.powerOverviewVisible, somethingOpen);

    const ClipScope clip(renderer, sdlRect(content));
    if (!clip.isOpen()) return;
    const bool selectionShown = !state.powerOverviewVisible && !selection.empty();
    if (state.powerOverviewVisible) {
        drawPowerContent(renderer, content, state, game, power);
    } else if (selectionShown) {
        drawSelectionContent(renderer, content, state, game, selection);
    }
    drawSidePanelOverviews(renderer, content, state, game, stats);
    if (const ControlPick* pick = informationShown(state, game, selection)) {
        const InformationView view{game,
                                   pick->x,
                                   pick->y,
                                   pick->type,
                                   state.interaction.statusText,
                                   molderReachesWater(game, *pick),
                                   &sprites,
                                   &state.numberEntry};
        drawInformationPanel(renderer, content, view);
        drawCargoChoice(renderer, content, state, game, sprites);
    }
    drawSidePanelInspector(renderer, content, state, game, selection, sprites);
    if (selectionShown && state.selectionSettingsOpen) drawSelectionBackButton(renderer, content);
    if (somethingOpen) return;
    const HelpPage page{state.selectedTool == TOOL_SIGNAL_CONTROL_LINE, state.diagnosticsVisible,
                        state.interaction.statusText, state.copyMessage};
    drawHelpPage(renderer, sidePanel, page);
}

bool pressSidePanelBar(LoopState& state, Game& game, MultiSelection& selection, int windowWidth, int windowHeight,
                       int px, int py)
{
    const ScreenRect sidePanel = sidePanelRect(windowWidth, windowHeight);
    if (!contains(sidePanel, px, py)) return false;
    if (contains(powerButtonRect(sidePanel), px, py)) {
        togglePowerOverview(state, game, selection);
        return true;
    }
    const bool closeShown = anyPanelOpen(state) || !selection.empty();
    if (closeShown && contains(closeButtonRect(sidePanel), px, py)) {
        closeSidePanel(state, game, selection);
        return true;
    }
    return state.powerOverviewVisible;
}

bool pressSelectionPanel(LoopState& state, Game& game, UndoHistory& history, MultiSelection& selection, int windowWidth,
                         int windowHeight, int px, int py)
{
    const ScreenRect content = sidePanelContentRect(windowWidth, windowHeight);
    if (selection.empty() || !contains(content, px, py)) return false;
    if (state.selectionSettingsOpen) {
        pressSelectionView(state, game, history, selection, content, px, py);
        return true;
    }
    const UndoGuard press(history, game);
    const SelectionPanelControls controls{game, selection, state.interaction.statusText, state.selectionSettingsOpen};
    const SelectionButton button = pressSelectionMainView(controls, content, px, py);
    if (button == SelectionButton::DEMOLISH_ALL) resetInteraction(state, game);
    return button != SelectionButton::NONE;
}

bool pressInformation(LoopState& state, Game& game, UndoHistory& history, const MultiSelection& selection,
                      int windowWidth, int windowHeight, int px, int py)
{
    const ScreenRect content = sidePanelContentRect(windowWidth, windowHeight);
    const ControlPick* pick = informationShown(state, game, selection);
    if (pick == nullptr || !contains(content, px, py)) return false;
    const UndoGuard press(history, game);
    if (pick->type == SENSOR || isLogicType(pick->type))
        return pressSignalSection(state, game, history, content, pick->x, pick->y, px, py);
    return pressInformationPanel(game, history, content, pick->x, pick->y, pick->type, px, py);
}
