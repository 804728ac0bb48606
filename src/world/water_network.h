#pragma once

#include <cstdint>
#include <vector>

class Game;

// Where the water of the map's sources flows, for drawing the pipes.
// Each vector has one entry per tile index y * 80 + x.
struct WaterNetwork {
    std::vector<int> pipeDistance;              // pipe steps from a pipe touching a source; -1 for unreached tiles
    std::vector<std::uint8_t> pipeFeedsMolder;  // 1 for a reached pipe joined to a pipe touching a molder
    std::vector<std::uint8_t> molderHasWater;   // 1 for a molder touching a reached pipe
};

// Floods the ground layer's pipes from every water source.
WaterNetwork computeWaterNetwork(const Game& game);
