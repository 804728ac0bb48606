#pragma once

// The minimap draws every tile as a square of two pixels inside a border of
// four; the HUD layout sizes its box and maps clicks by the same numbers.
constexpr int MINIMAP_PIXELS_PER_TILE = 2;
constexpr int MINIMAP_BORDER = 4;
