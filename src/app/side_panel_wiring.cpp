#include "app/side_panel_wiring.h"

#include "editing/undo_history.h"

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
