#include <gtest/gtest.h>

#include <functional>

#include "map_text_support.h"
#include "support/world_builders.h"

namespace {

constexpr std::uint64_t MILL = 1;

// A world with a source that has handed out 100 units, so items can carry
// identities of their own.
Game millWorld()
{
    Game game = emptyGame();
    Tile& mill = setTile(game, 0, 0, SOURCE, EAST);
    mill.machineId = MILL;
    mill.serialCounter = 100;
    game.nextMachineId = 10;
    return game;
}

CargoItem& addItem(Game& game, int x, int y, int layer = 0)
{
    CargoItem& item = game.items.emplace_back(x, y, EAST, LOG);
    item.layer = layer;
    item.id = ItemId{MILL, game.items.size(), ""};
    return item;
}

// A bridge whose deck spans (x, y).
void layBridge(Game& game, int x, int y, Direction dir)
{
    for (int part = BRIDGE_ENTRY_RAMP; part <= BRIDGE_EXIT_RAMP; ++part) {
        const int offset = part - BRIDGE_DECK;
        Tile& tile = game.tileAt(x + offset * directionDx(dir), y + offset * directionDy(dir));
        if (part != BRIDGE_DECK) tile = Tile{}, tile.type = BRIDGE, tile.dir = dir;
        tile.bridgeDir = dir;
        tile.bridgePart = part;
    }
}

void layTunnelEnd(Game& game, int x, int y, ControlType type, int partnerX, int partnerY)
{
    Tile& end = setTile(game, x, y, type, EAST);
    end.tunnelPartnerX = partnerX;
    end.tunnelPartnerY = partnerY;
}

Link link(int x0, int y0, int x1, int y1) { return Link{x0, y0, x1, y1, 0, 0}; }

// Tunnel (10, 5) to (14, 5), a bridge over (20, 10), a distributor at (30, 5),
// a generator and three poles on row 10, a sensor beside a kiln, a shop, and
// a belt on (5, 5).
Game wiredWorld()
{
    Game game = millWorld();
    layTunnelEnd(game, 10, 5, TUNNEL, 14, 5);
    layTunnelEnd(game, 14, 5, TUNNEL_EXIT, 10, 5);
    layBridge(game, 20, 10, EAST);
    setTile(game, 30, 5, DISTRIBUTOR, EAST);
    setTile(game, 30, 6, DISTRIBUTOR_SECOND, EAST);
    setTile(game, 40, 10, COAL_GENERATOR);
    for (int x : {42, 44, 46})
        setTile(game, x, 10, POWER_POLE);
    setTile(game, 50, 10, SENSOR, EAST);
    Tile& kiln = setTile(game, 52, 10, OVEN, EAST);
    kiln.machineId = 2;
    setTile(game, 50, 12, POWER_SUPPLY);
    setTile(game, 60, 10, SHOP, SOUTH);
    layBelt(game, 5, 5, EAST);
    return game;
}

bool readsBack(const Game& game)
{
    Game loaded;
    return readMapText(loaded, mapTextOf(game));
}

struct RelationCase {
    const char* name;
    std::function<void(Game&)> change;
    bool accepted;
};

template <std::size_t N> void expectCases(const RelationCase (&cases)[N])
{
    ASSERT_TRUE(readsBack(wiredWorld()));
    for (const RelationCase& c : cases) {
        Game game = wiredWorld();
        c.change(game);
        EXPECT_EQ(readsBack(game), c.accepted) << c.name;
    }
}

}  // namespace

TEST(MapRelations, ControlsSpanningTilesMustBeWhole)
{
    const RelationCase cases[] = {
        {"tunnel exit naming another entrance",
         [](Game& g) {
             layTunnelEnd(g, 10, 7, TUNNEL, 14, 5);
             g.tileAt(14, 5).tunnelPartnerY = 7;
         },
         false},
        {"tunnel entrance naming itself", [](Game& g) { layTunnelEnd(g, 10, 5, TUNNEL, 10, 5); }, false},
        {"belt naming a tunnel partner", [](Game& g) { layTunnelEnd(g, 5, 5, BELT, 10, 5); }, false},
        {"deck carrying a belt along the bridge", [](Game& g) { layBelt(g, 20, 10, EAST), layBridge(g, 20, 10, EAST); },
         false},
        {"deck over a belt crossing it", [](Game& g) { layBelt(g, 20, 10, SOUTH), layBridge(g, 20, 10, EAST); }, true},
        {"bridge without its exit ramp", [](Game& g) { g.tileAt(21, 10) = Tile{}; }, false},
        {"ramp facing across its bridge", [](Game& g) { g.tileAt(19, 10).dir = NORTH; }, false},
        {"distributor with its second tile counter-clockwise",
         [](Game& g) {
             g.tileAt(30, 6) = Tile{};
             setTile(g, 30, 4, DISTRIBUTOR_SECOND, EAST);
         },
         false},
        {"mixer halves facing apart",
         [](Game& g) {
             setTile(g, 33, 30, MIXER, SOUTH);
             setTile(g, 32, 30, MIXER_SECOND, NORTH);
         },
         false},
    };
    expectCases(cases);
}

TEST(MapRelations, CablesAndWiresJoinOnlyFittingControls)
{
    const RelationCase cases[] = {
        {"measure wire from a belt to a sensor", [](Game& g) { g.signalMeasureLinks = {link(5, 5, 50, 10)}; }, false},
        {"measure wire from a sensor to a shop", [](Game& g) { g.signalMeasureLinks = {link(50, 10, 60, 10)}; }, false},
        {"measure wire from a sensor to a kiln", [](Game& g) { g.signalMeasureLinks = {link(50, 10, 52, 10)}; }, true},
        {"the same measure wire twice",
         [](Game& g) {
             g.signalMeasureLinks = {link(50, 10, 52, 10), link(50, 10, 52, 10)};
         },
         false},
        {"two cables between two poles, laid both ways",
         [](Game& g) {
             g.powerLinks = {link(42, 10, 44, 10), link(44, 10, 42, 10)};
         },
         false},
        {"pole with four cables",
         [](Game& g) {
             setTile(g, 43, 12, POWER_POLE);
             g.powerLinks = {link(42, 10, 40, 10), link(42, 10, 44, 10), link(42, 10, 46, 10), link(42, 10, 43, 12)};
         },
         false},
        {"generator with ten cables",
         [](Game& g) {
             for (int i = 0; i < 10; ++i) {
                 setTile(g, 35 + i, 15, POWER_POLE);
                 g.powerLinks.push_back(link(40, 10, 35 + i, 15));
             }
         },
         true},
        {"cable of length 10",
         [](Game& g) {
             setTile(g, 46, 18, POWER_POLE);
             g.powerLinks = {link(40, 10, 46, 18)};
         },
         true},
        {"cable of length root 101",
         [](Game& g) {
             setTile(g, 50, 11, POWER_POLE);
             g.powerLinks = {link(40, 10, 50, 11)};
         },
         false},
        {"cable to an injection molder",
         [](Game& g) {
             setTile(g, 41, 12, INJECTION_MOLDER).machineId = 3;
             g.powerLinks = {link(40, 10, 41, 12)};
         },
         false},
        {"cable from a pole to itself", [](Game& g) { g.powerLinks = {link(42, 10, 42, 10)}; }, false},
        {"switch wire from a sensor to a kiln", [](Game& g) { g.signalControlLinks = {link(50, 10, 52, 10)}; }, true},
        {"switch wire into a switch",
         [](Game& g) {
             setTile(g, 54, 10, LOGIC_SWITCH);
             g.signalControlLinks = {link(50, 10, 54, 10)};
         },
         false},
        {"5V cable from a supply to a sensor", [](Game& g) { g.dcLinks = {link(50, 12, 50, 10)}; }, true},
        {"5V cable from a supply to a belt", [](Game& g) { g.dcLinks = {link(50, 12, 5, 5)}; }, false},
    };
    expectCases(cases);
}

TEST(MapRelations, EveryIdentityOccursOnceAndWithinItsProducersRange)
{
    const RelationCase cases[] = {
        {"two sinks that both received (5, 7)",
         [](Game& g) {
             setTile(g, 70, 20, SINK, EAST).sinkDeliveredIds = {ItemId{5, 7, ""}};
             setTile(g, 70, 22, SINK, EAST).sinkDeliveredIds = {ItemId{5, 7, ""}};
         },
         false},
        {"(5, 7) of a producer that has handed out 6",
         [](Game& g) {
             Tile& smelter = setTile(g, 70, 24, SMELTER, EAST);
             smelter.machineId = 5;
             smelter.serialCounter = 6;
             setTile(g, 70, 20, SINK, EAST).sinkDeliveredIds = {ItemId{5, 7, ""}};
         },
         false},
        {"(5, 7) after its producer was demolished",
         [](Game& g) {
             setTile(g, 70, 20, SINK, EAST).sinkDeliveredIds = {ItemId{5, 7, ""}};
         },
         true},
        {"machine id not handed out yet",
         [](Game& g) {
             setTile(g, 70, 20, SINK, EAST).sinkDeliveredIds = {ItemId{10, 1, ""}};
         },
         false},
        {"item whose part repeats a queued unit",
         [](Game& g) {
             Tile& storage = setTile(g, 70, 20, STORAGE, EAST);
             storage.storageCargo = {LOG};
             storage.storageItems = {ItemRecord{ItemId{MILL, 50, ""}, {}}};
             addItem(g, 5, 5).parts = {ItemId{MILL, 50, ""}};
         },
         false},
        // The game makes anonymous units itself (a kiln whose record queue ran
        // short emits one), so a map holding them must read back.
        {"anonymous unit queued in a storage",
         [](Game& g) {
             Tile& storage = setTile(g, 70, 20, STORAGE, EAST);
             storage.storageCargo = {LOG};
             storage.storageItems = {ItemRecord{}};
         },
         true},
        {"anonymous item", [](Game& g) { addItem(g, 5, 5).id = ItemId{}; }, true},
        {"anonymous item with a label",
         [](Game& g) {
             addItem(g, 5, 5).id = ItemId{0, 0, "A"};
         },
         false},
    };
    expectCases(cases);
}

TEST(MapRelations, ItemsStandWhereTheyCan)
{
    const RelationCase cases[] = {
        {"two items on one belt tile", [](Game& g) { addItem(g, 5, 5), addItem(g, 5, 5); }, false},
        {"two items on a shop", [](Game& g) { addItem(g, 60, 10), addItem(g, 60, 10); }, true},
        {"an item on the deck and one on the belt under it",
         [](Game& g) {
             layBelt(g, 20, 10, SOUTH);
             layBridge(g, 20, 10, EAST);
             addItem(g, 20, 10, 1);
             addItem(g, 20, 10, 0);
         },
         true},
        {"deck item travelling across the bridge", [](Game& g) { addItem(g, 20, 10, 1).dir = SOUTH; }, false},
        {"item on a power pole", [](Game& g) { addItem(g, 42, 10); }, false},
        {"item held by no arm", [](Game& g) { addItem(g, 5, 5).carried = true; }, false},
        {"item held by an arm",
         [](Game& g) {
             setTile(g, 8, 8, ARM, EAST);
             addItem(g, 8, 8).carried = true;
         },
         true},
        {"two items at different depths of a tunnel",
         [](Game& g) { addItem(g, 10, 5).tunnelProgress = 1, addItem(g, 10, 5).tunnelProgress = 5; }, true},
        {"item deeper than its tunnel is long", [](Game& g) { addItem(g, 10, 5).tunnelProgress = 6; }, false},
        {"item on a tunnel entrance without having entered", [](Game& g) { addItem(g, 10, 5); }, false},
        {"item thrown from a belt",
         [](Game& g) {
             CargoItem& item = addItem(g, 7, 5);
             item.state = ITEM_IN_FLIGHT;
             item.ejectTarget = tileIndex(5, 5);
         },
         false},
    };
    expectCases(cases);
}

TEST(MapRelations, LoadingRebuildsDecksAndRestoresThrowingEjectors)
{
    Game game = millWorld();
    layBridge(game, 10, 10, EAST);
    setTile(game, 10, 20, EJECTOR, EAST);
    CargoItem& thrown = addItem(game, 12, 20);
    thrown.posX = 11.5f;
    thrown.state = ITEM_IN_FLIGHT;
    thrown.ejectTarget = tileIndex(10, 20);

    Game loaded;
    loaded.incomeEvents.push_back(IncomeEvent{1, 2, 3});
    loaded.titleDirty = false;
    ASSERT_TRUE(readMapText(loaded, mapTextOf(game)));

    for (int i = 0; i < TILE_COUNT; ++i) {
        const Tile& deck = loaded.deckTiles[i];
        if (i == tileIndex(10, 10)) {
            EXPECT_EQ(deck.type, BELT);
            EXPECT_EQ(deck.dir, EAST);
        } else {
            ASSERT_TRUE(deck == Tile{}) << "deck over tile " << i;
        }
    }
    const Tile& ejector = loaded.tileAt(10, 20);
    EXPECT_TRUE(ejector.ejectorBusy);
    EXPECT_EQ(ejector.ejectorTimer, 0.0f);
    EXPECT_FLOAT_EQ(ejector.ejectorKickTime, 0.04f);
    EXPECT_EQ(ejector.ejectorItemId, thrown.id);
    EXPECT_FLOAT_EQ(ejector.ejectorStroke, 1.5f - cargoExtent(LOG, EAST));
    EXPECT_TRUE(loaded.incomeEvents.empty());
    EXPECT_TRUE(loaded.titleDirty);
}

TEST(MapRelations, NetworksAreCurrentRightAfterLoading)
{
    Game game = millWorld();
    Tile& generator = setTile(game, 14, 14, COAL_GENERATOR);
    generator.generatorOn = true;
    generator.generatorCoal = 1;
    generator.generatorFuelItems = {ItemRecord{}};
    setTile(game, 10, 10, POWER_POLE);
    setTile(game, 11, 10, ARM, EAST);
    game.powerLinks = {link(14, 14, 10, 10)};
    ASSERT_FALSE(game.isPoweredAt(11, 10));

    Game loaded;
    ASSERT_TRUE(readMapText(loaded, mapTextOf(game)));
    EXPECT_TRUE(loaded.isPoweredAt(11, 10));
}

TEST(MapRelations, CamerasSeeTheItemsTheyWatchOnLoading)
{
    Game game = millWorld();
    layBelt(game, 31, 30, EAST);
    Tile& sensor = setTile(game, 30, 30, SENSOR, EAST);
    sensor.sensorWatchItems = true;
    sensor.sensorCargo = LOG;
    const CargoItem& item = addItem(game, 31, 30);
    const SensorSighting seen{true, LOG, MILL, item.id.serial};

    Game loaded;
    ASSERT_TRUE(readMapText(loaded, mapTextOf(game)));
    EXPECT_EQ(loaded.tileAt(30, 30).sensorPresent, seen);
    EXPECT_EQ(loaded.tileAt(30, 30).sensorLastSeen, seen);
    EXPECT_TRUE(loaded.tileAt(30, 30).sensorSeenMatch);
}

TEST(MapRelations, ItemsWhosePathsWouldCollideStandStill)
{
    Game game = millWorld();
    // Two tunnel exits face each other across (12, 5); both items are on their way there.
    layTunnelEnd(game, 8, 5, TUNNEL, 11, 5);
    layTunnelEnd(game, 11, 5, TUNNEL_EXIT, 8, 5);
    layTunnelEnd(game, 16, 5, TUNNEL, 13, 5);
    layTunnelEnd(game, 13, 5, TUNNEL_EXIT, 16, 5);
    game.tileAt(13, 5).dir = WEST;
    layBelt(game, 12, 5, SOUTH);
    layBeltRun(game, 12, 3, SOUTH, 2);
    CargoItem& fromWest = addItem(game, 11, 5);
    fromWest.path.push_back(PathPoint{12, 5, 1.7f, EAST, false});
    CargoItem& fromEast = addItem(game, 13, 5);
    fromEast.posX = 12.9f;
    fromEast.path.push_back(PathPoint{12, 5, 1.7f, WEST, false});
    // Its way runs through the tile the others were heading for.
    CargoItem& behind = addItem(game, 12, 3);
    behind.posY = 3.5f;
    behind.path.push_back(PathPoint{12, 4, 1.7f, SOUTH, false});
    behind.path.push_back(PathPoint{12, 5, 1.7f, SOUTH, false});
    CargoItem& elsewhere = addItem(game, 5, 20);
    layBeltRun(game, 5, 20, EAST, 2);
    elsewhere.posX = 5.5f;
    elsewhere.path.push_back(PathPoint{6, 20, 1.7f, EAST, false});

    Game loaded;
    ASSERT_TRUE(readMapText(loaded, mapTextOf(game)));
    for (int i = 0; i < 3; ++i) {
        const CargoItem& item = loaded.items[i];
        EXPECT_TRUE(item.path.empty()) << i;
        EXPECT_EQ(item.posX, static_cast<float>(item.x)) << i;
        EXPECT_EQ(item.posY, static_cast<float>(item.y)) << i;
    }
    EXPECT_EQ(loaded.items[3].path.size(), 1u);
    EXPECT_EQ(loaded.items[3].posX, 5.5f);
}
