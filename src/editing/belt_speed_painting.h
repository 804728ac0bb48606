#pragma once

class Game;

// Belt speed levels: 0 stops a belt, 3 is a new belt's level. Only belts and
// bridge ramps carry one that the player sets.

// The one rule for giving the belt or bridge ramp at (x, y) another speed
// level, whoever sets it (painting, the belt panel, a selection): the level
// is written and every item standing on that tile, on either layer, starts
// again from no step credit, so none of them leaps ahead on credit gathered
// at the old level. False, with nothing changed, off the map, on any other
// tile, for a level outside 0..5 and when the tile has the level already.
bool setBeltSpeed(Game& game, int x, int y, int level);

// The belt panel's speed button: as setBeltSpeed, but the items on the tile
// start again from no step credit also when the belt has the level already.
// False off the map, on any other tile and for a level outside 0..5.
bool pressBeltSpeed(Game& game, int x, int y, int level);

// The BELT_SPEED tool's painting: sets the level on every belt and bridge
// ramp of the straight line from (x0, y0) to (x1, y1), both ends included,
// and skips every other tile. True when any tile changed.
bool paintBeltSpeed(Game& game, int x0, int y0, int x1, int y1, int level);
