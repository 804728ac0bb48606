#include "machines/production_rules.h"

#include "machines/filler_control.h"
#include "machines/generator_control.h"
#include "machines/injection_molder_control.h"
#include "machines/oven_control.h"
#include "machines/placement.h"
#include "machines/sink_control.h"
#include "machines/smelter_control.h"
#include "machines/storage_control.h"
#include "world/tile.h"

bool entersThroughOutputFace(const Tile& tile, Direction travel)
{
    return isCompassDirection(tile.dir) && travel == oppositeDirection(tile.dir);
}

void dropFrontRecord(Fifo<ItemRecord>& records)
{
    if (!records.empty()) records.pop_front();
}

bool advanceJob(float& timer, float duration, float& unspent)
{
    // Compared before adding, so float rounding cannot leave a job a hair short.
    const float remaining = duration - timer;
    if (unspent < remaining) {
        timer += unspent;
        unspent = 0.0f;
        return false;
    }
    unspent -= remaining;
    return true;
}

ItemRecord freshProductRecord(Tile& producer)
{
    ItemRecord product;
    product.id = stampProductId(producer);
    return product;
}

void reserveRecordQueues(Tile& tile)
{
    // Two kinds of input, each up to its limit.
    constexpr std::size_t OVEN_INPUTS = 2 * OVEN_INPUT_LIMIT_PER_KIND;
    // Ore, iron and steel ingots waiting or made, each up to the stock limit.
    constexpr std::size_t SMELTER_RECORDS = 3 * SMELTER_STOCK_LIMIT;
    switch (tile.type) {
    case OVEN:
        tile.ovenInputCargo.reserve(OVEN_INPUTS);
        tile.ovenInputItems.reserve(OVEN_INPUTS);
        tile.ovenOutputItems.reserve(OVEN_OUTPUT_LIMIT + 1);
        break;
    case SMELTER:
        tile.smelterInputCargo.reserve(SMELTER_RECORDS);
        tile.smelterOutputCargo.reserve(SMELTER_RECORDS);
        tile.smelterInputItems.reserve(SMELTER_RECORDS);
        tile.smelterOutputItems.reserve(SMELTER_RECORDS);
        tile.smelterCoalItems.reserve(SMELTER_STOCK_LIMIT + 1);
        break;
    case STORAGE:
        tile.storageCargo.reserve(STORAGE_CAPACITY);
        tile.storageItems.reserve(STORAGE_CAPACITY);
        break;
    case FILLER:
        tile.fillerInputItems.reserve(FILLER_BOTTLE_LIMIT + 1);
        tile.fillerOutputItems.reserve(FILLER_BOTTLE_LIMIT + 1);
        break;
    case COAL_GENERATOR:
        tile.generatorFuelItems.reserve(GENERATOR_COAL_LIMIT + 1);
        break;
    case INJECTION_MOLDER:
        tile.molderGranulateItems.reserve(MOLDER_STORE_LIMIT + 1);
        tile.molderWaterItems.reserve(MOLDER_STORE_LIMIT + 1);
        tile.molderOutputItems.reserve(MOLDER_STORE_LIMIT + 1);
        break;
    case SINK:
        // A delivery's identities are kept before the oldest are dropped.
        tile.sinkDeliveredIds.reserve(2 * SINK_KEPT_IDENTITIES);
        break;
    default:
        break;
    }
}
