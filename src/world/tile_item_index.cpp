#include "world/tile_item_index.h"

#include <cmath>

#include "world/game.h"

namespace {

// An item takes room on every tile whose centre lies less than one tile from it on both axes.
bool squareCovers(const CargoItem& item, int x, int y)
{
    return std::fabs(item.posX - static_cast<float>(x)) < 1.0f && std::fabs(item.posY - static_cast<float>(y)) < 1.0f;
}

// Far-off or broken positions cover no tile; this also keeps the casts below in range.
bool nearTheGrid(float position, int size) { return position > -2.0f && position < static_cast<float>(size + 1); }

}  // namespace

TileItemIndex::TileItemIndex(const Game& game) : items_(game.items), cells_(TILE_COUNT)
{
    // Tiles are large records: read each once, in order, rather than once per item square.
    for (std::size_t i = 0; i < cells_.size(); ++i)
        cells_[i].underDeck = game.tiles[i].bridgePart == BRIDGE_DECK;
    for (int position = 0; position < static_cast<int>(items_.size()); ++position)
        addItem(game, position);
}

void TileItemIndex::addItem(const Game& game, int position)
{
    const CargoItem& item = items_[static_cast<std::size_t>(position)];
    if (inGrid(item.x, item.y)) {
        Cell& cell = cells_[static_cast<std::size_t>(tileIndex(item.x, item.y))];
        if (item.layer == 0) {
            if (cell.groundCount++ == 0) cell.firstGround = position;
        } else {
            ++cell.raisedCount;
        }
    }

    if (nearTheGrid(item.posX, GRID_WIDTH) && nearTheGrid(item.posY, GRID_HEIGHT)) {
        const int left = static_cast<int>(std::floor(item.posX));
        const int top = static_cast<int>(std::floor(item.posY));
        // Only the tiles at the floor of the position and one past it can lie closer than one tile.
        for (int y = top; y <= top + 1; ++y) {
            for (int x = left; x <= left + 1; ++x) {
                if (squareCovers(item, x, y)) takeRoom(game, item, x, y);
            }
        }
    }
    for (const PathPoint& p : item.path)
        takeRoom(game, item, p.x, p.y);
}

// Items riding over a bridge do not stand on the ground beneath its deck.
void TileItemIndex::takeRoom(const Game& game, const CargoItem& item, int x, int y)
{
    if (!inGrid(x, y)) return;
    Cell& cell = cells_[static_cast<std::size_t>(tileIndex(x, y))];
    if (cell.underDeck && (item.layer == 1 || game.isItemOnDeck(item))) return;
    cell.roomTaken = true;
}

int TileItemIndex::groundCount(int x, int y) const
{
    return inGrid(x, y) ? cells_[static_cast<std::size_t>(tileIndex(x, y))].groundCount : 0;
}

int TileItemIndex::raisedCount(int x, int y) const
{
    return inGrid(x, y) ? cells_[static_cast<std::size_t>(tileIndex(x, y))].raisedCount : 0;
}

const CargoItem* TileItemIndex::firstGroundItem(int x, int y) const
{
    if (!inGrid(x, y)) return nullptr;
    const int position = cells_[static_cast<std::size_t>(tileIndex(x, y))].firstGround;
    return position < 0 ? nullptr : &items_[static_cast<std::size_t>(position)];
}

bool TileItemIndex::hasRoom(int x, int y) const
{
    return !inGrid(x, y) || !cells_[static_cast<std::size_t>(tileIndex(x, y))].roomTaken;
}

bool ItemLookup::anyAt(int x, int y) const { return index ? index->anyAt(x, y) : game.itemAt(x, y); }

bool ItemLookup::hasRoom(int x, int y) const
{
    return index ? index->hasRoom(x, y) : game.hasRoomOnTile(x, y, nullptr);
}

const CargoItem* ItemLookup::firstGroundItem(int x, int y) const
{
    if (index) return index->firstGroundItem(x, y);
    for (const CargoItem& item : game.items) {
        if (item.x == x && item.y == y && item.layer == 0) return &item;
    }
    return nullptr;
}
