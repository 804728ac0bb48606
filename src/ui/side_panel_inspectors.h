#pragma once

#include <SDL.h>

#include "editing/selection.h"
#include "render/cargo_textures.h"
#include "ui/hud_layout.h"
#include "world/cargo.h"

class Game;
class MultiSelection;
class UndoHistory;
struct Interaction;
struct ItemId;

// The inspector the side panel shows, drawn every frame and pressed by the
// shell: the cargo item's, the selected control's, or, in the settings view of a
// multi-selection whose controls are all of one kind, that kind's panel for the
// first of them, whose presses then change them all. Then "DREHEN" for a
// selected control that can turn.

// Which painted panel is open, and for which tile; NONE when the selected
// control has none of them (the information panel) or is no longer there.
struct OpenInspector {
    InspectorPanel panel = InspectorPanel::NONE;
    int x = -1;
    int y = -1;
    bool selectionView = false;

    friend bool operator==(const OpenInspector&, const OpenInspector&) = default;
};

// The panel of a multi-selection's common kind (sources … storages); NONE for
// the other kinds, which have panels of their own.
InspectorPanel selectionKindPanel(int commonKind);

OpenInspector openInspector(const Game& game, const ControlSelection& selected, const MultiSelection& selection,
                            bool selectionSettingsOpen);

// What the inspectors are drawn from.
struct InspectorScene {
    const Game& game;
    const Interaction& interaction;
    const MultiSelection& selection;
    bool selectionSettingsOpen = false;
    bool itemPanelOpen = false;
    CargoType itemCargo = LOG;
    const ItemId& itemId;
    const CargoTextures& sprites;
};

void drawInspectors(SDL_Renderer* renderer, const ScreenRect& panel, const InspectorScene& scene);

// What the inspectors' presses change.
struct InspectorControls {
    Game& game;
    UndoHistory& history;
    Interaction& interaction;
    const MultiSelection& selection;
    bool selectionSettingsOpen;
    bool& itemPanelOpen;
    ItemId& itemId;
};

enum class InspectorPress {
    None,        // no inspector takes the press, nor a selection's view off its buttons: it goes on
    Panel,       // the open panel took it, on a button or not
    Rotate,      // "DREHEN": the control turned, or the status line says why not
    ItemRemoved  // "GUT LOESCHEN" took the item off the map and closed its panel
};

// A left press in the side panel's content rectangle, inside the shell's undo
// guard: "DREHEN" first, where it is drawn, then the open panel. SDL's text
// input follows the label entry.
InspectorPress pressInspectors(const InspectorControls& controls, const ScreenRect& panel, int px, int py);
