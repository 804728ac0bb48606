#include "app/side_panel_wiring.h"

#include "app/map_interaction.h"
#include "editing/undo_history.h"
#include "world/cargo_item.h"

void openItemPanel(LoopState& state, Game& game, const CargoItem& item)
{
    resetInteraction(state, game);
    state.itemPanelCargo = item.cargo;
    state.itemPanelRecord = ItemRecord(item.id, std::vector<ItemId>(item.parts));
    state.itemPanelOpen = true;
}

void drawSidePanelInspector(SDL_Renderer* renderer, const ScreenRect& panel, const LoopState& state, const Game& game,
                            const MultiSelection& selection, const CargoTextures& sprites)
{
    const InspectorScene scene{game,
                               state.interaction,
                               selection,
                               state.selectionSettingsOpen,
                               state.itemPanelOpen,
                               state.itemPanelCargo,
                               state.itemPanelRecord.id,
                               sprites};
    drawInspectors(renderer, panel, scene);
}

InspectorPress pressSidePanelInspector(LoopState& state, Game& game, UndoHistory& history,
                                       const MultiSelection& selection, const ScreenRect& panel, int px, int py)
{
    const UndoGuard press(history, game);
    const InspectorControls controls{game,
                                     history,
                                     state.interaction,
                                     selection,
                                     state.selectionSettingsOpen,
                                     state.itemPanelOpen,
                                     state.itemPanelRecord.id};
    return pressInspectors(controls, panel, px, py);
}
