#include "simulation/production_stats.h"

#include "world/game.h"

namespace {

constexpr float SAMPLE_SPACING = 1.0f;
constexpr float WINDOW_SECONDS = 60.0f;

}  // namespace

void ProductionStats::update(const Game& game, float dt)
{
    if (!(dt > 0.0f)) return;
    const auto delivered = static_cast<std::uint32_t>(game.deliveredCount);
    if (samples.empty()) samples.push_back({clock, delivered});
    clock += dt;
    if (clock - samples.back().time >= SAMPLE_SPACING) samples.push_back({clock, delivered});
    while (samples.size() >= 2 && clock - samples.front().time > WINDOW_SECONDS)
        samples.pop_front();
}
