#pragma once

#include <string>
#include <vector>

#include "editing/tool.h"
#include "world/control_type.h"
#include "world/link.h"

class Game;
class UndoHistory;
struct Interaction;

// Where in its tile the pointer was pressed: the half picks the input of a
// two-input logic component (0 = A above, 1 = B below), the quarter the
// output of a stepper (0..3 from top to bottom).
struct TileSpot {
    int half = 0;
    int quarter = 0;
};

// The spot of a pointer at window row pointerY over a map scrolled by
// cameraY, at tileSize pixels a tile.
TileSpot tileSpotAt(int cameraY, int pointerY, int tileSize);

// The first tile of a two-click cable or wire tool, with the input half and
// the stepper quarter of that click; x < 0 when none. Shared by the four
// tools; resetting the interaction keeps it, undo and a tool change drop it.
struct PendingLinkEnd {
    int x = -1;
    int y = -1;
    int input = 0;
    int param = 0;

    bool pending() const { return x >= 0; }
};

// The game's list of links of the kind; any kind but power cables, measure
// wires and 5V cables names the switch wires.
std::vector<Link>& linksOfKind(Game& game, LinkKind kind);
const std::vector<Link>& linksOfKind(const Game& game, LinkKind kind);

// The control type takes the end of a power cable: a coal generator, a power
// pole or a 5V supply.
bool carriesPower(ControlType type);

// One more power cable may end on tile (x, y), which takes a power cable: a
// generator takes any number, a pole three, a 5V supply one. The cable at
// index except (of the power cables) does not count.
bool hasRoomForCable(const Game& game, int x, int y, int except = -1);

// The link joins the two tiles, in either orientation.
bool joinsEitherWay(const Link& link, int x0, int y0, int x1, int y1);

// The edits below change the lists only when the change is allowed, and
// then rebuild the networks; false leaves the world as it was.

// Lays a power cable between two generators, poles or 5V supplies, or
// removes the one that joins them (whatever its length and the counts).
bool togglePowerCable(Game& game, int x0, int y0, int x1, int y1);

// Lays a 5V cable between a 5V supply or signal component and another, or
// removes the one that joins them.
bool toggle5vCable(Game& game, int x0, int y0, int x1, int y1);

// Lays or removes a measure wire (from a sensor to the machine it measures)
// or a switch wire (from a signal source to a machine or logic input). The
// ends may come in either order; input and param count for switch wires
// only. A switch wire change must leave the wires a valid circuit: no input
// driven twice, no feedback loop. A machine that no switch wire reaches any
// more loses its switched state.
bool toggleSignalWire(Game& game, bool measure, Link wire);

// Erases link index of the kind, as the pointer's hit test named it; the
// kind, or NO_LINK when there is no such link.
LinkKind deleteLink(Game& game, LinkKind kind, int index);

// The status line after the DELETE tool took a link of the kind.
std::string linkDeletedText(LinkKind kind);

// The tools that join two tiles by two clicks: POWER_LINE, DC_LINE,
// SIGNAL_MEASURE_LINE and SIGNAL_CONTROL_LINE.
bool isLinkTool(Tool tool);

// A left click of a two-click tool on tile (x, y), inside the click's guard:
// the first click keeps the tile as the pending end, the second lays or
// removes the link between the two; the status text says what happened.
// Does nothing for other tools.
void clickLinkTool(Interaction& interaction, Game& game, UndoHistory& history, Tool tool, int x, int y, TileSpot spot);
