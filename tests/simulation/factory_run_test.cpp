#include <gtest/gtest.h>

#include <algorithm>

#include "simulation/blocking_tests.h"
#include "simulation/prices.h"
#include "support/world_builders.h"

namespace {

// Out on a belt, where nothing is drawn over it: machines hide what goes in
// and comes out at their centre.
bool inTheOpen(const Game& game, const CargoItem& item)
{
    const int x = tileCoordinate(item.posX);
    const int y = tileCoordinate(item.posY);
    return game.inBounds(x, y) && game.tileAt(x, y).type == BELT;
}

// The largest overlap of two items out in the open.
float worstOverlap(const Game& game)
{
    float worst = 0.0f;
    for (std::size_t i = 0; i < game.items.size(); ++i) {
        for (std::size_t j = i + 1; j < game.items.size(); ++j) {
            const CargoItem& a = game.items[i];
            const CargoItem& b = game.items[j];
            if (a.layer != b.layer || !inTheOpen(game, a) || !inTheOpen(game, b)) continue;
            worst = std::max(worst, unitSquareOverlap(visualPosition(game, a), visualPosition(game, b)));
        }
    }
    return worst;
}

}  // namespace

TEST(FactoryRun, LogsBoughtBurntAndSoldAsCoalWithExactBooks)
{
    Game game;
    Tile& source = game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y);
    source.sourceRunning = true;
    const int y = STARTER_SOURCE_Y;
    layBeltRun(game, 4, y, EAST, 6);
    setTile(game, 10, y, OVEN, EAST);
    layBeltRun(game, 11, y, EAST, 5);
    setTile(game, 16, y, SHOP, WEST);

    float worst = 0.0f;
    for (int step = 0; step < 3600; ++step) {
        game.update(1.0f / 60.0f, false);
        game.advanceClock(1.0f / 60.0f);
        worst = std::max(worst, worstOverlap(game));
    }

    const auto bought = static_cast<std::int64_t>(source.sourceProduced[LOG]);
    const auto sold = static_cast<std::int64_t>(game.incomeEvents.size());
    EXPECT_GT(bought, 10);
    EXPECT_GT(sold, 0) << "the shop has sold coal";
    for (const IncomeEvent& sale : game.incomeEvents) {
        EXPECT_EQ(sale, (IncomeEvent{16, y, static_cast<std::int64_t>(CARGO_SALE_PRICE[COAL])}));
    }
    EXPECT_EQ(game.money, STARTING_MONEY - bought * static_cast<std::int64_t>(CARGO_PURCHASE_COST[LOG]) +
                              sold * static_cast<std::int64_t>(CARGO_SALE_PRICE[COAL]));
    EXPECT_LE(worst, 1e-5f) << "no item overlaps another";
}
