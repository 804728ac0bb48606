#include "simulation/world_layout.h"

#include <algorithm>

#include "machines/arm_control.h"
#include "simulation/item_transport.h"
#include "simulation/step_tables.h"
#include "world/game.h"

namespace {

// Tiles whose work or state the step's tile scan looks at.
bool isScanned(ControlType t)
{
    switch (t) {
    case SENSOR:
    case LOGIC_COUNTER:
    case STORAGE:
    case COAL_GENERATOR:
    case OVEN:
    case SMELTER:
    case FILLER:
    case INJECTION_MOLDER:
    case WATER_SOURCE:
        return true;
    default:
        return false;
    }
}

bool isProducingMachine(ControlType t) { return t == OVEN || t == SMELTER || t == FILLER || t == INJECTION_MOLDER; }

void listTile(WorldLayout& layout, int index, ControlType type)
{
    if (isScanned(type)) layout.scanned.push_back(index);
    if (type == ARM || type == LONG_ARM) layout.arms.push_back(index);
    if (type == EJECTOR) layout.ejectors.push_back(index);
    if (isProducingMachine(type)) layout.producers.push_back(index);
    if (type == STORAGE) layout.storages.push_back(index);
    if (type == SOURCE) layout.sources.push_back(index);
    if (type == TUNNEL) layout.tunnels.push_back(index);
    if (runsOnlyWithPower(type)) layout.powerGated.push_back(index);
}

bool feedsJunction(ControlType t) { return t == BELT || t == SOURCE || t == TUNNEL_EXIT; }

bool isJunction(const Game& game, int x, int y)
{
    int feeders = 0;
    for (Direction d = NORTH; d <= WEST; ++d) {
        const int fx = x - directionDx(d);
        const int fy = y - directionDy(d);
        if (!inGrid(fx, fy)) continue;
        const Tile& feeder = game.tileAt(fx, fy);
        if (feedsJunction(feeder.type) && feeder.dir == d) ++feeders;
    }
    return feeders >= 2;
}

// What MovePlanner::trySideExits looks for around a tile, without the arm's,
// distributor's or mixer's state.
bool hasSideExit(const Game& game, int x, int y)
{
    for (Direction d = NORTH; d <= WEST; ++d) {
        for (int reach = 1; reach <= LONG_ARM_REACH; ++reach) {
            const int ax = x + directionDx(d) * reach;
            const int ay = y + directionDy(d) * reach;
            if (!inGrid(ax, ay)) continue;
            const Tile& tile = game.tileAt(ax, ay);
            if (armReach(tile.type) == reach) return true;
            if (reach == 1 && tile.type == DISTRIBUTOR && tile.dir == d) return true;
            if (reach == 1 && (tile.type == MIXER || tile.type == MIXER_SECOND)) return true;
        }
    }
    return false;
}

// Game::ejectorForBelt without the ejector's switch.
bool mayBeServedByEjector(const Game& game, int x, int y)
{
    if (game.tileAt(x, y).type != BELT) return false;
    for (Direction d = NORTH; d <= WEST; ++d) {
        if (game.ejectorBehindBelt(x, y, d) >= 0) return true;
    }
    return false;
}

}  // namespace

bool WorldLayout::matches(const Game& game) const
{
    if (kinds.size() != game.tiles.size()) return false;
    // The kind leads each large tile record: fetched ahead, the walk does
    // not wait on memory tile by tile.
    constexpr std::size_t FETCH_AHEAD = 16;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (i + FETCH_AHEAD < kinds.size()) __builtin_prefetch(&game.tiles[i + FETCH_AHEAD]);
        if (!(kindOf(game.tiles[i]) == kinds[i])) return false;
    }
    return powerLinks == game.powerLinks && dcLinks == game.dcLinks && switchWires == game.signalControlLinks &&
           measureWires == game.signalMeasureLinks;
}

void WorldLayout::build(const Game& game)
{
    kinds.clear();
    bridgeTiles.clear();
    types.clear();
    for (const Tile& tile : game.tiles) {
        kinds.push_back(kindOf(tile));
        bridgeTiles.push_back(tile.bridgePart >= 0 ? 1 : 0);
        types.push_back(static_cast<std::uint8_t>(tile.type));
    }
    powerLinks = game.powerLinks;
    dcLinks = game.dcLinks;
    switchWires = game.signalControlLinks;
    measureWires = game.signalMeasureLinks;
    for (std::vector<int>* list : {&scanned, &arms, &ejectors, &producers, &storages, &sources, &tunnels, &powerGated})
        list->clear();
    for (int i = 0; i < static_cast<int>(game.tiles.size()); ++i)
        listTile(*this, i, game.tiles[static_cast<std::size_t>(i)].type);
    junctions.assign(TILE_COUNT, 0);
    sideExits.assign(TILE_COUNT, 0);
    for (int i = 0; i < TILE_COUNT; ++i) {
        junctions[static_cast<std::size_t>(i)] = isJunction(game, i % GRID_WIDTH, i / GRID_WIDTH) ? 1 : 0;
        sideExits[static_cast<std::size_t>(i)] = hasSideExit(game, i % GRID_WIDTH, i / GRID_WIDTH) ? 1 : 0;
    }
    ejectorBelts.assign(TILE_COUNT, 0);
    for (int i : ejectors) {
        const Direction d = game.tiles[static_cast<std::size_t>(i)].dir;
        const int x = i % GRID_WIDTH + directionDx(d);
        const int y = i / GRID_WIDTH + directionDy(d);
        if (isCompassDirection(d) && inGrid(x, y) && mayBeServedByEjector(game, x, y))
            ejectorBelts[static_cast<std::size_t>(tileIndex(x, y))] = 1;
    }
    markArmApproaches(*this, armApproaches);
    buildNetworkLayout(game, network);
}

bool WorldLayout::isAllPowered(const Game& game) const
{
    return std::all_of(powerGated.begin(), powerGated.end(),
                       [&game](int index) { return game.tiles[static_cast<std::size_t>(index)].powerSupplied; });
}

bool WorldLayout::isSupplied(const Game& game, std::size_t index) { return game.tiles[index].powerSupplied; }

bool WorldLayout::powerStopsItem(const Game& game, const CargoItem& item) { return game.isItemPowerStopped(item); }

WorldLayout::TileKind WorldLayout::kindOf(const Tile& tile)
{
    return {tile.type,           tile.dir,           tile.bridgePart, tile.bridgeDir, tile.beltSpeed,
            tile.tunnelPartnerX, tile.tunnelPartnerY};
}

WorldLayout::TileKind WorldLayout::deckKind(const Game& game, std::size_t index)
{
    return kindOf(game.deckTiles[index]);
}

const WorldLayout& Game::currentLayout()
{
    WorldLayout& layout = tables_.get().layout;
    if (!layout.trusted && !layout.matches(*this)) layout.build(*this);
    return layout;
}
