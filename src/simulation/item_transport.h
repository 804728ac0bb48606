#pragma once

#include <cstddef>

#include "world/cargo_item.h"
#include "world/control_type.h"
#include "world/geometry.h"

// Kinds of control and speeds that the item movement rules share.

constexpr float BASE_GLIDE_SPEED = 1.7f;  // tiles per second off belts
constexpr int MOVE_COST = 3;              // speed credit one tile costs on a belt

// A map holds one item per place on either layer and no more; while the world
// holds that many, sources buy nothing and machines keep their products, so
// it can always be saved. Tunnels could otherwise take it beyond.
constexpr std::size_t MOST_WORLD_ITEMS = 2 * TILE_COUNT;

inline bool isMixerHalf(ControlType t) { return t == MIXER || t == MIXER_SECOND; }

// Machines that take an item in once it has arrived at their centre.
inline bool isMachineIntake(ControlType t)
{
    return t == OVEN || t == SMELTER || t == FILLER || t == STORAGE || t == COAL_GENERATOR || t == INJECTION_MOLDER;
}

// Controls that take in the items that reach their centre.
inline bool takesDeliveries(ControlType t) { return t == SINK || t == SHOP || isMachineIntake(t); }

// An arm holds the item: it is no obstacle and stands on no belt.
inline bool isHeldByArm(const CargoItem& item) { return item.carried && item.holdState > HOLD_TURNING; }

// On its way through a tunnel, out of sight and out of everyone's way.
inline bool isPassingThroughTunnel(const CargoItem& item) { return item.tunnelProgress > 0 && item.path.empty(); }

// Glide speed on a belt of the given level, in tiles per second.
inline float beltGlideSpeed(int level) { return static_cast<float>(level) * BASE_GLIDE_SPEED / 3.0f; }
