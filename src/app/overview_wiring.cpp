#include "app/overview_wiring.h"

#include "app/map_interaction.h"
#include "ui/machine_overview.h"
#include "ui/statistics_window.h"

void drawSidePanelOverviews(SDL_Renderer* renderer, const ScreenRect& content, const LoopState& state, const Game& game,
                            const ProductionStats* stats)
{
    if (state.statisticsVisible && stats != nullptr) drawStatisticsWindow(renderer, content, game, *stats);
    if (state.machineOverviewVisible) drawMachineOverview(renderer, content, game, state.machineOverviewScroll);
}

bool pressMachineOverview(LoopState& state, Game& game, int windowWidth, int windowHeight, int px, int py)
{
    if (!state.machineOverviewVisible || !contains(sidePanelRect(windowWidth, windowHeight), px, py)) return false;
    const ScreenRect content = sidePanelContentRect(windowWidth, windowHeight);
    const std::optional<MachineEntry> entry = machineEntryAt(game, content, state.machineOverviewScroll, py);
    if (!entry) return true;
    centerCameraOnTile(state.camera, entry->x, entry->y, state.viewWidth, state.viewHeight);
    resetInteraction(state, game);
    return true;
}
