#pragma once

#include "world/direction.h"

class Game;
struct CargoItem;
struct ItemId;

// Taking controls off the ground layer with everything that hangs on them:
// all their tiles, the cables and wires that end on them and the cargo items
// that stand on them (as CargoItem::occupies counts it, so an item an arm
// holds goes with the arm). None of them rebuilds the networks: the next
// frame does.

// Removes the control at (x, y), whichever of its tiles is named; a tile of
// a bridge takes the whole bridge (and only the bridge). True when something
// was removed.
bool demolish(Game& game, int x, int y);

// Removes the bridge the tile belongs to: both ramps and the deck, with the
// items riding it. The tile under the deck keeps what it holds (a belt
// crossing under) and loses only its bridge fields. False when the tile is
// off the map or part of no bridge.
bool demolishBridge(Game& game, int x, int y);

// Removes the belt that crosses under a bridge deck at (x, y), with its own
// items; the bridge stays over free ground. False when no such belt is there.
bool demolishBeltUnderDeck(Game& game, int x, int y);

// Demolishes every tile of the straight line between the two tiles, both
// included; true when any tile was demolished.
bool demolishLine(Game& game, int x0, int y0, int x1, int y1);

// Drops every power cable with an end on (x, y).
void unlinkPowerCablesAt(Game& game, int x, int y);

// Drops every switch wire, measure wire and 5V cable with an end on (x, y),
// and the switched state of the machines no switch wire reaches any more.
void unlinkAt(Game& game, int x, int y);

// A distributor or arm that no switch wire reaches falls back to its
// unswitched state at once, as the next network refresh would leave it.
void releaseUnwiredTargets(Game& game);

// Erases the one item with this machine id and serial; anonymous identities
// (machine id or serial 0) name no item. True when an item went.
bool removeItemById(Game& game, const ItemId& id);

// The item rides the bridge whose deck spans (deckX, deckY) along bridgeDir:
// it stands on a ramp or on the deck, or moves or plans to move along the
// deck's axis at the deck tile. Items crossing under the deck do not.
bool ridesBridge(const CargoItem& item, int deckX, int deckY, Direction bridgeDir);
