#include "simulation/network_layout.h"

#include <algorithm>

#include "simulation/cable_groups.h"
#include "simulation/switching_table.h"
#include "world/game.h"

namespace {

void rootsOf(const std::vector<Link>& cables, std::vector<int>& roots)
{
    std::vector<int> parent;
    groupByCables(cables, parent);
    roots.resize(TILE_COUNT);
    for (int i = 0; i < TILE_COUNT; ++i)
        roots[static_cast<std::size_t>(i)] = cableRoot(parent, i);
}

void sortUnique(std::vector<int>& values)
{
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

// A 5V supply draws through its own cable; every other consumer through the
// poles around it, each network once, lowest root first.
void addReachingRoots(const Game& game, int consumer, NetworkLayout& layout)
{
    std::vector<int> roots;
    if (game.tiles[static_cast<std::size_t>(consumer)].type == POWER_SUPPLY) {
        roots.push_back(layout.powerRoot[static_cast<std::size_t>(consumer)]);
    } else {
        for (int pole : game.polesCovering(consumer % GRID_WIDTH, consumer / GRID_WIDTH)) {
            roots.push_back(layout.powerRoot[static_cast<std::size_t>(pole)]);
        }
        sortUnique(roots);
    }
    layout.reachRoots.insert(layout.reachRoots.end(), roots.begin(), roots.end());
    layout.reachStart.push_back(static_cast<int>(layout.reachRoots.size()));
}

// The second tile of a distributor or mixer shows its main tile's power.
int secondTileOf(const Tile& tile, int index)
{
    if (tile.type != DISTRIBUTOR && tile.type != MIXER) return -1;
    const int x = index % GRID_WIDTH + pairStepX(tile);
    const int y = index / GRID_WIDTH + pairStepY(tile);
    return inGrid(x, y) ? tileIndex(x, y) : -1;
}

void buildPower(const Game& game, NetworkLayout& layout)
{
    rootsOf(game.powerLinks, layout.powerRoot);
    layout.reachStart.assign(1, 0);
    for (int i = 0; i < TILE_COUNT; ++i) {
        const Tile& tile = game.tiles[static_cast<std::size_t>(i)];
        if (isPowerNetworkType(tile.type)) {
            layout.networkTiles.push_back(i);
            layout.powerRoots.push_back(layout.powerRoot[static_cast<std::size_t>(i)]);
        }
        if (tile.type == COAL_GENERATOR) layout.generators.push_back(i);
        if (!isPowerConsumerType(tile.type)) continue;
        layout.consumers.push_back(i);
        addReachingRoots(game, i, layout);
        layout.shownOn.push_back(secondTileOf(tile, i));
    }
    sortUnique(layout.powerRoots);
    layout.powerTiles = layout.networkTiles;
    layout.powerTiles.insert(layout.powerTiles.end(), layout.consumers.begin(), layout.consumers.end());
    for (int second : layout.shownOn) {
        if (second >= 0) layout.powerTiles.push_back(second);
    }
    sortUnique(layout.powerTiles);
}

// Tiles of 5V networks and every tile a 5V cable joins to another.
void buildDc(const Game& game, NetworkLayout& layout)
{
    rootsOf(game.dcLinks, layout.dcRoot);
    std::vector<int> groupSize(TILE_COUNT, 0);
    for (int root : layout.dcRoot)
        ++groupSize[static_cast<std::size_t>(root)];
    layout.dcConsumers.assign(TILE_COUNT, 0);
    for (int i = 0; i < TILE_COUNT; ++i) {
        const ControlType type = game.tiles[static_cast<std::size_t>(i)].type;
        const int root = layout.dcRoot[static_cast<std::size_t>(i)];
        if (type == POWER_SUPPLY) layout.supplies.push_back(i);
        if (isSignalType(type)) ++layout.dcConsumers[static_cast<std::size_t>(root)];
        if (isDcNetworkType(type) || groupSize[static_cast<std::size_t>(root)] > 1) layout.dcTiles.push_back(i);
    }
}

// Per logic tile, the wire feeding each input; a valid wire set has one at most.
void findInputWires(const Game& game, NetworkLayout& layout)
{
    layout.inputWireA.assign(TILE_COUNT, -1);
    layout.inputWireB.assign(TILE_COUNT, -1);
    const std::vector<Link>& wires = game.signalControlLinks;
    for (int w = 0; w < static_cast<int>(wires.size()); ++w) {
        const int target = tileIndex(wires[static_cast<std::size_t>(w)].x1, wires[static_cast<std::size_t>(w)].y1);
        if (!isLogicType(game.tiles[static_cast<std::size_t>(target)].type)) continue;
        (wires[static_cast<std::size_t>(w)].input == 0 ? layout.inputWireA
                                                       : layout.inputWireB)[static_cast<std::size_t>(target)] = w;
    }
}

void buildSignals(const Game& game, NetworkLayout& layout)
{
    layout.switchWireEnds.assign(TILE_COUNT, 0);
    for (const Link& wire : game.signalControlLinks) {
        if (inGrid(wire.x1, wire.y1)) layout.switchWireEnds[static_cast<std::size_t>(tileIndex(wire.x1, wire.y1))] = 1;
    }
    layout.hasLogic = false;
    for (int i = 0; i < TILE_COUNT; ++i) {
        const ControlType type = game.tiles[static_cast<std::size_t>(i)].type;
        if (type == SENSOR) layout.sensors.push_back(i);
        if (isLogicType(type)) layout.hasLogic = true;
        const bool switchable = type == DISTRIBUTOR || isArm(type);
        if (switchable && layout.switchWireEnds[static_cast<std::size_t>(i)] == 0) layout.releasedTiles.push_back(i);
    }
    groupWiresByTile(game.signalControlLinks, layout.switchWiresBySource);
    groupWiresByTile(game.signalMeasureLinks, layout.measureWiresBySource);
    layout.signalsValid =
        layout.hasLogic && Game::validateSignalLinks(game.tiles, game.signalControlLinks, layout.evaluationOrder);
    if (layout.signalsValid) findInputWires(game, layout);
}

}  // namespace

void buildNetworkLayout(const Game& game, NetworkLayout& layout)
{
    layout = NetworkLayout{};
    buildPower(game, layout);
    buildDc(game, layout);
    buildSignals(game, layout);
}
