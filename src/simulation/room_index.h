#pragma once

#include "simulation/tile_item_lists.h"

class Game;
struct CargoItem;

// Answers Game::hasRoomOnTile from the items filed by the tile their position
// rounds to (held inside the map) and by the tiles of their path points,
// instead of from the whole item list. Good for one phase in which no item
// moves, gains path points or comes into being; filed on first need.
class RoomIndex {
  public:
    // Forgets the filing; the next question files the items afresh.
    void reset()
    {
        positionsFiled_ = false;
        pathsFiled_ = false;
    }
    void reserve()
    {
        byPosition_.reserve();
        byPath_.reserve();
    }
    bool hasRoomOnTile(const Game& game, int x, int y, const CargoItem* self);
    // Per tile: the items with a path point on it, in list order.
    const TileItemLists& pathPoints(const Game& game);

  private:
    void filePositions(const Game& game);

    TileItemLists byPosition_;
    TileItemLists byPath_;
    bool positionsFiled_ = false;
    bool pathsFiled_ = false;
};
