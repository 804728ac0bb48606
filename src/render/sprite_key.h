#pragma once

#include <compare>
#include <cstdint>
#include <string>

#include "world/tile.h"

// Names one distinct picture of a control's sprite: tiles with equal keys look
// the same at the same size. Ordered field by field, as the sheets, the sprite
// cache and the export list them.
struct SpriteKey {
    std::int32_t type = 0;
    std::int32_t tileSize = 0;
    std::int32_t direction = 0;
    std::int32_t beltSpeed = 0;
    std::int32_t armFilterClass = 0;
    std::int32_t stateBits = 0;
    std::int32_t frame = 0;
    std::int32_t frame2 = 0;

    auto operator<=>(const SpriteKey&) const = default;
};

// Where a key's picture lies in a pre-rendered control sheet.
struct SpriteRef {
    std::string file;  // relative to the control sheet folder
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// The key of the picture the control painter draws for the tile at this size,
// animation time and power: every part of the tile's state that the picture of
// a sheet or cache type shows, and nothing else. Counters, timers, clocks,
// switches, buttons, steppers and 5V supplies show values no key holds; they are
// always painted. A working injection molder's key is coarser than its picture:
// eight frames of its press. Sizes below 4 are not supported.
SpriteKey spriteKeyOf(const Tile& tile, int tileSize, float time, bool powered);
