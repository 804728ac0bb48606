#pragma once

#include "world/link.h"
#include "world/link_ends.h"

class Game;
class MultiSelection;
class UndoHistory;

// Moving a control with the right button ("RECHTSZIEHEN: VERSCHIEBEN"): the
// press picks up all the tiles of the control, the release puts them down so
// that the pressed tile lands on the release tile. Settings, stock, counters,
// identities and labels go along, and so do the cable and wire ends on the
// control's tiles; the other ends stay.

// The right press on (x, y): the control standing there, whose origin is the
// pressed tile. Picking one up empties the multi-selection; where nothing
// stands the group has no cells and the selection stays.
MachineGroup pickUpControl(const Game& game, MultiSelection& selection, int x, int y);

// The picked-up control still stands where it was picked up as the same
// control, whatever it has worked since. The shell ends a drag whose control
// has changed; it also ends it on undo, on a map reset, a load and a new map.
bool stillStands(const Game& game, const MachineGroup& pickedUp);

// The group may move so that its origin lands on (x, y): every tile lands on
// the map on free ground (the group's own tiles count as free), a bridge deck
// on free ground or on a belt crossing it, and no power cable of the control
// grows beyond 10 tiles. The footprint at the pointer shows the answer.
bool canMoveControl(const Game& game, const MachineGroup& group, int x, int y);

// Moves the tiles as the group's copies hold them so that its origin lands on
// (x, y), and rebuilds the networks. Refused, with nothing changed, when the
// move test fails or an ejector of the group holds or throws an item. The
// items on the old and the new tiles are dropped. True when it moved.
bool moveControl(Game& game, const MachineGroup& group, int x, int y);

// The right release on (x, y): reads the picked-up control anew and moves it
// as it stands now, as one undo step. Nothing happens when it has changed
// since the press or the move is refused. True when it moved.
bool dropControl(UndoHistory& history, Game& game, const MachineGroup& pickedUp, int x, int y);

// The link as the move leaves it: an end on one of the group's tiles moves
// with it; the other end, the input and the parameter stay.
Link offsetLinkForMove(const Link& link, const MachineGroup& group, int x, int y);
