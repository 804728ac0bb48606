#include "machines/arm_control.h"

#include "machines/placement.h"

namespace {

constexpr float HALF_PI = 1.57079632679f;
constexpr float PI = 3.14159265359f;

// y grows downwards, so north points at -pi/2.
float angleOf(Direction d)
{
    constexpr float ANGLES[4] = {-HALF_PI, 0.0f, HALF_PI, PI};
    return isCompassDirection(d) ? ANGLES[d - 1] : 0.0f;
}

bool isHorizontal(const Tile& arm) { return arm.dir == EAST; }

bool isBeltAt(const ControlGrid& grid, int x, int y) { return grid.inBounds(x, y) && grid.tileAt(x, y).type == BELT; }

// Points the hand at the back belt when only that end has one, else forward.
float aimAngle(const ControlGrid& grid, int x, int y, bool horizontal, int reach)
{
    const int dx = horizontal ? reach : 0;
    const int dy = horizontal ? 0 : reach;
    const float base = horizontal ? 0.0f : HALF_PI;
    const bool beltBehind = isBeltAt(grid, x - dx, y - dy);
    const bool beltAhead = isBeltAt(grid, x + dx, y + dy);
    return beltBehind && !beltAhead ? base + PI : base;
}

}  // namespace

bool ArmControl::place(ControlGrid& grid, int x, int y) const
{
    if (!grid.inBounds(x, y)) return false;
    Tile& tile = grid.tileAt(x, y);
    if (tile.bridgePart >= 0 || grid.itemAt(x, y)) return false;  // an item blocks building and switching
    if (tile.type == EMPTY) {
        writeFreshTile(grid, x, y, type, EAST);
    } else if (tile.type == type) {
        tile.dir = isHorizontal(tile) ? NORTH : EAST;
    } else {
        return false;
    }

    const float aim = aimAngle(grid, x, y, isHorizontal(tile), reach);
    tile.armFreeAngle = aim;
    tile.armAngle = tile.armHomeMode == FREE ? aim : armAngle(tile);
    tile.armHomePending = false;
    return true;
}

bool ArmControl::remove(ControlGrid& grid, int x, int y) const { return removeOfType(grid, x, y, type); }

bool ArmControl::filterAccepts(const Tile& tile, CargoType cargo) { return maskHasCargo(tile.armCargoFilter, cargo); }

// Any arm not facing east counts as vertical.
bool ArmControl::isOnAxis(const Tile& tile, Direction d) { return (d == EAST || d == WEST) == isHorizontal(tile); }

// The item comes from the side opposite to its travel; bit 0 is never set by
// the game, so a travel without direction finds no side.
bool ArmControl::sideEnabled(const Tile& tile, Direction d)
{
    const int bit = isCompassDirection(d) ? oppositeDirection(d) : 0;
    return (tile.armSideMask >> bit & 1u) != 0;
}

void ArmControl::setFilterMask(Tile& tile, std::uint32_t mask) { tile.armCargoFilter = clampCargoMask(mask); }

void ArmControl::setSideMask(Tile& tile, std::uint32_t mask) { tile.armSideMask = mask & ARM_ALL_SIDES; }

float ArmControl::armAngle(const Tile& tile)
{
    if (tile.armHomeMode == FREE) return tile.armFreeAngle;
    const Direction rest = tile.armHomeMode == FACING ? tile.dir : oppositeDirection(tile.dir);
    return angleOf(rest);
}

void ArmControl::setArmState(Tile& tile, int state)
{
    if (static_cast<unsigned>(state) > static_cast<unsigned>(OPPOSITE)) return;
    if (state == tile.armHomeMode) return;
    tile.armHomeMode = state;
    tile.armHomePending = state != FREE;
}
