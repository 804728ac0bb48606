#include <gtest/gtest.h>

#include <vector>

#include "simulation/production_stats.h"
#include "support/software_canvas.h"
#include "support/world_builders.h"
#include "text_probe.h"
#include "ui/statistics_window.h"
#include "world/game.h"
#include "world/language.h"

namespace {

constexpr Rgba TEXT{235, 239, 241, 255};
constexpr Rgba BOX{76, 98, 109, 255};
constexpr Rgba BAR{111, 215, 185, 255};
const ScreenRect WINDOW{0, 48, 320, 552};

ProductionStats sampled(float clock, const std::vector<std::pair<float, std::uint32_t>>& samples)
{
    ProductionStats stats;
    stats.clock = clock;
    for (const auto& [time, delivered] : samples)
        stats.samples.push_back({time, delivered});
    return stats;
}

}  // namespace

TEST(StatisticsFigures, RunTimeThroughputAndTheCountsOfTheMap)
{
    struct Rate {
        float clock;
        std::int64_t delivered;
        std::vector<std::pair<float, std::uint32_t>> samples;
        std::int64_t tenths;
    };
    const std::vector<Rate> rates = {
        {60.0f, 10, {{0.0f, 0}}, 100},          // ten in the minute since the oldest sample
        {45.0f, 13, {{5.0f, 10}}, 45},          // 3 in 40 s: 4.5 per minute
        {0.005f, 1, {{0.0f, 0}}, 0},            // no more than 0.01 s since the oldest
        {30.0f, 4, {}, 0},                      // no sample yet
        {60.0f, 2, {{0.0f, 7}}, 0},             // an undo lowered the count
        {60.0f, 7, {{0.0f, 4000000000u}}, 0}};  // far below the sample, still no wrap-around
    for (const Rate& r : rates)
        EXPECT_EQ(throughputTenths(r.delivered, sampled(r.clock, r.samples)), r.tenths)
            << r.clock << " " << r.delivered;

    Game game = emptyGame();
    Tile& source = build(game, SOURCE, 4, 4);
    source.sourceProduced[0] = 5;
    source.sourceProduced[3] = 2;
    build(game, SOURCE, 20, 9).sourceProduced[1] = 1;
    game.deliveredCount = 3;
    itemAtPosition(game, 30.5f, 30.5f, EAST);
    const StatisticsFigures figures = statisticsFigures(game, sampled(125.9f, {{65.9f, 1}}));
    const auto lines = statisticsLines(figures);
    EXPECT_EQ(lines[0], "LAUFZEIT 2.05") << "truncated, not rounded";
    EXPECT_EQ(lines[1], "QUELLWARE 8");
    EXPECT_EQ(lines[2], "GELIEFERT 3");
    EXPECT_EQ(lines[3], "IM TRANSPORT 1");
    EXPECT_EQ(lines[4], "DURCHSATZ 2.0 PRO MIN");
    const int warned = (game.tileWarnings(4, 4) != 0 ? 1 : 0) + (game.tileWarnings(20, 9) != 0 ? 1 : 0);
    EXPECT_EQ(lines[5], "ENGPAESSE " + std::to_string(warned));
}

TEST(StatisticsHistory, BarsStandInTheBoxScaledToTheLargestDelta)
{
    const ScreenRect box = historyBoxRect(WINDOW);
    EXPECT_EQ(box.width, 300);
    ProductionStats stats = sampled(70.0f, {});
    std::uint32_t count = 0;
    for (int k = 0; k < 62; ++k) {
        count += k == 61 ? 1 : 0;
        stats.samples.push_back({static_cast<float>(k), count});
    }
    const std::vector<ScreenRect> bars = historyBars(box, stats);
    ASSERT_EQ(bars.size(), 60u) << "the newest 60 of 61 deltas";
    const int offsets[] = {2, 6, 11, 16};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(bars[static_cast<std::size_t>(i)].left, box.left + offsets[i]) << i;
    EXPECT_EQ(bars[0].width, 4);
    EXPECT_EQ(bars.back().height, 86) << "one delivery at the scale 1";
    EXPECT_EQ(bars.back().top, box.top + 2);
    EXPECT_EQ(bars.front().height, 0);

    // An undo lowered the count between two samples: that delta draws nothing
    // and no bar grows past the box.
    const ProductionStats undone = sampled(3.0f, {{0.0f, 5}, {1.0f, 9}, {2.0f, 2}, {3.0f, 3}});
    const std::vector<ScreenRect> after = historyBars(box, undone);
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[0].height, 86);
    EXPECT_EQ(after[1].height, 0);
    EXPECT_EQ(after[2].height, 86 / 4);
    const ScreenRect narrow{0, 0, 100, 90};
    EXPECT_EQ(historyBars(narrow, undone)[0].width, 1) << "under 120 inner pixels a bar is one pixel wide";
    EXPECT_TRUE(historyBars(box, sampled(1.0f, {{0.0f, 0}})).empty());
}

TEST(StatisticsPicture, AFreshWorldShowsSixLinesAndAnEmptyBox)
{
    setLanguage(GERMAN);
    SoftwareCanvas canvas(320, 600);
    const Game game = emptyGame();
    drawStatisticsWindow(canvas.renderer(), WINDOW, game, ProductionStats{});
    const char* lines[] = {"LAUFZEIT 0.00",  "QUELLWARE 0",           "GELIEFERT 0",
                           "IM TRANSPORT 0", "DURCHSATZ 0.0 PRO MIN", "ENGPAESSE 0"};
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(showsText(canvas, lines[i], 10, WINDOW.top + 42 + 28 * i, TEXT)) << lines[i];
    EXPECT_TRUE(showsText(canvas, "PRODUKTIONSSTATISTIK", 10, WINDOW.top + 8, TEXT));
    EXPECT_TRUE(showsText(canvas, "VERLAUF LETZTE 60 SEKUNDEN", 10, WINDOW.top + 300, TEXT));
    EXPECT_TRUE(showsText(canvas, "ENGPAESSE ZAEHLEN", 10, WINDOW.top + 225, TEXT));
    const ScreenRect box = historyBoxRect(WINDOW);
    EXPECT_EQ(canvas.pixel(box.left, box.top), BOX);
    EXPECT_EQ(canvas.pixel(box.left + box.width - 1, box.top + box.height - 1), BOX);
    EXPECT_EQ(canvas.boundsOf(BAR), (SDL_Rect{0, 0, 0, 0}));

    // After an undo lowered the delivered count.
    Game undone = emptyGame();
    undone.deliveredCount = 2;
    canvas.clear({0, 0, 0, 255});
    drawStatisticsWindow(canvas.renderer(), WINDOW, undone, sampled(20.0f, {{0.0f, 6}, {1.0f, 8}, {2.0f, 2}}));
    EXPECT_TRUE(showsText(canvas, "DURCHSATZ 0.0 PRO MIN", 10, WINDOW.top + 154, TEXT));
    const SDL_Rect bars = canvas.boundsOf(BAR);
    EXPECT_EQ(bars.h, 86);
    EXPECT_EQ(bars.y + bars.h, box.top + 88);
    setLanguage(ENGLISH);
}
