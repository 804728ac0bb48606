#pragma once

#include "world/control_type.h"
#include "world/direction.h"

class SoundEngine;

// The sound of an item passing through the distributor or mixer tile (x, y)
// of the given type and direction, placed at the middle of the two-tile
// machine as seen from the main tile (a distributor's second tile counts from
// its main tile), with the main tile's index.
void playPassageSound(SoundEngine& sound, ControlType type, int x, int y, Direction dir);
