#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "world/game.h"

// Small helpers that tests use to build worlds.

// Writes a fresh control of the type straight onto the ground tile, facing
// dir, as the map reader would: no placement rules are asked.
inline Tile& setTile(Game& game, int x, int y, ControlType type, Direction dir = NONE)
{
    Tile& tile = game.tileAt(x, y);
    tile = Tile{};
    tile.type = type;
    tile.dir = dir;
    return tile;
}

// A bridge running east over (x, y): ramps on both sides, a belt deck above the middle.
void buildBridgeEast(Game& game, int x, int y);

// An item whose position lies anywhere, on the tile that position lies on.
CargoItem& itemAtPosition(Game& game, float px, float py, Direction heading, CargoType cargo = LOG);

// A game whose map holds nothing at all (no starter source or sink).
Game emptyGame();

// A world the game made always saves and reads back: fails the test otherwise.
void expectMapReadsBack(const Game& game);

// Builds a control through its own place operation, giving producers a
// machine id as the build tool does. Fails the test when place refuses.
Tile& build(Game& game, ControlType type, int x, int y);

// Lays a belt (or a run of belts) facing dir, as the belt tool does.
Tile& layBelt(Game& game, int x, int y, Direction dir, int speed = 3);
void layBeltRun(Game& game, int x, int y, Direction dir, int length, int speed = 3);

// A clockwise loop of belts, four tiles wide and three high, its top left corner at (x, y).
void layBeltLoop(Game& game, int x, int y);

// A tunnel from the entrance (x1, y1) to the exit (x2, y2), the exit facing exitDir.
void layTunnel(Game& game, int x1, int y1, int x2, int y2, Direction exitDir);

// Supplies the control at (x, y) with power, as the network refresh would.
void supplyPower(Game& game, int x, int y);

// One belt step as the time skip runs it: the three passes, then every free
// item back on its tile centre.
void runBeltStep(Game& game);

// Runs Game::update (and the clock, as the main loop does) until the
// predicate holds; returns the steps taken, or -1 when it never held.
int runUntil(Game& game, int maxSteps, const std::function<bool(const Game&)>& done, float dt = 1.0f / 60.0f);

// Runs the given simulated seconds in steps of dt.
void runFor(Game& game, float seconds, float dt = 1.0f / 60.0f);

// A kiln at (x, y) facing dir with one finished coal waiting.
Tile& kilnWithCoal(Game& game, int x, int y, Direction dir);

// A coal generator, switched on with a full coal store.
Tile& buildFuelledGenerator(Game& game, int x, int y);

// A 5V supply at (x, y) cabled to a running generator just below it, and a
// 5V cable from the supply to each of the given tiles.
void feed5V(Game& game, int x, int y, const std::vector<std::pair<int, int>>& consumers);
