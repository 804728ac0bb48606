#include "machines/injection_molder_control.h"

#include <utility>

#include "machines/placement.h"
#include "machines/production_rules.h"

namespace {

bool hasInputsAndRoom(const Tile& tile) { return molderHasInputs(tile) && !molderStoreFull(tile); }

// The gear remembers what went into it: each identified input, then all of
// that input's own parts.
void consumeInto(ItemRecord& gear, Fifo<ItemRecord>& inputs)
{
    if (inputs.empty()) return;
    ItemRecord& input = inputs.front();
    if (input.id.machineId != 0) gear.parts.push_back(std::move(input.id));
    for (ItemId& part : input.parts)
        gear.parts.push_back(std::move(part));
    inputs.pop_front();
}

// Identified inputs and their parts, which the gear will list.
std::size_t partsOf(const Fifo<ItemRecord>& inputs, std::size_t count)
{
    std::size_t parts = 0;
    for (std::size_t k = 0; k < count && k < inputs.size(); ++k)
        parts += (inputs[k].id.machineId != 0 ? 1 : 0) + inputs[k].parts.size();
    return parts;
}

void moldOneGear(Tile& tile, SparePartLists& spares)
{
    tile.molderTimer = 0.0f;
    ItemRecord gear = freshProductRecord(tile);
    if (!spares.empty()) {
        gear.parts = std::move(spares.back());
        spares.pop_back();
    }
    // Allocates only when no spare list was large enough.
    gear.parts.reserve(partsOf(tile.molderGranulateItems, MOLDER_GRANULATE_PER_GEAR) +
                       partsOf(tile.molderWaterItems, MOLDER_WATER_PER_GEAR));
    consumeInto(gear, tile.molderGranulateItems);
    consumeInto(gear, tile.molderGranulateItems);
    consumeInto(gear, tile.molderWaterItems);
    tile.molderGranulate -= MOLDER_GRANULATE_PER_GEAR;
    tile.molderWater -= MOLDER_WATER_PER_GEAR;
    ++tile.molderOutputCount;
    tile.molderOutputItems.push_back(std::move(gear));
}

}  // namespace

bool InjectionMolderControl::canAccept(const Tile& tile, Direction travel, CargoType cargo) const
{
    if (travel == NONE || entersThroughOutputFace(tile, travel)) return false;
    return cargo == PLASTIC_GRANULATE && tile.molderGranulate < MOLDER_STORE_LIMIT;
}

bool InjectionMolderControl::place(ControlGrid& grid, int x, int y) const
{
    return placeOrRotate(grid, x, y, INJECTION_MOLDER, ItemBlocks::BuildAndTurn, OddDirectionTurn::ToEast);
}

bool InjectionMolderControl::remove(ControlGrid& grid, int x, int y) const
{
    return removeOfType(grid, x, y, INJECTION_MOLDER);
}

void InjectionMolderControl::acceptItem(Tile& tile, CargoType cargo, ItemRecord&& record) const
{
    if (cargo != PLASTIC_GRANULATE) return;
    ++tile.molderGranulate;
    tile.molderGranulateItems.push_back(std::move(record));
}

void InjectionMolderControl::update(Tile& tile, float seconds) const
{
    SparePartLists none;
    update(tile, seconds, none);
}

void InjectionMolderControl::update(Tile& tile, float seconds, SparePartLists& spares) const
{
    // Time left over once the inputs run out is dropped; a gear half made
    // when the step ends keeps its progress.
    float unspent = seconds;
    while (unspent > 0.0f && hasInputsAndRoom(tile)) {
        if (!advanceJob(tile.molderTimer, MOLDER_SECONDS_PER_GEAR, unspent)) return;
        moldOneGear(tile, spares);
    }
}

bool InjectionMolderControl::acceptWater(Tile& tile, ItemRecord&& record)
{
    if (tile.type != INJECTION_MOLDER || !molderTakesWater(tile)) return false;
    ++tile.molderWater;
    tile.molderWaterItems.push_back(std::move(record));
    return true;
}

void InjectionMolderControl::popOutput(Tile& tile) const
{
    --tile.molderOutputCount;
    dropFrontRecord(tile.molderOutputItems);
}
