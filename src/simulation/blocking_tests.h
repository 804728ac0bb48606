#pragma once

#include <vector>

#include "simulation/motion_scratch.h"
#include "world/game.h"

// Geometric tests that decide whether an item may be where it is about to be.

// Overlap of the unit squares around two points: 1 when equal, 0 at a tile apart.
float unitSquareOverlap(FloatPoint a, FloatPoint b);

// The item's position with its ramp lift taken off y, as overlaps see it.
FloatPoint visualPosition(const Game& game, const CargoItem& item);

// Would moving from current to trial push into the point? An item may always
// move away from what it overlaps, and slide along it without coming closer.
bool approachBlocked(FloatPoint trial, FloatPoint current, FloatPoint point);

// The jump points reserved by items other than the mover that the mover,
// seen at current, does not overlap already: only these can block its trials.
void reservedPointsInReach(int mover, FloatPoint current, const std::vector<Reservation>& reservations,
                           std::vector<FloatPoint>& points);

// Does the trial move of the item seen at current, the trial seen at
// trialSeen, push into one of the obstacles or onto one of the reserved
// points in reach? Notes on the obstacles what later trials can reuse.
bool isTrialBlocked(const Game& game, FloatPoint current, const CargoItem& trial, FloatPoint trialSeen,
                    const std::vector<FloatPoint>& reservedInReach, std::vector<Obstacle>& obstacles);

// The two items touch, other raised by its ramp lift. Items carried by an arm,
// inside a tunnel or just out on its exit touch nothing.
bool itemsOverlap(const Game& game, const CargoItem& item, const CargoItem& other);
