#include "simulation/room_index.h"

#include <algorithm>
#include <cmath>

#include "world/game.h"

void RoomIndex::filePositions(const Game& game)
{
    byPosition_.start();
    auto file = [&](std::size_t i) {
        const CargoItem& item = game.items[i];
        // An item less than a tile from a tile centre rounds to that tile or a neighbour.
        if (!std::isnan(item.posX) && !std::isnan(item.posY)) {
            byPosition_.file(
                tileIndex(clampedCoordinate(item.posX, GRID_WIDTH), clampedCoordinate(item.posY, GRID_HEIGHT)),
                static_cast<int>(i));
        }
    };
    if (tunnels_ != nullptr) {
        tunnels_->forEachOutside(game.items.size(), file);
    } else {
        for (std::size_t i = 0; i < game.items.size(); ++i)
            file(i);
    }
    byPosition_.finish();
    positionsFiled_ = true;
}

const TileItemLists& RoomIndex::pathPoints(const Game& game)
{
    if (pathsFiled_) return byPath_;
    byPath_.start();
    auto file = [&](std::size_t i) {  // the items at rest in tunnels have no path
        for (const PathPoint& p : game.items[i].path) {
            if (inGrid(p.x, p.y)) byPath_.file(tileIndex(p.x, p.y), static_cast<int>(i));
        }
    };
    if (tunnels_ != nullptr) {
        tunnels_->forEachOutside(game.items.size(), file);
    } else {
        for (std::size_t i = 0; i < game.items.size(); ++i)
            file(i);
    }
    byPath_.finish();
    pathsFiled_ = true;
    return byPath_;
}

bool RoomIndex::hasRoomOnTile(const Game& game, int x, int y, const CargoItem* self)
{
    if (!inGrid(x, y)) return game.hasRoomOnTile(x, y, self);
    if (!positionsFiled_) filePositions(game);
    const TileItemLists& byPath = pathPoints(game);
    const bool underDeck = game.tileAt(x, y).bridgePart == BRIDGE_DECK;
    auto blockedBy = [&](const int* first, const int* last) {
        return std::any_of(first, last, [&](int j) {
            const CargoItem& other = game.items[static_cast<std::size_t>(j)];
            return &other != self && game.takesRoomOnTile(other, x, y, underDeck);
        });
    };
    for (int ty = std::max(y - 1, 0); ty <= std::min(y + 1, GRID_HEIGHT - 1); ++ty) {
        for (int tx = std::max(x - 1, 0); tx <= std::min(x + 1, GRID_WIDTH - 1); ++tx) {
            if (blockedBy(byPosition_.begin(tileIndex(tx, ty)), byPosition_.end(tileIndex(tx, ty)))) return false;
        }
    }
    const int tile = tileIndex(x, y);
    if (blockedBy(byPath.begin(tile), byPath.end(tile))) return false;
    // An item at rest in a tunnel stands on its entrance's centre, away from bridges.
    return tunnels_ == nullptr || tunnels_->othersOn(game, tile, self) == 0;
}
