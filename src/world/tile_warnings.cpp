#include "machines/arm_control.h"
#include "machines/storage_control.h"
#include "world/control.h"
#include "world/game.h"
#include "world/tile_item_index.h"

namespace {

bool intakeRestricted(const Tile& tile)
{
    switch (tile.type) {
    case OVEN:
        return tile.ovenAcceptMask != OVEN_INTAKE;
    case SMELTER:
        return tile.smelterAcceptMask != SMELTER_INTAKE;
    case FILLER:
        return !tile.fillerAccepting;
    case STORAGE:
        return tile.storageAcceptMask != ALL_CARGO;
    case SHOP:
        return tile.shopAcceptMask != ALL_CARGO;
    default:
        return false;
    }
}

// Can the tile (tx, ty) take a product that leaves the producer in direction d now.
struct OutputTarget {
    ItemLookup items;
    Direction d;
    CargoType product;

    bool operator()(int tx, int ty) const
    {
        const Game& game = items.game;
        if (!game.inBounds(tx, ty) || items.anyAt(tx, ty)) return false;
        const Tile& target = game.tileAt(tx, ty);
        if (isArm(target.type)) return armTakes(target, tx, ty);
        if (target.type != SINK && !items.hasRoom(tx, ty)) return false;
        return game.canEnterTile(tx, ty, d, product);
    }

    // An arm in front takes the product when it works along the output line,
    // grabs from the producer's side and has a free drop tile that takes it.
    bool armTakes(const Tile& arm, int tx, int ty) const
    {
        if (!ArmControl::filterAccepts(arm, product) || !ArmControl::isOnAxis(arm, d) ||
            !ArmControl::sideEnabled(arm, d)) {
            return false;
        }
        const int reach = armReach(arm.type);
        const int dropX = tx + reach * directionDx(d);
        const int dropY = ty + reach * directionDy(d);
        if (!items.game.inBounds(dropX, dropY) || items.anyAt(dropX, dropY)) return false;
        return items.game.canEnterTile(dropX, dropY, d, product);
    }
};

// The tile in front takes the product, or, over an empty tile in front, a
// long arm at its reach does.
bool outputBlocked(ItemLookup items, int x, int y, Direction d, CargoType product)
{
    const Game& game = items.game;
    const OutputTarget canTake{items, d, product};
    const int dx = directionDx(d);
    const int dy = directionDy(d);
    if (canTake(x + dx, y + dy)) return false;
    if (!game.inBounds(x + dx, y + dy) || game.tileAt(x + dx, y + dy).type != EMPTY) return true;
    const int farX = x + LONG_ARM_REACH * dx;
    const int farY = y + LONG_ARM_REACH * dy;
    const bool longArmReaches =
        game.inBounds(farX, farY) && game.tileAt(farX, farY).type == LONG_ARM && canTake(farX, farY);
    return !longArmReaches;
}

bool smelterLacksCoal(const Tile& tile)
{
    return tile.smelterCoal == 0 && (!tile.smelterInputCargo.empty() || tile.smelterInProcess > 0);
}

// The product waiting at the front of the tile's output, if its type has one ready.
bool readyProduct(const Tile& tile, CargoType& product)
{
    switch (tile.type) {
    case STORAGE:
        if (!tile.storageOutputOn || tile.storageCargo.empty()) return false;
        product = tile.storageCargo.front();
        return true;
    case SMELTER:
        if (tile.smelterOutputCargo.empty()) return false;
        product = tile.smelterOutputCargo.front();
        return true;
    case OVEN:
        product = COAL;
        return tile.ovenOutputCount > 0;
    case FILLER:
        product = FULL_BOTTLE;
        return tile.fillerOutputCount > 0;
    case INJECTION_MOLDER:
        product = PLASTIC_GEAR;
        return tile.molderOutputCount > 0;
    default:
        return false;
    }
}

}  // namespace

unsigned Game::tileWarnings(int x, int y, const TileItemIndex* itemIndex) const
{
    if (!inBounds(x, y)) return 0;
    const Tile& tile = tileAt(x, y);
    if (tile.type == SINK) return tile.sinkAccepting ? 0u : INPUT_RESTRICTED;

    unsigned warnings = intakeRestricted(tile) ? INPUT_RESTRICTED : 0u;
    if (tile.type == STORAGE && storageFull(tile)) warnings |= STORAGE_FULL;
    if (tile.type == SMELTER && smelterLacksCoal(tile)) warnings |= COAL_MISSING;
    CargoType product = LOG;
    if (readyProduct(tile, product) && outputBlocked({*this, itemIndex}, x, y, tile.dir, product)) {
        warnings |= OUTPUT_BLOCKED;
    }
    return warnings;
}

std::vector<unsigned> Game::mapWarnings(const TileItemIndex& itemIndex) const
{
    std::vector<unsigned> warnings(TILE_COUNT, 0u);
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x)
            warnings[static_cast<std::size_t>(tileIndex(x, y))] = tileWarnings(x, y, &itemIndex);
    }
    return warnings;
}
