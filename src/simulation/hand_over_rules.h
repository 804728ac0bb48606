#pragma once

#include <bitset>
#include <cstdlib>

#include "simulation/room_index.h"
#include "simulation/world_layout.h"
#include "world/game.h"

// The rules that decide whether an item may pass from one tile to the next.

// Where the arm that carries the item will set it down; false when no arm
// carries it or that tile lies off the map.
bool carriedItemDropTile(const Game& game, const CargoItem& item, int& dropX, int& dropY);

// The item has gone deeper into a tunnel than its entrance slot: it stands on no tile.
inline bool isInsideTunnel(const Game& game, const WorldLayout& layout, const CargoItem& item)
{
    if (item.tunnelProgress <= 0) return false;
    const WorldLayout::TileKind tile = layout.kindUnder(game, item);
    if (tile.type != TUNNEL) return false;
    const int depth = std::abs(item.x - tile.tunnelPartnerX) + std::abs(item.y - tile.tunnelPartnerY);
    return item.tunnelProgress <= depth;
}

// The ground node of a tile and the node that a layer and tile make.
inline int groundNode(int x, int y) { return tileIndex(x, y); }
inline int itemNode(const CargoItem& item) { return (item.layer == 1 ? TILE_COUNT : 0) + tileIndex(item.x, item.y); }

// The tile of a node: the deck tile for the second layer, else the ground tile.
const Tile& nodeTile(const Game& game, int node);
Tile& nodeTile(Game& game, int node);

// May an item travelling in direction d enter the tile. An item running
// against a bridge deck is refused; one crossing under it asks the ground.
bool canEnterFrom(const Game& game, int x, int y, Direction d, CargoType cargo);

// The two halves of a mixer and its output tile, found from either half.
struct MixerTiles {
    int mainX;
    int mainY;
    int secondX;
    int secondY;
    int outX;
    int outY;
    Direction dir;
};
MixerTiles mixerTilesOf(int x, int y, const Tile& half);

// Moves a mixer's merge cycle on by one entry through the half at (x, y).
void advanceMixerEntry(Game& game, int x, int y);

// An arm wired to a switch works only when the signal lets it.
bool armSignalAllows(const Game& game, int x, int y, const Tile& arm);
// A single-job arm wired to a switch uses up one job when it takes an item.
void useArmJob(const Game& game, int x, int y, Tile& arm);

// The rules of one belt-step call, bound to its occupancy and arm drop maps.
class HandOverRules {
  public:
    HandOverRules(const Game& game, const int* occupancy, const int* armDrops, RoomIndex& room, bool followUp)
        : game_(game), occupancy_(occupancy), armDrops_(armDrops), room_(room), followUp_(followUp)
    {
    }

    // May the item waiting behind the mixer half at (x, y) enter it now.
    bool mixerRightOfWay(int x, int y, Direction d, CargoType cargo) const;
    // May the arm at (x, y) take the item now, to drop it reach tiles along d.
    bool armDropTarget(int x, int y, Direction d, const CargoItem& item) const;

  private:
    struct MixerEntry {
        int x;  // the entered half
        int y;
        Direction dir;
        int outX;  // the mixer's output tile
        int outY;
    };

    // Holds the tile at (px, py) an item that is ready to enter the mixer.
    bool mixerFeederReady(int px, int py, const MixerEntry& entry) const;
    int occupant(int x, int y) const { return occupancy_[groundNode(x, y)]; }

    const Game& game_;
    const int* occupancy_;
    const int* armDrops_;
    RoomIndex& room_;
    bool followUp_;
};

// Where a machine may put its product: bound to the producing tile, its
// product and the tiles already served in this output pass.
class OutputTargetRule {
  public:
    OutputTargetRule(const Game& game, const std::bitset<TILE_COUNT>& blocked, int machineX, int machineY,
                     CargoType cargo)
        : game_(game), blocked_(blocked), machineX_(machineX), machineY_(machineY), cargo_(cargo)
    {
    }

    // May the product go to (tx, ty); a storage's product onto a belt also
    // learns where it starts and its step phase.
    bool accepts(int tx, int ty);

    float entryX = 0.0f;
    float entryY = 0.0f;
    int entryPhase = 0;
    bool searchedEntry = false;  // the belt entry search ran and found room

  private:
    bool isBlocked(int x, int y) const { return blocked_.test(static_cast<std::size_t>(tileIndex(x, y))); }
    bool armTakes(int tx, int ty, const Tile& arm) const;
    bool mixerHasWayOut(int tx, int ty, const Tile& half) const;

    const Game& game_;
    const std::bitset<TILE_COUNT>& blocked_;
    int machineX_;
    int machineY_;
    CargoType cargo_;
};
