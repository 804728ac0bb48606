#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "world/game.h"

namespace {

struct Ends {
    int x0, y0, x1, y1;
    friend bool operator==(const Ends&, const Ends&) = default;
};

// Builds an empty world with the given types on the given tiles.
class LinkEnds : public ::testing::Test {
  protected:
    void SetUp() override { game.tiles.assign(TILE_COUNT, Tile{}); }

    void put(int x, int y, ControlType type, Direction dir = NONE)
    {
        game.tileAt(x, y).type = type;
        game.tileAt(x, y).dir = dir;
    }

    // The stored order of a wire, or nothing when it is refused.
    std::optional<Ends> normalised(Ends ends, bool measure) const
    {
        if (!game.normaliseLinkEnds(ends.x0, ends.y0, ends.x1, ends.y1, measure)) return std::nullopt;
        return ends;
    }

    Game game;
};

}  // namespace

TEST(SwitchWireTargets, AreTheSwitchableMachines)
{
    int count = 0;
    for (int type = -2; type < 45; ++type)
        count += isSwitchWireTarget(type) ? 1 : 0;
    EXPECT_EQ(count, 12);
    for (int type : {3, 4, 5, 6, 7, 11, 12, 13, 15, 19, 21, 25})
        EXPECT_TRUE(isSwitchWireTarget(type)) << type;
}

TEST_F(LinkEnds, SwitchWiresRunFromSignalToMachineOrLogicInput)
{
    put(1, 1, SENSOR);
    put(2, 1, SMELTER);
    put(3, 1, STORAGE);
    put(4, 1, SIGNAL_LAMP);
    put(5, 1, LOGIC_AND);
    put(6, 1, SIGNAL_LAMP);
    put(7, 1, LOGIC_OR);

    EXPECT_EQ(normalised({2, 1, 1, 1}, false), (Ends{1, 1, 2, 1}));
    EXPECT_EQ(normalised({2, 1, 3, 1}, false), std::nullopt);
    EXPECT_EQ(normalised({4, 1, 5, 1}, false), (Ends{5, 1, 4, 1}));
    EXPECT_EQ(normalised({4, 1, 6, 1}, false), std::nullopt);
    // Two gates fit both ways and keep the order given.
    EXPECT_EQ(normalised({7, 1, 5, 1}, false), (Ends{7, 1, 5, 1}));
    EXPECT_EQ(normalised({5, 1, 7, 1}, false), (Ends{5, 1, 7, 1}));
    EXPECT_EQ(normalised({5, 1, 5, 1}, false), std::nullopt);
    EXPECT_EQ(normalised({5, 1, -1, 1}, false), std::nullopt);
    EXPECT_EQ(normalised({5, 1, 4, 60}, false), std::nullopt);
}

TEST_F(LinkEnds, MeasureWiresRunFromSensorToMachine)
{
    put(1, 1, SENSOR);
    put(2, 1, LOGIC_AND);
    put(3, 1, COAL_GENERATOR);
    put(4, 1, MIXER, EAST);
    put(4, 2, MIXER_SECOND, EAST);
    put(5, 1, BELT);
    put(6, 1, SHOP);

    EXPECT_EQ(normalised({1, 1, 2, 1}, true), std::nullopt);
    EXPECT_EQ(normalised({1, 1, 3, 1}, true), (Ends{1, 1, 3, 1}));
    EXPECT_EQ(normalised({3, 1, 1, 1}, true), (Ends{1, 1, 3, 1}));
    for (Ends refused : {Ends{1, 1, 4, 1}, Ends{4, 2, 1, 1}, Ends{5, 1, 1, 1}, Ends{1, 1, 6, 1}}) {
        EXPECT_EQ(normalised(refused, true), std::nullopt);
        EXPECT_EQ(normalised(refused, false), std::nullopt);
    }
}

TEST_F(LinkEnds, EndOnADistributorsSecondTileMovesToItsMainTile)
{
    put(1, 1, SENSOR);
    put(10, 10, DISTRIBUTOR, EAST);
    put(10, 11, DISTRIBUTOR_SECOND, EAST);
    EXPECT_EQ(normalised({10, 11, 1, 1}, false), (Ends{1, 1, 10, 10}));
    EXPECT_EQ(normalised({1, 1, 10, 11}, true), (Ends{1, 1, 10, 10}));
    EXPECT_EQ(normalised({10, 11, 10, 10}, false), std::nullopt);

    // A stray second tile whose main tile would lie off the map is refused.
    put(0, 0, DISTRIBUTOR_SECOND, WEST);
    EXPECT_EQ(normalised({0, 0, 1, 1}, false), std::nullopt);
}

TEST_F(LinkEnds, HasLinkFindsTheNormalisedWire)
{
    put(1, 1, SENSOR);
    put(2, 1, SMELTER);
    game.signalControlLinks.push_back(Link{1, 1, 2, 1, 0, 0});
    game.signalMeasureLinks.push_back(Link{1, 1, 2, 1, 0, 0});
    EXPECT_TRUE(game.hasLink(game.signalControlLinks, Link{2, 1, 1, 1, 0, 0}));
    EXPECT_FALSE(game.hasLink(game.signalControlLinks, Link{2, 1, 1, 1, 1, 0}));
    EXPECT_FALSE(game.hasLink(game.signalControlLinks, Link{2, 1, 1, 1, 0, 2}));
    EXPECT_TRUE(game.hasLink(game.signalMeasureLinks, Link{2, 1, 1, 1, 0, 0}));

    // A copy of the list counts as switch wires: a gate may take a switch wire only.
    put(3, 1, LOGIC_NOT);
    game.signalMeasureLinks.push_back(Link{1, 1, 3, 1, 0, 0});
    const std::vector<Link> copy = game.signalMeasureLinks;
    EXPECT_FALSE(game.hasLink(game.signalMeasureLinks, Link{1, 1, 3, 1, 0, 0}));
    EXPECT_TRUE(game.hasLink(copy, Link{1, 1, 3, 1, 0, 0}));
}

TEST_F(LinkEnds, HasPowerLinkFindsEitherOrientation)
{
    game.powerLinks.push_back(Link{1, 2, 3, 4, 0, 7});
    EXPECT_TRUE(game.hasPowerLink(1, 2, 3, 4));
    EXPECT_TRUE(game.hasPowerLink(3, 4, 1, 2));
    EXPECT_FALSE(game.hasPowerLink(1, 2, 3, 5));
}

TEST_F(LinkEnds, MachineGroupGathersTheTilesOfOneControl)
{
    for (int x = 9; x <= 11; ++x) {
        game.tileAt(x, 5).bridgeDir = EAST;
        game.tileAt(x, 5).bridgePart = x - 9;
    }
    game.tileAt(10, 5).type = BELT;
    MachineGroup bridge = game.machineGroupAt(10, 5);
    EXPECT_TRUE(bridge.isBridge);
    EXPECT_EQ(bridge.x, 10);
    ASSERT_EQ(bridge.cells.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(bridge.cells[i].x, 9 + i);
        EXPECT_EQ(bridge.cells[i].y, 5);
        EXPECT_EQ(bridge.cells[i].tile.bridgePart, i);
    }
    EXPECT_EQ(game.machineGroupAt(9, 5).cells.size(), 3u);

    put(20, 20, MIXER, SOUTH);
    put(19, 20, MIXER_SECOND, SOUTH);
    for (auto [x, other] : {std::pair{20, 19}, std::pair{19, 20}}) {
        MachineGroup pair = game.machineGroupAt(x, 20);
        ASSERT_EQ(pair.cells.size(), 2u);
        EXPECT_EQ(pair.cells[0].x, x);
        EXPECT_EQ(pair.cells[1].x, other);
        EXPECT_FALSE(pair.isBridge);
    }

    put(30, 30, TUNNEL);
    put(34, 30, TUNNEL_EXIT, EAST);
    game.tileAt(30, 30).tunnelPartnerX = 34;
    game.tileAt(30, 30).tunnelPartnerY = 30;
    MachineGroup tunnel = game.machineGroupAt(30, 30);
    ASSERT_EQ(tunnel.cells.size(), 2u);
    EXPECT_EQ(tunnel.cells[1].x, 34);
    EXPECT_EQ(tunnel.cells[1].tile.type, TUNNEL_EXIT);
}

TEST_F(LinkEnds, MachineGroupOfLoneOrEmptyTiles)
{
    put(3, 3, BELT);
    MachineGroup belt = game.machineGroupAt(3, 3);
    ASSERT_EQ(belt.cells.size(), 1u);
    EXPECT_EQ(belt.cells[0].tile.type, BELT);

    // A tunnel end not yet joined stands alone.
    put(0, 0, TUNNEL);
    MachineGroup tunnel = game.machineGroupAt(0, 0);
    ASSERT_EQ(tunnel.cells.size(), 1u);
    EXPECT_EQ(tunnel.x, 0);

    put(4, 4, PLAIN);
    for (auto [x, y] : {std::pair{5, 5}, std::pair{4, 4}, std::pair{-1, 0}, std::pair{80, 0}}) {
        MachineGroup none = game.machineGroupAt(x, y);
        EXPECT_EQ(none.x, -1);
        EXPECT_EQ(none.y, -1);
        EXPECT_TRUE(none.cells.empty());
    }
}
