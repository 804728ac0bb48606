#include "machines/pair_placement.h"

#include "machines/placement.h"
#include "world/tile.h"

namespace {

struct Position {
    int x;
    int y;
};

// The second tile lies on the clockwise side of the pair's direction.
Position secondOf(Position main, Direction dir)
{
    const Direction side = clockwiseDirection(dir);
    return {main.x + directionDx(side), main.y + directionDy(side)};
}

// A click on a second tile stands for its main tile.
Position mainPosition(const ControlGrid& grid, Position clicked, ControlType secondType)
{
    const Tile& tile = grid.tileAt(clicked.x, clicked.y);
    if (tile.type != secondType) return clicked;
    const Direction side = clockwiseDirection(tile.dir);
    return {clicked.x - directionDx(side), clicked.y - directionDy(side)};
}

bool holdsType(const ControlGrid& grid, Position p, ControlType type)
{
    return grid.inBounds(p.x, p.y) && grid.tileAt(p.x, p.y).type == type;
}

bool isFree(const ControlGrid& grid, Position p) { return isFreeForBuilding(grid, p.x, p.y); }

// Turning: the old second tile must be clear of items, the new one free.
bool canTurn(const ControlGrid& grid, Position main, Direction oldDir, Direction newDir)
{
    if (!isCompassDirection(oldDir)) return false;
    if (grid.itemAt(main.x, main.y)) return false;
    const Position oldSecond = secondOf(main, oldDir);
    if (grid.itemAt(oldSecond.x, oldSecond.y)) return false;
    return isFree(grid, secondOf(main, newDir));
}

bool canBuild(const ControlGrid& grid, Position main)
{
    return isFree(grid, main) && isFree(grid, secondOf(main, EAST));
}

}  // namespace

bool placePair(ControlGrid& grid, int x, int y, PairTypes types, CarryPairSettings carry)
{
    if (!grid.inBounds(x, y) || grid.tileAt(x, y).bridgePart >= 0) return false;
    const Position main = mainPosition(grid, {x, y}, types.second);
    if (!grid.inBounds(main.x, main.y)) return false;

    const Tile old = grid.tileAt(main.x, main.y);
    const bool turning = old.type == types.main;
    if (!turning && old.type != EMPTY) return false;
    const Direction newDir = turning ? clockwiseDirection(old.dir) : EAST;
    if (turning ? !canTurn(grid, main, old.dir, newDir) : !canBuild(grid, main)) return false;

    if (turning) {
        // Only a real second tile is cleared; anything else there stays.
        const Position oldSecond = secondOf(main, old.dir);
        if (holdsType(grid, oldSecond, types.second)) grid.tileAt(oldSecond.x, oldSecond.y) = Tile{};
    }
    writeFreshTile(grid, main.x, main.y, types.main, newDir);
    carry(old, grid.tileAt(main.x, main.y));
    const Position newSecond = secondOf(main, newDir);
    writeFreshTile(grid, newSecond.x, newSecond.y, types.second, newDir);
    return true;
}

bool removePair(ControlGrid& grid, int x, int y, PairTypes types)
{
    if (!grid.inBounds(x, y)) return false;
    const Position main = mainPosition(grid, {x, y}, types.second);
    if (!holdsType(grid, main, types.main)) return false;
    const Position second = secondOf(main, grid.tileAt(main.x, main.y).dir);
    // A second tile is cleared only where the pair really has one.
    const bool secondBelongs = holdsType(grid, second, types.second);
    grid.removeItemsAt(main.x, main.y);
    if (secondBelongs) grid.removeItemsAt(second.x, second.y);
    grid.tileAt(main.x, main.y) = Tile{};
    if (secondBelongs) grid.tileAt(second.x, second.y) = Tile{};
    return true;
}
