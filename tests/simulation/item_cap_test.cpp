#include <gtest/gtest.h>

#include "simulation/item_transport.h"
#include "support/world_builders.h"

namespace {

// Items parked on bare ground in a corner, where nothing moves them.
void parkItems(Game& game, std::size_t count)
{
    while (game.items.size() < count)
        game.items.emplace_back(0, GRID_HEIGHT - 1, EAST, LOG);
}

// The parked items make a world no map can hold, so it is run without the
// save check of the usual helpers.
void runSteps(Game& game, float seconds)
{
    const float dt = 1.0f / 60.0f;
    for (int step = 0; step < static_cast<int>(seconds / dt + 0.5f); ++step)
        game.update(dt, false);
}

}  // namespace

// Tunnels can hold more items than there are places on the map, but a map
// text holds no more than 9,600: at that count sources buy nothing and
// machines keep their products, while a product that goes straight into a
// shop is still sold.
TEST(FullWorld, AddsNoItemBeyondWhatAMapHolds)
{
    Game game = emptyGame();
    Tile& source = build(game, SOURCE, 10, 10);
    source.sourceRunning = true;
    layBelt(game, 11, 10, EAST);
    Tile& kiln = kilnWithCoal(game, 20, 10, EAST);
    layBelt(game, 21, 10, EAST);
    kilnWithCoal(game, 30, 10, EAST);
    setTile(game, 31, 10, SHOP, WEST);
    parkItems(game, MOST_WORLD_ITEMS);

    runSteps(game, 2.0f);
    EXPECT_EQ(game.items.size(), MOST_WORLD_ITEMS);
    EXPECT_EQ(source.sourceProduced[LOG], 0);
    EXPECT_EQ(kiln.ovenOutputCount, 1) << "the coal waits in the kiln";
    EXPECT_EQ(game.incomeEvents.size(), 1u) << "the kiln beside the shop sold its coal";

    game.items.pop_back();
    runSteps(game, 2.0f);
    EXPECT_EQ(game.items.size(), MOST_WORLD_ITEMS) << "one more item once there was room for it";
}
