#pragma once

#include <vector>

#include "world/cargo_item.h"

class Game;

// Where the items of a world stand, tile by tile, from one pass over the
// item list. Views that ask about every tile or item in a frame build one and
// share it between their queries. It refers to the world's item list, so it
// is only good while that world lives and its items do not change.
class TileItemIndex {
  public:
    explicit TileItemIndex(const Game& game);

    // Items whose tile is (x, y), on the ground (layer 0) or above it.
    int groundCount(int x, int y) const;
    int raisedCount(int x, int y) const;
    // The first such ground item in list order, or null.
    const CargoItem* firstGroundItem(int x, int y) const;
    // Some item stands on (x, y), in either layer.
    bool anyAt(int x, int y) const { return groundCount(x, y) + raisedCount(x, y) > 0; }
    // As Game::hasRoomOnTile with no item of its own, for a tile inside the grid.
    bool hasRoom(int x, int y) const;

  private:
    struct Cell {
        int groundCount = 0;
        int raisedCount = 0;
        int firstGround = -1;
        bool roomTaken = false;
        bool underDeck = false;
    };

    void addItem(const Game& game, int position);
    void takeRoom(const Game& game, const CargoItem& item, int x, int y);

    const std::vector<CargoItem>& items_;
    std::vector<Cell> cells_;
};

// The item questions of one status or warning query: answered from a shared
// index when the caller has one, else by walking the item list.
struct ItemLookup {
    const Game& game;
    const TileItemIndex* index = nullptr;

    bool anyAt(int x, int y) const;
    bool hasRoom(int x, int y) const;
    const CargoItem* firstGroundItem(int x, int y) const;
};
