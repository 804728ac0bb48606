#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "world/control.h"
#include "world/tile.h"

inline ItemRecord recordOf(std::uint64_t machineId, std::uint64_t serial, std::string label = "",
                           std::vector<ItemId> parts = {})
{
    return ItemRecord{ItemId{machineId, serial, std::move(label)}, std::move(parts)};
}

// Hands `count` anonymous units of a kind to the control, as the item movement does.
inline void feed(const Control& control, Tile& tile, CargoType cargo, int count)
{
    for (int i = 0; i < count; ++i)
        control.acceptItem(tile, cargo, ItemRecord{});
}

// A freshly built tile of the type, facing east unless told otherwise.
inline Tile builtTile(ControlType type, Direction dir = EAST)
{
    Tile tile;
    tile.type = type;
    tile.dir = dir;
    return tile;
}
