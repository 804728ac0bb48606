#pragma once

#include "world/direction.h"

class Game;

// The DIRECTION tool paints a direction over a dragged line: every control
// met is turned until it faces that way. Belts take the direction at once;
// every other control turns step by step with rotateAt on a copy of the
// world, which replaces the world only when the control came to face the
// direction, so a control that cannot get there stays exactly as it was.
// Arms only lie horizontal or vertical: east or west paints them east,
// north or south north. A bridge turns about its deck, a distributor or
// mixer about its main tile; controls without a direction stay as they are.

// Turns every control on the straight line from (x0, y0) to (x1, y1), both
// ends included, towards dir; tiles off the map are skipped, and dir NONE
// does nothing. True when anything changed.
bool alignAlongLine(Game& game, int x0, int y0, int x1, int y1, Direction dir);
