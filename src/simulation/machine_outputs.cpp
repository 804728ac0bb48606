#include <bitset>
#include <cstdlib>
#include <utility>

#include "audio/sound_engine.h"
#include "machines/arm_control.h"
#include "machines/filler_control.h"
#include "machines/injection_molder_control.h"
#include "machines/oven_control.h"
#include "machines/smelter_control.h"
#include "machines/storage_control.h"
#include "simulation/hand_over_rules.h"
#include "simulation/item_transport.h"
#include "simulation/step_tables.h"
#include "world/game.h"

namespace {

using BlockedTiles = std::bitset<TILE_COUNT>;

// A product a machine offers now.
struct Product {
    bool offered = false;
    CargoType cargo = 0;
};

Product offeredProduct(const Tile& tile, OutputMachines machines)
{
    if (machines == OutputMachines::Storages) {
        if (tile.type == STORAGE && tile.storageOutputOn && !tile.storageCargo.empty()) {
            return {true, tile.storageCargo.front()};
        }
        return {};
    }
    switch (tile.type) {
    case OVEN:
        return {tile.ovenOutputCount > 0, COAL};
    case SMELTER:
        if (tile.smelterOutputCargo.empty()) return {};
        return {true, tile.smelterOutputCargo.front()};
    case FILLER:
        return {tile.fillerOutputCount > 0, FULL_BOTTLE};
    case INJECTION_MOLDER:
        return {tile.molderOutputCount > 0, PLASTIC_GEAR};
    default:
        return {};
    }
}

Fifo<ItemRecord>* productRecords(Tile& tile)
{
    switch (tile.type) {
    case OVEN:
        return &tile.ovenOutputItems;
    case SMELTER:
        return &tile.smelterOutputItems;
    case FILLER:
        return &tile.fillerOutputItems;
    case INJECTION_MOLDER:
        return &tile.molderOutputItems;
    case STORAGE:
        return &tile.storageItems;
    default:
        return nullptr;
    }
}

// Tiles that could take the product later: the machine keeps it meanwhile.
bool couldTakeItems(const Tile& tile, Direction machineDir)
{
    return takesItemsIn(tile.type) || (isArm(tile.type) && ArmControl::isOnAxis(tile, machineDir));
}

void markBlocked(BlockedTiles& blocked, int x, int y) { blocked.set(static_cast<std::size_t>(tileIndex(x, y))); }

// Ground items outside tunnels and the drops of powered arms; one pass over
// the items, as the marks do not depend on one another.
BlockedTiles blockedOutputTiles(const Game& game, const WorldLayout& layout, TunnelItemIndex& tunnels)
{
    BlockedTiles blocked;
    tunnels.forEachOutside(game.items.size(), [&](std::size_t i) {  // held items: inside, carried by no arm
        const CargoItem& item = game.items[i];
        if (item.layer == 0 && game.inBounds(item.x, item.y) && !isInsideTunnel(game, layout, item)) {
            markBlocked(blocked, item.x, item.y);
        }
        int dropX = 0;
        int dropY = 0;
        if (item.carried && carriedItemDropTile(game, item, dropX, dropY) && game.isPoweredAt(item.x, item.y)) {
            markBlocked(blocked, dropX, dropY);
        }
    });
    return blocked;
}

// The tile in front that takes the product, or false when it stays in the machine.
bool chooseTarget(const Game& game, int x, int y, OutputTargetRule& rule, int& tx, int& ty)
{
    const Direction dir = game.tileAt(x, y).dir;
    tx = x + directionDx(dir);
    ty = y + directionDy(dir);
    if (rule.accepts(tx, ty)) return true;
    if (game.inBounds(tx, ty) && couldTakeItems(game.tileAt(tx, ty), dir)) return false;
    // A long arm may take it over the tile in front.
    tx = x + LONG_ARM_REACH * directionDx(dir);
    ty = y + LONG_ARM_REACH * directionDy(dir);
    return game.inBounds(tx, ty) && game.tileAt(tx, ty).type == LONG_ARM && rule.accepts(tx, ty);
}

ItemRecord takeProduct(Game& game, int x, int y)
{
    Tile& machine = game.tileAt(x, y);
    // The record moves out: the machine drops the front record next.
    Fifo<ItemRecord>* records = productRecords(machine);
    ItemRecord record = records != nullptr && !records->empty() ? std::move(records->front()) : ItemRecord{};
    const auto id = static_cast<std::uint32_t>(tileIndex(x, y));
    const auto fx = static_cast<float>(x);
    const auto fy = static_cast<float>(y);
    switch (machine.type) {
    case OVEN:
        static_cast<const OvenControl&>(controlForType(OVEN)).popOutput(machine);
        if (game.sound != nullptr) game.sound->playOvenOutput(id, fx, fy);
        break;
    case SMELTER:
        static_cast<const SmelterControl&>(controlForType(SMELTER)).popOutput(machine);
        if (game.sound != nullptr) game.sound->playSmelterOutput(id, fx, fy);
        break;
    case FILLER:
        static_cast<const FillerControl&>(controlForType(FILLER)).popOutput(machine);
        break;
    case INJECTION_MOLDER:
        static_cast<const InjectionMolderControl&>(controlForType(INJECTION_MOLDER)).popOutput(machine);
        break;
    case STORAGE:
        static_cast<const StorageControl&>(controlForType(STORAGE)).popOutput(machine);
        break;
    default:
        break;
    }
    return record;
}

// A product glides off at the speed of the belt level; a stopped belt still
// lets it glide off at the plain speed, so it never freezes at the machine.
float productGlideSpeed(int level) { return level > 0 ? beltGlideSpeed(level) : BASE_GLIDE_SPEED; }

void setStoragePath(const Game& game, CargoItem& item, int x, int y, const OutputTargetRule& rule)
{
    const Tile& target = game.tileAt(item.x, item.y);
    item.originX = x;
    item.originY = y;
    item.posX = rule.searchedEntry ? rule.entryX : static_cast<float>(x);
    item.posY = rule.searchedEntry ? rule.entryY : static_cast<float>(y);
    const float speed = productGlideSpeed(target.beltSpeed);
    item.path.push_back(PathPoint{item.x, item.y, speed, target.dir, false});
    const int nextX = item.x + directionDx(target.dir);
    const int nextY = item.y + directionDy(target.dir);
    if (target.type == BELT && target.bridgePart == BRIDGE_NONE && game.inBounds(nextX, nextY)) {
        const Tile& next = game.tileAt(nextX, nextY);
        if (next.type == BELT && next.bridgePart == BRIDGE_NONE) {
            item.path.push_back(PathPoint{nextX, nextY, speed, next.dir, false});
        }
    }
    item.speedCredit = (rule.searchedEntry ? rule.entryPhase : 0) + 3;
}

void handToArm(Game& game, CargoItem& item, int x, int y, BlockedTiles& blocked)
{
    Tile& arm = game.tileAt(item.x, item.y);
    item.posX = static_cast<float>(x);
    item.posY = static_cast<float>(y);
    useArmJob(game, item.x, item.y, arm);
    item.carried = true;
    const int reach = armReach(arm.type);
    const int dropX = item.x + directionDx(item.dir) * reach;
    const int dropY = item.y + directionDy(item.dir) * reach;
    if (game.inBounds(dropX, dropY)) markBlocked(blocked, dropX, dropY);
}

// Where the machine puts its product and the tiles served so far.
struct OutputPlace {
    int tx;
    int ty;
    BlockedTiles& blocked;
};

void placeNewItem(Game& game, int x, int y, CargoType cargo, ItemRecord&& record, const OutputTargetRule& rule,
                  OutputPlace place, StepScratch& scratch)
{
    const int tx = place.tx;
    const int ty = place.ty;
    BlockedTiles& blocked = place.blocked;
    const Tile& machine = game.tileAt(x, y);
    const Tile& target = game.tileAt(tx, ty);
    CargoItem item(tx, ty, machine.dir, cargo);
    giveSparePath(scratch, item);
    item.id = std::move(record.id);
    item.parts = std::move(record.parts);
    if (target.type == TUNNEL) {
        item.tunnelProgress = std::abs(tx - target.tunnelPartnerX) + std::abs(ty - target.tunnelPartnerY) + 1;
    }
    const bool fromStorage = machine.type == STORAGE;
    if (!fromStorage && !isArm(target.type)) {
        item.originX = x;
        item.originY = y;
        item.posX = static_cast<float>(x);
        item.posY = static_cast<float>(y);
        const float speed = isBeltOrBridge(target.type) ? productGlideSpeed(target.beltSpeed) : BASE_GLIDE_SPEED;
        item.path.push_back(PathPoint{tx, ty, speed, target.dir, false});
    }
    if (fromStorage) setStoragePath(game, item, x, y, rule);
    if (isArm(target.type)) handToArm(game, item, x, y, blocked);
    if (target.type == MIXER || target.type == MIXER_SECOND) advanceMixerEntry(game, tx, ty);
    game.items.push_back(std::move(item));
    markBlocked(blocked, tx, ty);
}

void emitProduct(Game& game, int x, int y, CargoType cargo, OutputTargetRule& rule, BlockedTiles& blocked,
                 StepScratch& scratch)
{
    int tx = 0;
    int ty = 0;
    if (!chooseTarget(game, x, y, rule, tx, ty)) return;
    Tile& target = game.tileAt(tx, ty);
    const bool takenIn = target.type == SHOP || target.type == SINK || isMachineIntake(target.type);
    if (!takenIn && game.items.size() >= MOST_WORLD_ITEMS) return;  // it waits as behind a blocked tile
    ItemRecord record = takeProduct(game, x, y);
    if (target.type == SHOP) {
        game.sellCargo(tx, ty, cargo);
        return;
    }
    if (target.type == SINK || isMachineIntake(target.type)) {
        if (target.type == SINK) game.addDelivered(1);
        controlForType(target.type).acceptItem(target, cargo, std::move(record));
        return;
    }
    placeNewItem(game, x, y, cargo, std::move(record), rule, OutputPlace{tx, ty, blocked}, scratch);
}

}  // namespace

void Game::spawnMachineOutputs(OutputMachines machines)
{
    const WorldLayout& layout = currentLayout();
    // The tiles taken are found when the first product is offered: until
    // then no item has changed, and often nothing is offered at all.
    BlockedTiles blocked;
    bool blockedFound = false;
    for (int index : machines == OutputMachines::Storages ? layout.storages : layout.producers) {
        const int x = index % GRID_WIDTH;
        const int y = index / GRID_WIDTH;
        const Product product = offeredProduct(tileAt(x, y), machines);
        if (!product.offered) continue;
        if (!blockedFound) {
            blocked = blockedOutputTiles(*this, layout, tables_.get().tunnels);
            blockedFound = true;
        }
        OutputTargetRule rule(*this, blocked, x, y, product.cargo);
        emitProduct(*this, x, y, product.cargo, rule, blocked, tables_.get().step);
    }
}
