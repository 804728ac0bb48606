#pragma once

#include <compare>
#include <cstdint>
#include <string>

// A bridge part's picture in the pre-rendered bridge sheet.
struct BridgeSpriteKey {
    std::int32_t cellSize = 0;
    std::int32_t bridgeDir = 0;
    std::int32_t bridgePart = 0;
    std::int32_t frame = 0;

    auto operator<=>(const BridgeSpriteKey&) const = default;
};

struct BridgeSpriteRef {
    std::string file;  // relative to the control sheet folder
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int lift = 0;  // pixels of the cell above the tile's top edge, at a tile of 64
};

// A bridge part painted at one width; tiles are square, so the width says the height.
struct BridgeCacheKey {
    std::int32_t width = 0;
    std::int32_t bridgeDir = 0;
    std::int32_t bridgePart = 0;
    std::int32_t frame = 0;

    auto operator<=>(const BridgeCacheKey&) const = default;
};
