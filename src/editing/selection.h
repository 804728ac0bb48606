#pragma once

#include "editing/tool.h"
#include "world/control_type.h"

class Game;
struct Interaction;

// The side panel's view of a selected control: its own inspector for the
// controls that have one, the information panel for all others.
enum class InspectorPanel {
    NONE,
    BELT,
    SOURCE,
    SINK,
    ARM,  // both arm types
    OVEN,
    SMELTER,
    FILLER,
    STORAGE,
    SHOP,
    INFORMATION,
};

InspectorPanel inspectorPanelFor(ControlType type);

// The control a click picks: the tile that stands for it and its type.
struct ControlPick {
    int x = -1;
    int y = -1;
    ControlType type = EMPTY;

    friend bool operator==(const ControlPick&, const ControlPick&) = default;
};

// The selected control and the panel open for it; x < 0 when nothing is selected.
struct ControlSelection {
    ControlPick control;
    InspectorPanel panel = InspectorPanel::NONE;

    bool selected() const { return control.x >= 0; }
};

// Which control a click on (x, y) picks: a bridge ramp picks the bridge at
// its deck tile, the second tile of a distributor or mixer its main tile, a
// tunnel entrance its exit. False on free or plain ground and off the map.
bool controlPickAt(const Game& game, int x, int y, ControlPick& pick);

// Selects the control at (x, y) and opens its panel; true when a control
// stands there. Selecting another control resets the interaction first;
// the selected one again changes nothing, so what is typed in its panel stays.
bool selectControlAt(Interaction& interaction, Game& game, int x, int y);

// The selected control still stands where its panel shows it. A bridge is
// picked at its deck tile, which keeps the type of the ground under the deck:
// it stands while that tile carries a bridge part. Every other control stands
// while its tile holds the selected type. True when nothing is selected.
bool selectedControlStands(const Game& game, const ControlSelection& selection);

// A plain left click on a built control selects it instead of using the
// tool, except with the tools that work on whatever they are clicked on:
// DELETE, painting, pipes, cables and wires.
bool toolSelectsOnClick(Tool tool);

// A click that selected nothing shows the cargo item under the pointer
// instead of using the tool, with the tools that select and with the two
// signal wires; the other tools work the tile under the item.
bool toolShowsItemOnClick(Tool tool);
