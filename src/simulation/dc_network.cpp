#include "simulation/cable_groups.h"
#include "world/game.h"

namespace {

constexpr int SLOTS_PER_SUPPLY = 100;

// The tiles a 5V network names: sensors, logic components and the supplies
// themselves (all of 24 and 26..38).
bool isDcNetworkTile(ControlType type) { return type == SENSOR || (type >= LOGIC_AND && type <= LOGIC_RS); }

// Sensors and logic components draw one slot each; supplies and ejectors none.
bool drawsDcSlot(ControlType type) { return isSignalType(type); }

void countSlotsAndConsumers(const Game& game, NetworkBuffers& work)
{
    work.dcSlots.assign(TILE_COUNT, 0);
    work.dcConsumers.assign(TILE_COUNT, 0);
    for (int i = 0; i < TILE_COUNT; ++i) {
        const Tile& tile = game.tiles[i];
        if (tile.type == POWER_SUPPLY && tile.powerSupplied) {
            work.dcSlots[cableRoot(work.parent, i)] += SLOTS_PER_SUPPLY;
        } else if (drawsDcSlot(tile.type)) {
            work.dcConsumers[cableRoot(work.parent, i)] += 1;
        }
    }
}

}  // namespace

void Game::updateDcNetwork()
{
    NetworkBuffers& work = networkBuffers_;
    groupByCables(dcLinks, work.parent);
    countSlotsAndConsumers(*this, work);
    for (int i = 0; i < TILE_COUNT; ++i) {
        Tile& tile = tiles[i];
        const bool hadDc = tile.dcSupplied;
        const int root = cableRoot(work.parent, i);
        const bool signalTile = isDcNetworkTile(tile.type);
        tile.dcRoot = signalTile ? root : -1;
        tile.dcSlots = work.dcSlots[root];
        tile.dcCount = work.dcConsumers[root];
        // One consumer too many leaves the whole network dark.
        tile.dcSupplied = signalTile && tile.dcSlots > 0 && tile.dcCount <= tile.dcSlots &&
                          (tile.type != POWER_SUPPLY || tile.powerSupplied);
        tile.dcJustSupplied = !hadDc && tile.dcSupplied;
    }
}
