#include "support/world_builders.h"

#include <gtest/gtest.h>

#include <sstream>

#include "world/control.h"

Game emptyGame()
{
    Game game;
    game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y) = Tile{};
    game.tileAt(STARTER_SINK_X, STARTER_SINK_Y) = Tile{};
    return game;
}

void buildBridgeEast(Game& game, int x, int y)
{
    Tile& entry = setTile(game, x - 1, y, BRIDGE, EAST);
    entry.bridgeDir = EAST;
    entry.bridgePart = BRIDGE_ENTRY_RAMP;
    Tile& exit = setTile(game, x + 1, y, BRIDGE, EAST);
    exit.bridgeDir = EAST;
    exit.bridgePart = BRIDGE_EXIT_RAMP;
    Tile& middle = game.tileAt(x, y);
    middle.bridgeDir = EAST;
    middle.bridgePart = BRIDGE_DECK;
    Tile& deck = game.deckTiles[tileIndex(x, y)];
    deck.type = BELT;
    deck.dir = EAST;
}

CargoItem& itemAtPosition(Game& game, float px, float py, Direction heading, CargoType cargo)
{
    CargoItem& item = game.items.emplace_back(tileCoordinate(px), tileCoordinate(py), heading, cargo);
    item.posX = px;
    item.posY = py;
    return item;
}

Tile& build(Game& game, ControlType type, int x, int y)
{
    EXPECT_TRUE(controlForType(type).place(game, x, y)) << "could not build type " << type << " at " << x << "," << y;
    Tile& tile = game.tileAt(x, y);
    if (isProducerType(type) && tile.machineId == 0) tile.machineId = game.nextMachineId++;
    return tile;
}

Tile& layBelt(Game& game, int x, int y, Direction dir, int speed)
{
    Tile& tile = setTile(game, x, y, BELT, dir);
    tile.beltSpeed = speed;
    return tile;
}

void layBeltRun(Game& game, int x, int y, Direction dir, int length, int speed)
{
    for (int i = 0; i < length; ++i)
        layBelt(game, x + directionDx(dir) * i, y + directionDy(dir) * i, dir, speed);
}

// A world the game made always saves and reads back.
void expectMapReadsBack(const Game& game)
{
    std::stringstream text;
    ASSERT_TRUE(game.writeMap(text));
    Game copy;
    EXPECT_TRUE(copy.readMap(text)) << "the world does not read back";
}

void layBeltLoop(Game& game, int x, int y)
{
    layBeltRun(game, x, y, EAST, 3);
    layBeltRun(game, x + 3, y, SOUTH, 2);
    layBeltRun(game, x + 3, y + 2, WEST, 3);
    layBeltRun(game, x, y + 2, NORTH, 2);
}

void layTunnel(Game& game, int x1, int y1, int x2, int y2, Direction exitDir)
{
    Tile& entrance = setTile(game, x1, y1, TUNNEL);
    entrance.tunnelPartnerX = x2;
    entrance.tunnelPartnerY = y2;
    Tile& exit = setTile(game, x2, y2, TUNNEL_EXIT, exitDir);
    exit.tunnelPartnerX = x1;
    exit.tunnelPartnerY = y1;
}

void supplyPower(Game& game, int x, int y) { game.tileAt(x, y).powerSupplied = true; }

void runBeltStep(Game& game)
{
    game.stepItems(BeltPass::Full);
    game.stepItems(BeltPass::FollowUp);
    game.stepItems(BeltPass::FollowUp);
    game.replanItems();
}

int runUntil(Game& game, int maxSteps, const std::function<bool(const Game&)>& done, float dt)
{
    for (int step = 0; step < maxSteps; ++step) {
        if (done(game)) return expectMapReadsBack(game), step;
        game.update(dt, false);
        game.advanceClock(dt);
    }
    expectMapReadsBack(game);
    return done(game) ? maxSteps : -1;
}

void runFor(Game& game, float seconds, float dt)
{
    const int steps = static_cast<int>(seconds / dt + 0.5f);
    for (int step = 0; step < steps; ++step) {
        game.update(dt, false);
        game.advanceClock(dt);
    }
    expectMapReadsBack(game);
}

Tile& kilnWithCoal(Game& game, int x, int y, Direction dir)
{
    Tile& kiln = setTile(game, x, y, OVEN, dir);
    kiln.ovenOutputCount = 1;
    kiln.ovenHeld = 1;
    return kiln;
}

Tile& buildFuelledGenerator(Game& game, int x, int y)
{
    Tile& generator = build(game, COAL_GENERATOR, x, y);
    generator.generatorOn = true;
    generator.generatorCoal = 10;
    // One record per coal unit, as a generator fed on the map holds them.
    for (int unit = 0; unit < generator.generatorCoal; ++unit)
        generator.generatorFuelItems.push_back(ItemRecord{});
    return generator;
}

void feed5V(Game& game, int x, int y, const std::vector<std::pair<int, int>>& consumers)
{
    build(game, POWER_SUPPLY, x, y);
    buildFuelledGenerator(game, x, y + 1);
    game.powerLinks.push_back(Link{x, y + 1, x, y});
    for (const auto& [cx, cy] : consumers)
        game.dcLinks.push_back(Link{x, y, cx, cy});
}
