#pragma once

#include "world/control_type.h"

class Game;

// Building on the ground layer. Each builds through the control's own place
// (which builds on a free tile or turns a control of the same type) and adds
// what place does not: machine ids, the ejector's turn, the belt. False leaves
// the world untouched. None of them rebuilds the networks: the next frame
// does.

// Builds or turns a control; a producer built without a machine id gets the
// next one, and a turned one keeps its own.
bool placeControl(Game& game, ControlType type, int x, int y);

// The same for a source, which also marks the window title for rebuilding.
bool placeSource(Game& game, int x, int y);

// Builds an ejector facing north, or turns the one standing there clockwise
// unless it still holds or throws an item.
bool placeEjector(Game& game, int x, int y);

// One step of a belt stroke from a tile to an edge neighbour: the first tile
// turns towards the second (becoming a belt when it was empty), and an empty
// second tile becomes a belt facing the same way. Only belts, sources, sinks
// and bridges start a step; a step may end on a machine that takes items from
// a belt. A stroke crosses under a bridge deck only at right angles and runs
// onto or off a bridge only along it. False, with nothing written, otherwise.
bool layBeltStep(Game& game, int x0, int y0, int x1, int y1);
