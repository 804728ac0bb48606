#pragma once

#include <vector>

#include "world/cargo_item.h"
#include "world/geometry.h"

// Items filed by the tile their position lies on (positions off the map go to
// the nearest edge tile), kept current as they move, so that a moving item
// looks only at the items near it instead of at the whole list. Items inside
// a tunnel meet nothing on the map and are left out: a long tunnel holds
// hundreds of them on its entrance tile.
// Tiles x = left .. right, y = top .. bottom.
struct TileRect {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
};

class ItemCells {
  public:
    // The tiles collect visits for the box: positions off the map count at the nearest edge.
    static TileRect cellsOf(float x0, float x1, float y0, float y1)
    {
        return {clampedCoordinate(x0, GRID_WIDTH), clampedCoordinate(y0, GRID_HEIGHT),
                clampedCoordinate(x1, GRID_WIDTH), clampedCoordinate(y1, GRID_HEIGHT)};
    }
    // The tile the item is filed under, or -1.
    int cellOfItem(int index) const { return cell_[static_cast<std::size_t>(index)]; }
    // Files every item anew, apart from those inside a tunnel.
    void build(const std::vector<CargoItem>& items);
    // Files the item again after its position changed.
    void refile(int index, const CargoItem& item);
    // Appends to out (cleared first) every item whose position may lie in the
    // box; the caller tests the exact bounds.
    void collect(float x0, float x1, float y0, float y1, std::vector<int>& out) const;

  private:
    void link(int index, int cell);
    void unlink(int index);

    std::vector<int> head_;  // per tile: first item filed there, -1 none
    std::vector<int> next_;  // per item
    std::vector<int> prev_;  // per item
    std::vector<int> cell_;  // per item: the tile it is filed under
};
