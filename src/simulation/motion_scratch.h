#pragma once

#include <cstdint>
#include <vector>

#include "simulation/item_cells.h"
#include "simulation/reservation.h"
#include "simulation/standstill_watch.h"
#include "world/cargo_item.h"
#include "world/route_bounds.h"

struct FloatPoint {
    float x = 0.0f;
    float y = 0.0f;
};

// An item's plain position and the y at which it is seen, raised on a ramp.
struct SeenPosition {
    float x = 0.0f;
    float y = 0.0f;
    float seenY = 0.0f;
};

// An item that may stand in a mover's way, with where it is seen. The box
// around its route, found when a trial first asks, spares most route walks
// of the later trials.
struct Obstacle {
    int item = -1;
    FloatPoint seen;
    bool routeKnown = false;
    RouteBounds route;
};

// Working tables of the smooth movement, kept between calls only so that a
// sub-step in steady state allocates nothing; every sub-step starts them
// afresh. A copy of the world starts with empty tables.
struct MotionScratch {
    std::vector<float> budgets;                  // per item: seconds of travel left in the sub-step
    std::vector<int> moving;                     // items with budget and path left, in item order
    std::vector<Reservation> fixedReservations;  // those of the items that do not move
    std::vector<Reservation> reservations;       // all of one pass
    std::vector<FloatPoint> startPositions;      // per item, only with a sound engine
    std::vector<int> nearby;                     // items filed near a mover, in no order
    // Per item: where it stands and is seen, kept with its filing so that the
    // search for obstacles need not open every item near a mover.
    std::vector<SeenPosition> seenPositions;
    // Per item: its path keeps jump points for it, kept with its filing so
    // that a pass need not walk the paths of the others.
    std::vector<std::uint8_t> reservesPoints;
    // One glide: the mover as seen now, and what its trials may run into.
    FloatPoint moverSeen;
    std::vector<Obstacle> candidates;
    std::vector<FloatPoint> reservedInReach;
    TileRect watched;  // the tiles whose changes could alter the glide's outcome
    ItemCells cells;
    StandstillWatch standstills;
    CargoItem trialStart{0, 0, NONE, 0};  // the mover with the near part of its path
    CargoItem trial{0, 0, NONE, 0};

    MotionScratch() = default;
    MotionScratch(const MotionScratch&) = delete;
    MotionScratch& operator=(const MotionScratch&) = delete;
};

// Sizes the tables once for as many items as a world can hold and for the
// most a glide meets, so that they do not grow step by step.
void reserveForMostItems(MotionScratch& s);
