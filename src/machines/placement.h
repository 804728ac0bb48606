#pragma once

#include "world/control_grid.h"
#include "world/control_type.h"
#include "world/direction.h"
#include "world/item_identity.h"

struct Tile;

// The placement and removal families the control classes share.

// When an item on the tile blocks the place-or-rotate family.
enum class ItemBlocks {
    BuildOnly,     // only building on an empty tile (source, shop)
    BuildAndTurn,  // building and turning alike (production machines, storage)
};

// How the place-or-rotate family turns a tile whose direction is not a compass one.
enum class OddDirectionTurn {
    ToEast,  // such a tile faces east afterwards
    ToNone,  // such a tile is left without a direction
};

// What removing a control does with the items standing on its tile.
enum class ItemsOnTile {
    Clear,  // they go with it
    Keep,   // they stay where they are (a power pole only stands on its tile)
};

// In the grid, no bridge part, nothing built, no item standing on it.
bool isFreeForBuilding(const ControlGrid& grid, int x, int y);

// Replaces the tile by the default tile with the type and direction; no checks.
void writeFreshTile(ControlGrid& grid, int x, int y, ControlType type, Direction dir);

// Builds a default tile of the type facing east, or turns one of the same type clockwise.
bool placeOrRotate(ControlGrid& grid, int x, int y, ControlType type, ItemBlocks items, OddDirectionTurn oddTurn);

// Builds a default tile of the type and direction on a free tile; never turns.
bool placeBuildOnly(ControlGrid& grid, int x, int y, ControlType type, Direction dir);

// Clears a tile holding the type: its items first (unless kept), then the default tile.
bool removeOfType(ControlGrid& grid, int x, int y, ControlType type, ItemsOnTile items = ItemsOnTile::Clear);

// Stamps a fresh product identity from the producing tile: with a machine id
// the serial counter rises and the label is copied; without one the product
// is anonymous and the counter stays.
ItemId stampProductId(Tile& producer);
