#include "simulation/room_index.h"

#include <algorithm>
#include <cmath>

#include "world/game.h"

namespace {

int clampedTile(float position, int size) { return std::clamp(tileCoordinate(position), 0, size - 1); }

}  // namespace

void RoomIndex::file(const Game& game)
{
    byPosition_.start();
    byPath_.start();
    for (int i = 0; i < static_cast<int>(game.items.size()); ++i) {
        const CargoItem& item = game.items[static_cast<std::size_t>(i)];
        // An item less than a tile from a tile centre rounds to that tile or a neighbour.
        if (!std::isnan(item.posX) && !std::isnan(item.posY)) {
            byPosition_.file(tileIndex(clampedTile(item.posX, GRID_WIDTH), clampedTile(item.posY, GRID_HEIGHT)), i);
        }
        for (const PathPoint& p : item.path) {
            if (inGrid(p.x, p.y)) byPath_.file(tileIndex(p.x, p.y), i);
        }
    }
    byPosition_.finish();
    byPath_.finish();
    filed_ = true;
}

bool RoomIndex::hasRoomOnTile(const Game& game, int x, int y, const CargoItem* self)
{
    if (!inGrid(x, y)) return game.hasRoomOnTile(x, y, self);
    if (!filed_) file(game);
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
    return !blockedBy(byPath_.begin(tile), byPath_.end(tile));
}
