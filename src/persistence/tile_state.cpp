#include "persistence/tile_state.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <ostream>

#include "persistence/map_fields.h"

namespace {

constexpr int FIRST_VERSION_WITH_GENERATORS = 16;
constexpr int FIRST_VERSION_WITH_SHORT_BURN = 40;
constexpr float OLD_BURN_TIME_SCALE = 0.33333334f;
constexpr float MAX_BURN_TIME = 10.0f;
constexpr double MAX_OLD_BURN_TIME = 30.0;
constexpr int FIRST_VERSION_WITH_GENERATOR_SWITCH = 18;
constexpr int FIRST_VERSION_WITH_MOLDER_SWITCH = 19;
constexpr int MAX_STOCK_OF_ONE_KIND = 10;
constexpr double MAX_HELD = 10;
constexpr double MAX_ARM_ANGLE = 1000000;
constexpr double MAX_IDS = 1000000;

constexpr MapField<Tile> STATE_FIELDS[] = {
    {&Tile::lastSideB, 5},
    {&Tile::armAngle, 5, {-MAX_ARM_ANGLE, MAX_ARM_ANGLE}},
    {&Tile::ratioA, 11, {1, 5}},
    {&Tile::ratioB, 11, {1, 5}},
    {&Tile::ratioPos, 11, {0, 9}},
    {&Tile::cargoRuleMask, 11, allowedBits(ALL_CARGO)},
    {&Tile::modeCargoRules, 11},
    {&Tile::sourceProduced, 5, NOT_NEGATIVE},
    {&Tile::sinkDelivered, 5, NOT_NEGATIVE},
    {&Tile::sinkDeliveredIds, 5, atMost(MAX_IDS)},
    // Charcoal kiln.
    {&Tile::ovenHeld, 5},
    {&Tile::ovenOutputCount, 5, {0, MAX_HELD}},
    {&Tile::ovenTimer, 5, rangeBelow(5.0)},
    {&Tile::ovenInputCargo, 5, atMost(20)},
    {&Tile::ovenInputItems, 5, atMost(20)},
    {&Tile::ovenOutputItems, 5, atMost(10)},
    // Smelter.
    {&Tile::smelterHeld, 5},
    {&Tile::smelterInProcess, 5, {0, 2}},
    {&Tile::smelterCoal, 5, {0, MAX_HELD}},
    {&Tile::smelterTimer, 5, rangeBelow(5.0)},
    {&Tile::smelterInputCargo, 5, atMost(20)},
    {&Tile::smelterOutputCargo, 5, atMost(20)},
    {&Tile::smelterInputItems, 5, atMost(20)},
    {&Tile::smelterOutputItems, 5, atMost(20)},
    {&Tile::smelterCurrentItem, 5},
    {&Tile::smelterCoalItems, 5, atMost(10)},
    // Bottling plant.
    {&Tile::fillerBottles, 5, {0, MAX_HELD}},
    {&Tile::fillerOutputCount, 5, NOT_NEGATIVE},
    {&Tile::fillerWaiting, 5, NOT_NEGATIVE},
    {&Tile::fillerTimer, 5, rangeBelow(3.0)},
    {&Tile::fillerInputItems, 5, atMost(10)},
    {&Tile::fillerOutputItems, 5, atMost(10)},
    // Coal generator.
    {&Tile::generatorCoal, FIRST_VERSION_WITH_GENERATORS, {0, MAX_HELD}},
    {&Tile::generatorBurnTime, FIRST_VERSION_WITH_GENERATORS, {0, MAX_OLD_BURN_TIME}},
    {&Tile::generatorOn, FIRST_VERSION_WITH_GENERATOR_SWITCH},
    {&Tile::generatorFuelItems, FIRST_VERSION_WITH_GENERATORS, atMost(10)},
    // Injection molder and water source.
    {&Tile::molderGranulate, FIRST_VERSION_WITH_GENERATORS, {0, MAX_HELD}},
    {&Tile::molderWater, FIRST_VERSION_WITH_GENERATORS, {0, MAX_HELD}},
    {&Tile::molderOutputCount, FIRST_VERSION_WITH_GENERATORS, {0, MAX_HELD}},
    {&Tile::molderTimer, FIRST_VERSION_WITH_GENERATORS, rangeBelow(4.0)},
    {&Tile::molderOn, FIRST_VERSION_WITH_MOLDER_SWITCH},
    {&Tile::molderGranulateItems, FIRST_VERSION_WITH_GENERATORS, atMost(20)},
    {&Tile::molderWaterItems, FIRST_VERSION_WITH_GENERATORS, atMost(10)},
    {&Tile::molderOutputItems, FIRST_VERSION_WITH_GENERATORS, atMost(10)},
    {&Tile::waterAccumulator, 20, {0, 4.0}},
    // Storage, shop and ejector.
    {&Tile::storageAcceptMask, 7, allowedBits(ALL_CARGO)},
    {&Tile::storageOutputOn, 7},
    {&Tile::storageCargo, 7, atMost(100)},
    {&Tile::storageItems, 7, atMost(100)},
    {&Tile::shopAcceptMask, 12, allowedBits(ALL_CARGO)},
    {&Tile::ejectorActive, 26},
};

int countOf(const Fifo<int>& cargo, CargoType kind)
{
    return static_cast<int>(std::count(cargo.begin(), cargo.end(), kind));
}

bool onlyKinds(const Fifo<int>& cargo, CargoType a, CargoType b)
{
    return std::all_of(cargo.begin(), cargo.end(), [a, b](int c) { return c == a || c == b; });
}

bool kilnFits(const Tile& t)
{
    const int inputs = static_cast<int>(t.ovenInputCargo.size());
    return t.ovenHeld == t.ovenOutputCount + inputs && std::ssize(t.ovenInputItems) == inputs &&
           std::ssize(t.ovenOutputItems) == t.ovenOutputCount && onlyKinds(t.ovenInputCargo, LOG, PLANKS) &&
           countOf(t.ovenInputCargo, LOG) <= MAX_STOCK_OF_ONE_KIND &&
           countOf(t.ovenInputCargo, PLANKS) <= MAX_STOCK_OF_ONE_KIND;
}

bool smelterStockFits(const Tile& t)
{
    auto held = [&t](CargoType c) { return countOf(t.smelterInputCargo, c) + countOf(t.smelterOutputCargo, c); };
    return held(IRON_ORE) <= MAX_STOCK_OF_ONE_KIND && held(IRON_INGOT) + t.smelterInProcess <= MAX_STOCK_OF_ONE_KIND &&
           held(STEEL_INGOT) <= MAX_STOCK_OF_ONE_KIND;
}

bool smelterFits(const Tile& t)
{
    const ItemRecord& current = t.smelterCurrentItem;
    const bool currentFits = t.smelterInProcess > 0 || (current.id.machineId == 0 && current.parts.empty());
    return t.smelterHeld == std::ssize(t.smelterInputCargo) + std::ssize(t.smelterOutputCargo) + t.smelterInProcess +
                                t.smelterCoal &&
           std::ssize(t.smelterInputItems) == std::ssize(t.smelterInputCargo) &&
           std::ssize(t.smelterOutputItems) == std::ssize(t.smelterOutputCargo) &&
           std::ssize(t.smelterCoalItems) == t.smelterCoal && currentFits &&
           onlyKinds(t.smelterInputCargo, IRON_ORE, IRON_INGOT) &&
           onlyKinds(t.smelterOutputCargo, IRON_INGOT, STEEL_INGOT) && smelterStockFits(t);
}

bool fillerFits(const Tile& t)
{
    return t.fillerBottles == t.fillerWaiting + t.fillerOutputCount &&
           std::ssize(t.fillerInputItems) == t.fillerWaiting && std::ssize(t.fillerOutputItems) == t.fillerOutputCount;
}

bool generatorAndMolderFit(const Tile& t, int version)
{
    const bool burnFits = version < FIRST_VERSION_WITH_SHORT_BURN || t.generatorBurnTime <= MAX_BURN_TIME;
    return std::ssize(t.generatorFuelItems) == t.generatorCoal && burnFits &&
           std::ssize(t.molderGranulateItems) == t.molderGranulate && std::ssize(t.molderWaterItems) == t.molderWater &&
           std::ssize(t.molderOutputItems) == t.molderOutputCount &&
           (t.waterAccumulator == 0.0f || t.type == WATER_SOURCE);
}

bool storageAndShopFit(const Tile& t, int version)
{
    const bool storageFits = t.type == STORAGE ? t.dir != NONE : t.storageCargo.empty() && !t.storageOutputOn;
    const bool shopFits = version < 12 || (t.type == SHOP ? t.dir != NONE : t.shopAcceptMask == ALL_CARGO);
    return (version < 7 || (std::ssize(t.storageItems) == std::ssize(t.storageCargo) && storageFits)) && shopFits;
}

bool tileStateFits(const Tile& t, int version)
{
    return t.ratioPos < t.ratioA + t.ratioB && kilnFits(t) && smelterFits(t) && fillerFits(t) &&
           generatorAndMolderFit(t, version) && storageAndShopFit(t, version) && (t.ejectorActive || t.type == EJECTOR);
}

// Switches that older lines lack were on, and burn times were three times as long.
void settleOldMachines(Tile& t, int version)
{
    if (version < FIRST_VERSION_WITH_GENERATORS) return;
    if (version < FIRST_VERSION_WITH_GENERATOR_SWITCH) t.generatorOn = true;
    if (version < FIRST_VERSION_WITH_MOLDER_SWITCH) t.molderOn = true;
    if (version < FIRST_VERSION_WITH_SHORT_BURN) t.generatorBurnTime *= OLD_BURN_TIME_SCALE;
}

}  // namespace

void writeTileState(TextOut& out, const Tile& tile)
{
    writeFields<Tile>(out, tile, STATE_FIELDS);
    endLine(out);
}

void writeTileState(std::ostream& out, const Tile& tile)
{
    TextOut line{{}, static_cast<int>(out.precision())};
    writeTileState(line, tile);
    out.write(line.text.data(), static_cast<std::streamsize>(line.text.size()));
}

bool readTileState(std::istream& in, Tile& tile, int version)
{
    if (!readFields<Tile>(in, tile, STATE_FIELDS, version)) return false;
    migrateTileCargoMasks(tile, version);
    if (!tileStateFits(tile, version)) return false;
    settleOldMachines(tile, version);
    return true;
}

bool sameTileState(const Tile& a, const Tile& b)
{
    // The precision of a fresh string stream, so that float noise beyond six digits is ignored.
    constexpr int DEFAULT_STREAM_PRECISION = 6;
    TextOut first{{}, DEFAULT_STREAM_PRECISION};
    TextOut second{{}, DEFAULT_STREAM_PRECISION};
    writeTileState(first, a);
    writeTileState(second, b);
    return first.text == second.text;
}

void migrateTileCargoMasks(Tile& tile, int version)
{
    if (version >= FIRST_VERSION_WITH_THIRTEEN_CARGO) return;
    for (CargoMask* mask : {&tile.cargoRuleMask, &tile.storageAcceptMask, &tile.shopAcceptMask}) {
        if (*mask == OLD_ALL_CARGO) *mask = ALL_CARGO;
    }
}
