#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/hud_layout.h"

class Game;
struct ProductionStats;

// "PRODUKTIONSSTATISTIK": run time, goods produced, delivered and on the way,
// the delivery rate of the last minute, the bottlenecks and a bar graph of
// deliveries per sample, drawn into the side panel's content area while open.
// Worked out anew every frame; it changes nothing.

constexpr int HISTORY_BAR_MAX_HEIGHT = 86;
constexpr int HISTORY_MAX_BARS = 60;

struct StatisticsFigures {
    int runSeconds = 0;
    std::int64_t produced = 0;  // by every source, all kinds together
    std::int64_t delivered = 0;
    std::int64_t inTransit = 0;
    std::int64_t throughputTenths = 0;  // deliveries per minute, in tenths
    int bottlenecks = 0;                // tiles with any warning
};

// Deliveries per minute in tenths since the oldest sample, rounded half away
// from zero; 0 without a sample, over no time, or when the count went down
// (an undo can lower it).
std::int64_t throughputTenths(std::int64_t delivered, const ProductionStats& stats);

StatisticsFigures statisticsFigures(const Game& game, const ProductionStats& stats);

// The six lines: "LAUFZEIT 2.05", "QUELLWARE 0", ..., "ENGPAESSE 0".
std::array<std::string, 6> statisticsLines(const StatisticsFigures& figures);

// The graph's box in the window, and its bars, oldest left: one per delta of
// the newest samples, scaled to the largest; a count that went down draws no bar.
ScreenRect historyBoxRect(const ScreenRect& window);
std::vector<ScreenRect> historyBars(const ScreenRect& box, const ProductionStats& stats);

void drawStatisticsWindow(SDL_Renderer* renderer, const ScreenRect& window, const Game& game,
                          const ProductionStats& stats);
