#pragma once

#include <vector>

#include "world/cargo.h"
#include "world/direction.h"
#include "world/fifo.h"
#include "world/item_identity.h"

// One point of an item's planned path: the centre of tile (x, y).
struct PathPoint {
    int x = 0;
    int y = 0;
    float speed = 1.0f;    // tiles per unit of movement budget on the segment leading here
    Direction dir = NONE;  // heading once the point is reached
    bool flag = false;

    friend bool operator==(const PathPoint&, const PathPoint&) = default;
};

// Movement treats points at this speed or above as jumps.
constexpr float JUMP_SPEED = 1000.0f;

// Arm carry phases kept in CargoItem::holdState.
constexpr int HOLD_TURNING = 0;
constexpr int HOLD_GRIPPING = 1;
constexpr int HOLD_SWINGING = 2;
constexpr int HOLD_AT_DROP = 3;

// Ejector states kept in CargoItem::state.
constexpr int ITEM_FREE = 0;
constexpr int ITEM_TAKEN_BY_EJECTOR = 1;
constexpr int ITEM_IN_FLIGHT = 2;

// The way from an item's position to the front point of its path, as a move
// measures it first. Trial moves that all start from one place measure it once.
struct FrontLeg {
    float dx = 0.0f;
    float dy = 0.0f;
    float dist = 0.0f;
    Direction heading = NONE;  // the item's heading once it faces the motion
};

struct CargoItem {
    int layer = 0;  // 0 ground, 1 bridge deck
    int x = 0;
    int y = 0;
    Direction dir = NONE;      // the direction in which the item is to leave its tile
    Direction heading = NONE;  // the direction of its present motion
    CargoType cargo = LOG;
    ItemId id;
    std::vector<ItemId> parts;
    int originX = 0;
    int originY = 0;
    float progress = 0.0f;
    float posX = 0.0f;
    float posY = 0.0f;
    Fifo<PathPoint> path;
    bool leavingTunnel = false;
    int tunnelExitX = -1;
    int tunnelExitY = -1;
    int speedCredit = 0;
    int tunnelProgress = 0;
    bool carried = false;
    int holdState = HOLD_TURNING;
    float swing = 0.0f;
    float gripTimer = 0.0f;
    int targetTile = -1;
    int ejectTarget = -1;
    int state = ITEM_FREE;
    int ejectSkipTile = -1;

    CargoItem(int tileX, int tileY, Direction direction, CargoType kind)
        : x(tileX), y(tileY), dir(direction), heading(direction), cargo(kind), originX(tileX), originY(tileY),
          posX(static_cast<float>(tileX)), posY(static_cast<float>(tileY))
    {
    }

    // Moves the item along its path by the given movement budget.
    void advance(float budget);
    // The leg toward the front point of a path that is not empty.
    FrontLeg frontLeg() const;
    // advance for an item that stands, heads and holds the path as when the
    // leg was measured.
    void advanceFrom(const FrontLeg& leg, float budget);

    // Whether the item counts as standing on (x, y) when that tile is cleared:
    // its tile, its rounded position (unless an arm holds it) or a path point.
    bool occupies(int x, int y) const;

    friend bool operator==(const CargoItem&, const CargoItem&) = default;

  private:
    // Moves along the leg; true while budget is left to go on with.
    bool takeLeg(const FrontLeg& leg, float& budget);
};
