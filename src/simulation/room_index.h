#pragma once

#include "simulation/tile_item_lists.h"
#include "simulation/tunnel_item_index.h"
#include "world/geometry.h"

class Game;
struct CargoItem;

// Answers Game::hasRoomOnTile from the items filed by the tile their position
// rounds to (held inside the map) and by the tiles of their path points,
// instead of from the whole item list. Good for one phase in which no item
// moves, gains path points or comes into being; filed on first need. The
// items at rest in tunnels are not filed: the tunnel index answers for them.
class RoomIndex {
  public:
    // Forgets the filing; the next question files the items afresh.
    void reset()
    {
        positionsFiled_ = false;
        pathsFiled_ = false;
    }
    void answerForTunnels(TunnelItemIndex& tunnels) { tunnels_ = &tunnels; }
    void reserve()
    {
        byPosition_.reserve();
        byPath_.reserve();
    }
    bool hasRoomOnTile(const Game& game, int x, int y, const CargoItem* self);
    // Whether the test holds for some item whose position may lie in the box
    // x0 .. x1, y0 .. y1; the test itself checks the exact bounds. Items
    // without a position (NaN) are never visited.
    template <typename Test> bool anyNear(const Game& game, float x0, float x1, float y0, float y1, Test test)
    {
        if (!positionsFiled_) filePositions(game);
        const int right = clampedCoordinate(x1, GRID_WIDTH);
        const int bottom = clampedCoordinate(y1, GRID_HEIGHT);
        for (int ty = clampedCoordinate(y0, GRID_HEIGHT); ty <= bottom; ++ty) {
            for (int tx = clampedCoordinate(x0, GRID_WIDTH); tx <= right; ++tx) {
                const int tile = tileIndex(tx, ty);
                for (const int* j = byPosition_.begin(tile); j != byPosition_.end(tile); ++j) {
                    if (test(*j)) return true;
                }
                if (tunnels_ != nullptr && tunnels_->anyOn(tile, test)) return true;
            }
        }
        return false;
    }
    // Per tile: the items with a path point on it, in list order.
    const TileItemLists& pathPoints(const Game& game);

  private:
    void filePositions(const Game& game);

    TunnelItemIndex* tunnels_ = nullptr;
    TileItemLists byPosition_;
    TileItemLists byPath_;
    bool positionsFiled_ = false;
    bool pathsFiled_ = false;
};
