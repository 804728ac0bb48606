#include <gtest/gtest.h>

#include <functional>

#include "simulation/room_index.h"
#include "simulation/tunnel_item_index.h"
#include "simulation/world_layout.h"
#include "support/world_builders.h"

namespace {

// A tunnel from (20, 45) to (26, 45): six slots deep, with a belt in front.
constexpr int ENTRANCE_X = 20;
constexpr int ENTRANCE_Y = 45;
constexpr int DEPTH = 6;

Game tunnelWorld()
{
    Game game = emptyGame();
    layBelt(game, ENTRANCE_X - 1, ENTRANCE_Y, EAST);
    layTunnel(game, ENTRANCE_X, ENTRANCE_Y, ENTRANCE_X + DEPTH, ENTRANCE_Y, EAST);
    return game;
}

// An item deep in the tunnel, as a time skip leaves it.
CargoItem& restingItem(Game& game, int slot)
{
    CargoItem& item = itemAtPosition(game, ENTRANCE_X, ENTRANCE_Y, EAST);
    item.tunnelProgress = slot;
    return item;
}

}  // namespace

TEST(TunnelItemIndex, HoldsOnlyItemsThatNothingButTheTunnelRuleCanChange)
{
    struct Case {
        const char* what;
        std::function<void(CargoItem&)> change;
        bool held;
    };
    const Case cases[] = {
        {"at rest in a middle slot", [](CargoItem&) {}, true},
        {"in the last slot", [](CargoItem& item) { item.tunnelProgress = DEPTH; }, true},
        {"in the first slot", [](CargoItem& item) { item.tunnelProgress = 1; }, true},
        {"not yet in", [](CargoItem& item) { item.tunnelProgress = 0; }, false},
        {"put in past the last slot", [](CargoItem& item) { item.tunnelProgress = DEPTH + 1; }, false},
        {"still gliding in",
         [](CargoItem& item) {
             item.path.push_back(PathPoint{ENTRANCE_X, ENTRANCE_Y});
         },
         false},
        {"carried", [](CargoItem& item) { item.carried = true; }, false},
        {"in an ejector's charge", [](CargoItem& item) { item.ejectTarget = 7; }, false},
        {"in flight", [](CargoItem& item) { item.state = ITEM_IN_FLIGHT; }, false},
        {"marked as leaving", [](CargoItem& item) { item.leavingTunnel = true; }, false},
        {"off the centre", [](CargoItem& item) { item.posX += 0.25f; }, false},
        {"with a negative zero progress", [](CargoItem& item) { item.progress = -0.0f; }, false},
        {"heading elsewhere", [](CargoItem& item) { item.heading = NORTH; }, false},
        {"from another origin", [](CargoItem& item) { item.originX = ENTRANCE_X - 1; }, false},
        {"bound for another tile", [](CargoItem& item) { item.targetTile = 3; }, false},
        {"on a deck", [](CargoItem& item) { item.layer = 1; }, false},
        {"on the belt in front",
         [](CargoItem& item) {
             item.x = ENTRANCE_X - 1;
             item.posX = ENTRANCE_X - 1;
             item.originX = ENTRANCE_X - 1;
         },
         false},
    };
    for (const Case& c : cases) {
        Game game = tunnelWorld();
        c.change(restingItem(game, 3));
        WorldLayout layout;
        layout.build(game);
        TunnelItemIndex tunnels;
        tunnels.list(game, layout);
        EXPECT_EQ(tunnels.holds(0), c.held) << c.what;
        EXPECT_EQ(tunnels.countOn(tileIndex(ENTRANCE_X, ENTRANCE_Y)), c.held ? 1 : 0) << c.what;
        EXPECT_TRUE(tunnels.agrees(game, layout)) << c.what;
    }
}

// The room tests answer for held items as the item list would: they fill
// their entrance tile alone, and an item never stands in its own way.
TEST(TunnelItemIndex, RoomTestsAnswerForHeldItemsAsTheWholeListDoes)
{
    for (int resting = 1; resting <= 3; ++resting) {
        Game game = tunnelWorld();
        for (int k = 0; k < resting; ++k)
            restingItem(game, 1 + k);
        WorldLayout layout;
        layout.build(game);
        TunnelItemIndex tunnels;
        tunnels.list(game, layout);
        RoomIndex room;
        room.answerForTunnels(tunnels);
        for (int x = ENTRANCE_X - 1; x <= ENTRANCE_X + 1; ++x) {
            for (const CargoItem* self :
                 {static_cast<const CargoItem*>(nullptr), static_cast<const CargoItem*>(&game.items[0])}) {
                EXPECT_EQ(room.hasRoomOnTile(game, x, ENTRANCE_Y, self), game.hasRoomOnTile(x, ENTRANCE_Y, self))
                    << resting << " resting, tile x " << x << (self != nullptr ? ", asked for the first" : "");
            }
        }
        EXPECT_TRUE(room.anyNear(game, ENTRANCE_X - 0.5f, ENTRANCE_X + 0.5f, ENTRANCE_Y - 0.5f, ENTRANCE_Y + 0.5f,
                                 [resting](int i) { return i == resting - 1; }));

        tunnels.release(0);  // the first came out
        EXPECT_EQ(tunnels.countOn(tileIndex(ENTRANCE_X, ENTRANCE_Y)), resting - 1);
    }
}
