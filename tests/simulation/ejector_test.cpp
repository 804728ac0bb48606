#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/world_builders.h"

namespace {

// An ejector at (40, 30) facing north serves the belt tile (40, 29) and
// throws onto (40, 28).
constexpr int EJECTOR_X = 40;
constexpr int EJECTOR_Y = 30;

Game ejectorWorld()
{
    Game game = emptyGame();
    setTile(game, EJECTOR_X, EJECTOR_Y, EJECTOR, NORTH);
    layBelt(game, EJECTOR_X, EJECTOR_Y - 1, EAST);
    return game;
}

// A sensor looking for the cargo, wired to the ejector.
Tile& wireSensor(Game& game, CargoType cargo, bool watchesArrivals)
{
    Tile& sensor = setTile(game, EJECTOR_X - 2, EJECTOR_Y, SENSOR, EAST);
    sensor.sensorCargo = cargo;
    sensor.sensorWatchItems = watchesArrivals;
    game.signalControlLinks.push_back(Link{EJECTOR_X - 2, EJECTOR_Y, EJECTOR_X, EJECTOR_Y});
    return sensor;
}

// Puts an item at rest on the served tile and lets the ejector decide.
// True when the ejector took it; the item is cleared away afterwards.
bool ejectorTakes(Game& game, CargoType cargo)
{
    itemAtPosition(game, EJECTOR_X, EJECTOR_Y - 1, EAST, cargo);
    game.landThrownItems();
    const CargoItem item = game.items.back();
    EXPECT_EQ(item.ejectSkipTile, tileIndex(EJECTOR_X, EJECTOR_Y - 1));
    game.items.pop_back();
    return item.state == ITEM_TAKEN_BY_EJECTOR && item.ejectTarget == tileIndex(EJECTOR_X, EJECTOR_Y);
}

}  // namespace

TEST(EjectorFeed, TakesWhatItsWiringAsksFor)
{
    struct Case {
        const char* wiring;
        bool sensor;
        bool watchesArrivals;
        int shots;
        std::vector<CargoType> offered;
        std::vector<bool> taken;
    };
    const Case cases[] = {
        {"no wires", false, false, 0, {LOG, COAL, IRON_ORE}, {true, true, true}},
        {"coal sensor", true, false, 0, {LOG, COAL, IRON_ORE}, {false, true, false}},
        {"event mode, two shots", true, true, 2, {COAL, LOG, COAL}, {true, true, false}},
    };
    for (const Case& c : cases) {
        Game game = ejectorWorld();
        if (c.sensor) wireSensor(game, COAL, c.watchesArrivals);
        game.tileAt(EJECTOR_X, EJECTOR_Y).ejectorJobs = c.shots;
        std::vector<bool> taken;
        for (CargoType cargo : c.offered)
            taken.push_back(ejectorTakes(game, cargo));
        EXPECT_EQ(taken, c.taken) << c.wiring;
        EXPECT_EQ(game.tileAt(EJECTOR_X, EJECTOR_Y).ejectorJobs, 0) << c.wiring;
    }
}

TEST(EjectorFeed, RefusedOrWaitingItemsAreLeftAlone)
{
    Game game = ejectorWorld();
    wireSensor(game, COAL, false);
    CargoItem& refused = itemAtPosition(game, EJECTOR_X, EJECTOR_Y - 1, EAST, LOG);
    game.landThrownItems();
    game.signalControlLinks.clear();  // unwired, it would take anything offered
    game.landThrownItems();
    EXPECT_EQ(game.items[0].state, ITEM_FREE) << "not offered again until it has left the tile";

    // A busy ejector leaves a newly resting item unchanged until it is idle.
    refused.ejectSkipTile = -1;
    game.tileAt(EJECTOR_X, EJECTOR_Y).ejectorTimer = 0.02f;
    game.landThrownItems();
    EXPECT_EQ(game.items[0].state, ITEM_FREE);
    EXPECT_EQ(game.items[0].ejectSkipTile, -1);
    game.tileAt(EJECTOR_X, EJECTOR_Y).ejectorTimer = -1.0f;
    game.landThrownItems();
    EXPECT_EQ(game.items[0].state, ITEM_TAKEN_BY_EJECTOR);
}

TEST(EjectorThrow, ItemFliesToItsLandingTileAndStaysOnlyOnABelt)
{
    for (bool landingBelt : {true, false}) {
        Game game = ejectorWorld();
        if (landingBelt) layBelt(game, EJECTOR_X, EJECTOR_Y - 2, NORTH);
        itemAtPosition(game, EJECTOR_X, EJECTOR_Y - 1, EAST, COAL);
        bool sawFlight = false;
        const int steps = runUntil(game, 200, [&](const Game& g) {
            sawFlight = sawFlight || (!g.items.empty() && g.items[0].state == ITEM_IN_FLIGHT);
            return g.items.empty() || (g.items[0].state == ITEM_FREE && g.items[0].y == EJECTOR_Y - 2);
        });
        ASSERT_GE(steps, 0) << "landing belt " << landingBelt;
        EXPECT_TRUE(sawFlight);
        if (landingBelt) {
            ASSERT_EQ(game.items.size(), 1u);
            EXPECT_EQ(game.items[0].ejectTarget, -1);
            EXPECT_FLOAT_EQ(game.items[0].posY, EJECTOR_Y - 2.0f);
        } else {
            EXPECT_TRUE(game.items.empty()) << "lost on empty ground";
        }
        runFor(game, 0.2f);
        const Tile& ejector = game.tileAt(EJECTOR_X, EJECTOR_Y);
        EXPECT_FALSE(ejector.ejectorBusy);
        EXPECT_FLOAT_EQ(ejector.ejectorTimer, -1.0f);
        EXPECT_FLOAT_EQ(ejector.ejectorStroke, 0.5f);
    }
}

TEST(EjectorThrow, PistonStrikesAndReturnsInTheTimeOfItsAxis)
{
    struct Case {
        Direction dir;
        int stepsUntilIdle;  // of 1 ms: stroke 0.04 s plus the return time
        float fullReach;
    };
    for (const Case& c : {Case{EAST, 65, 1.4991667f}, Case{NORTH, 69, 1.6397667f}}) {
        Game game = emptyGame();
        Tile& ejector = setTile(game, 10, 10, EJECTOR, c.dir);
        ejector.ejectorBusy = true;  // its item is gone: nothing to follow
        ejector.ejectorTimer = 0.0f;
        ejector.ejectorKickTime = 0.04f;
        int steps = 0;
        float furthest = 0.0f;
        while (ejector.ejectorTimer >= 0.0f && steps < 200) {
            game.stepEjectors(0.001f);
            furthest = std::max(furthest, ejector.ejectorStroke);
            ++steps;
        }
        EXPECT_EQ(steps, c.stepsUntilIdle) << "direction " << c.dir;
        EXPECT_FLOAT_EQ(furthest, c.fullReach);
        EXPECT_FALSE(ejector.ejectorBusy);
    }
}
