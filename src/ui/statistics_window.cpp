#include "ui/statistics_window.h"

#include <algorithm>
#include <cmath>

#include "render/bitmap_font.h"
#include "simulation/production_stats.h"
#include "ui/panel_drawing.h"
#include "world/game.h"

namespace {

constexpr PackedColor LINE_COLOUR = packColor(235, 239, 241);
constexpr PackedColor BOX_COLOUR = packColor(76, 98, 109);
constexpr PackedColor BAR_COLOUR = packColor(111, 215, 185);
constexpr int LINE_PITCH = 28;
constexpr int BOX_HEIGHT = 90;
// Below this inner width each bar is one pixel wide.
constexpr int WIDE_BARS_INNER_WIDTH = 2 * HISTORY_MAX_BARS;

std::int64_t producedBy(const Tile& source)
{
    std::int64_t total = 0;
    for (const int count : source.sourceProduced)
        total += count;
    return total;
}

std::string withTwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

}  // namespace

std::int64_t throughputTenths(std::int64_t delivered, const ProductionStats& stats)
{
    if (stats.samples.empty()) return 0;
    const ProductionSample& oldest = stats.samples.front();
    const double dt = static_cast<double>(stats.clock) - static_cast<double>(oldest.time);
    if (dt <= 0.01) return 0;
    const std::int64_t gained = delivered - static_cast<std::int64_t>(oldest.delivered);
    if (gained <= 0) return 0;
    return static_cast<std::int64_t>(std::llround(static_cast<double>(gained) * 60.0 / dt * 10.0));
}

StatisticsFigures statisticsFigures(const Game& game, const ProductionStats& stats)
{
    StatisticsFigures figures;
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            const Tile& tile = game.tileAt(x, y);
            if (tile.type == SOURCE) figures.produced += producedBy(tile);
            if (game.tileWarnings(x, y) != 0) ++figures.bottlenecks;
        }
    }
    figures.runSeconds = static_cast<int>(stats.clock);
    figures.delivered = game.deliveredCount;
    figures.inTransit = static_cast<std::int64_t>(game.items.size());
    figures.throughputTenths = throughputTenths(figures.delivered, stats);
    return figures;
}

std::array<std::string, 6> statisticsLines(const StatisticsFigures& f)
{
    return {"LAUFZEIT " + std::to_string(f.runSeconds / 60) + "." + withTwoDigits(f.runSeconds % 60),
            "QUELLWARE " + std::to_string(f.produced),
            "GELIEFERT " + std::to_string(f.delivered),
            "IM TRANSPORT " + std::to_string(f.inTransit),
            "DURCHSATZ " + std::to_string(f.throughputTenths / 10) + "." + std::to_string(f.throughputTenths % 10) +
                " PRO MIN",
            "ENGPAESSE " + std::to_string(f.bottlenecks)};
}

ScreenRect historyBoxRect(const ScreenRect& window)
{
    return {window.left + 10, window.top + 325, window.width - 20, BOX_HEIGHT};
}

std::vector<ScreenRect> historyBars(const ScreenRect& box, const ProductionStats& stats)
{
    std::vector<ScreenRect> bars;
    const int n = static_cast<int>(stats.samples.size());
    if (n < 2) return bars;
    std::vector<std::int64_t> deltas;
    deltas.reserve(static_cast<std::size_t>(n - 1));
    for (int k = 1; k < n; ++k) {
        const std::int64_t delta = static_cast<std::int64_t>(stats.samples[static_cast<std::size_t>(k)].delivered) -
                                   static_cast<std::int64_t>(stats.samples[static_cast<std::size_t>(k - 1)].delivered);
        deltas.push_back(std::max<std::int64_t>(delta, 0));
    }
    const std::int64_t scale = std::max<std::int64_t>(1, *std::max_element(deltas.begin(), deltas.end()));
    const int shown = std::min(n - 1, HISTORY_MAX_BARS);
    const int inner = box.width - 4;
    const int barWidth = inner >= WIDE_BARS_INNER_WIDTH ? inner / HISTORY_MAX_BARS : 1;
    for (int i = 0; i < shown; ++i) {
        const std::int64_t delta = deltas[static_cast<std::size_t>(n - 1 - shown + i)];
        const int height = static_cast<int>(delta * HISTORY_BAR_MAX_HEIGHT / scale);
        bars.push_back({box.left + 2 + inner * i / HISTORY_MAX_BARS, box.top + 88 - height, barWidth, height});
    }
    return bars;
}

void drawStatisticsWindow(SDL_Renderer* renderer, const ScreenRect& window, const Game& game,
                          const ProductionStats& stats)
{
    drawPanelFrame(renderer, sdlRect(window), "PRODUKTIONSSTATISTIK");
    const std::array<std::string, 6> lines = statisticsLines(statisticsFigures(game, stats));
    for (std::size_t i = 0; i < lines.size(); ++i)
        drawPhrase(renderer, lines[i], window.left + 10, window.top + 42 + LINE_PITCH * static_cast<int>(i),
                   LINE_COLOUR);
    drawTextWrapped(renderer,
                    "ENGPAESSE ZAEHLEN CONTROLS MIT VOLLEM VORRAT, FEHLENDEM BRENNSTOFF, GESPERRTEM AUSGANG ODER "
                    "AUSGESCHALTETER ANNAHME.",
                    window.left + 10, window.top + 225, window.width - 20, true);
    drawPhrase(renderer, "VERLAUF LETZTE 60 SEKUNDEN", window.left + 10, window.top + 300, LINE_COLOUR);
    const ScreenRect box = historyBoxRect(window);
    outlineRect(renderer, sdlRect(box), BOX_COLOUR);
    for (const ScreenRect& bar : historyBars(box, stats)) {
        if (bar.height > 0) fillRect(renderer, sdlRect(bar), BAR_COLOUR);
    }
}
