#pragma once

#include <cstdint>

#include "world/fifo.h"

class Game;

struct ProductionSample {
    float time = 0.0f;            // the statistics clock when taken
    std::uint32_t delivered = 0;  // the world's delivered count then
};

// The delivered count sampled once per simulated second over the last minute.
struct ProductionStats {
    float clock = 0.0f;
    Fifo<ProductionSample> samples;  // oldest first, never empty once updated

    void update(const Game& game, float dt);
};
