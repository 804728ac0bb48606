#include "simulation/sensor_measurement.h"

#include <algorithm>
#include <cstdint>

#include "simulation/switching_table.h"
#include "simulation/tunnel_item_index.h"
#include "world/game.h"

namespace {

constexpr float SIGHTING_FLASH_SECONDS = 0.32f;

int countKind(const Fifo<int>& queue, CargoType cargo)
{
    return static_cast<int>(std::count(queue.begin(), queue.end(), cargo));
}

// What one measured machine holds of the cargo kind.
int stockOf(const Tile& machine, CargoType cargo)
{
    switch (machine.type) {
    case SOURCE:
        return isCargoType(cargo) ? machine.sourceProduced[static_cast<std::size_t>(cargo)] : 0;
    case STORAGE:
        return countKind(machine.storageCargo, cargo);
    case OVEN:
        return cargo == COAL ? machine.ovenOutputCount : countKind(machine.ovenInputCargo, cargo);
    case SMELTER:
        return countKind(machine.smelterInputCargo, cargo) + countKind(machine.smelterOutputCargo, cargo);
    case COAL_GENERATOR:
        return cargo == COAL ? machine.generatorCoal : 0;
    case INJECTION_MOLDER:
        if (cargo == PLASTIC_GRANULATE) return machine.molderGranulate;
        if (cargo == WATER) return machine.molderWater;
        return cargo == PLASTIC_GEAR ? machine.molderOutputCount : 0;
    case FILLER:
        if (cargo == EMPTY_BOTTLE) return machine.fillerBottles;
        return cargo == FULL_BOTTLE ? machine.fillerOutputCount : 0;
    default:
        return 0;
    }
}

// Wide enough that many full counters cannot overflow.
std::int64_t measuredStock(const Game& game, int index, const WiresByTile& measureWires, CargoType cargo)
{
    std::int64_t stock = 0;
    for (int slot = measureWires.start[index]; slot < measureWires.start[index + 1]; ++slot) {
        const Link& wire = game.signalMeasureLinks[measureWires.wires[slot]];
        stock += stockOf(game.tileAt(wire.x1, wire.y1), cargo);
    }
    return stock;
}

SensorSighting sightingOf(const CargoItem& item) { return {true, item.cargo, item.id.machineId, item.id.serial}; }

// An item seen anew owes one pulse to every ejector and single-job arm the
// sensor is wired to.
void sendPulses(Game& game, int index, const WiresByTile& switchWires)
{
    for (int slot = switchWires.start[index]; slot < switchWires.start[index + 1]; ++slot) {
        const Link& wire = game.signalControlLinks[switchWires.wires[slot]];
        Tile& target = game.tileAt(wire.x1, wire.y1);
        if (target.type == EJECTOR) addPendingCommand(target.ejectorJobs);
        if (isSingleJobArm(target)) addPendingCommand(target.armPendingJobs);
    }
}

// Remembers an item that was not there before; an item already standing
// there when 5V comes on is recorded but is no arrival.
void recordSighting(Game& game, int index, const CargoItem* item, const WiresByTile& switchWires)
{
    Tile& sensor = game.tiles[index];
    if (item == nullptr) {
        sensor.sensorLastSeen.valid = false;
        return;
    }
    if (sensor.sensorLastSeen.matches(item->cargo, item->id)) return;
    sensor.sensorLastSeen = sightingOf(*item);
    sensor.sensorSeenMatch = item->cargo == sensor.sensorCargo;
    if (sensor.dcJustSupplied) {
        sensor.sensorFlash = 0.0f;
        return;
    }
    sensor.sensorFlash = SIGHTING_FLASH_SECONDS;
    if (sensor.sensorSeenMatch) sendPulses(game, index, switchWires);
}

// The output-driven command, which arms and distributors always follow.
SwitchAction outputAction(const Tile& sensor) { return sensor.signalOut ? sensor.thenAction : sensor.elseAction; }

// What the sensor tells one machine target; pulse-counting targets of a
// camera sensor live on their pulses alone.
SwitchAction actionFor(const Tile& sensor, const Tile& target, SwitchAction levelAction)
{
    if (sensor.sensorWatchItems && (target.type == EJECTOR || isSingleJobArm(target))) return NO_CHANGE;
    if (isArm(target.type) || target.type == DISTRIBUTOR) return outputAction(sensor);
    return levelAction;
}

void offerSensorCommands(Game& game, int index, SwitchAction levelAction, const WiresByTile& switchWires,
                         NetworkBuffers& work)
{
    const Tile& sensor = game.tiles[index];
    for (int slot = switchWires.start[index]; slot < switchWires.start[index + 1]; ++slot) {
        const Link& wire = game.signalControlLinks[switchWires.wires[slot]];
        const int targetIndex = tileIndex(wire.x1, wire.y1);
        Tile& target = game.tiles[targetIndex];
        if (isLogicType(target.type)) continue;
        const SwitchAction action = actionFor(sensor, target, levelAction);
        if (action == NO_CHANGE) continue;
        if (sensor.dcJustSupplied && action == SWITCH_ON && isArm(target.type)) target.armSignalOn = true;
        work.switching.offer(targetIndex, sensor.switchPriority, index, action);
    }
}

}  // namespace

void findSightings(const Game& game, const std::vector<int>& sensors, TunnelItemIndex& tunnels, NetworkBuffers& work)
{
    work.watchSlot.resize(TILE_COUNT, -1);
    work.watchedTiles.clear();
    work.sightings.clear();
    work.sensorSlots.clear();
    for (int sensor : sensors) {
        const Tile& tile = game.tiles[static_cast<std::size_t>(sensor)];
        const int watched =
            tile.dcSupplied ? game.sensorWatchedTile(sensor % GRID_WIDTH, sensor / GRID_WIDTH, tile) : -1;
        int slot = watched >= 0 ? work.watchSlot[static_cast<std::size_t>(watched)] : -1;
        if (watched >= 0 && slot < 0) {
            slot = static_cast<int>(work.watchedTiles.size());
            work.watchSlot[static_cast<std::size_t>(watched)] = slot;
            work.watchedTiles.push_back(watched);
            work.sightings.push_back(-1);
        }
        work.sensorSlots.push_back(slot);
    }
    // An item shows on a tile only within a fraction of a tile of its centre,
    // so the tile its position rounds to is the only one it can show on. The
    // items at rest in tunnels stand on their entrance, which no sensor watches.
    std::size_t unseen = work.watchedTiles.size();
    if (unseen > 0) {
        tunnels.anyOutside(game.items.size(), [&](std::size_t i) {
            const CargoItem& item = game.items[i];
            const int tx = tileCoordinate(item.posX);
            const int ty = tileCoordinate(item.posY);
            if (!inGrid(tx, ty)) return false;
            const int slot = work.watchSlot[static_cast<std::size_t>(tileIndex(tx, ty))];
            if (slot < 0 || work.sightings[static_cast<std::size_t>(slot)] >= 0 || !Game::isSightedOn(item, tx, ty))
                return false;
            work.sightings[static_cast<std::size_t>(slot)] = static_cast<int>(i);
            return --unseen == 0;
        });
    }
    for (int tile : work.watchedTiles)
        work.watchSlot[static_cast<std::size_t>(tile)] = -1;
}

const CargoItem* sightingOf(const Game& game, const NetworkBuffers& work, std::size_t k)
{
    const int slot = work.sensorSlots[k];
    if (slot < 0) return nullptr;
    const int item = work.sightings[static_cast<std::size_t>(slot)];
    return item >= 0 ? &game.items[static_cast<std::size_t>(item)] : nullptr;
}

void measureSensor(Game& game, int index, const CargoItem* seen, const NetworkLayout& layout, NetworkBuffers& work)
{
    Tile& sensor = game.tiles[index];
    if (!sensor.dcSupplied) {
        // Its wires were switched off with the other dark sources.
        sensor.signalOut = false;
        sensor.sensorFlash = 0.0f;
        return;
    }
    const CargoType cargo = sensor.sensorCargo;
    const std::int64_t stock = measuredStock(game, index, layout.measureWiresBySource, cargo);
    const CargoItem* item = seen;
    const bool present = item != nullptr && item->cargo == cargo;
    const bool arrival =
        item != nullptr && !sensor.sensorPresent.matches(item->cargo, item->id) && !sensor.dcJustSupplied;

    recordSighting(game, index, item, layout.switchWiresBySource);
    sensor.sensorPresent = item != nullptr ? sightingOf(*item) : SensorSighting{};

    const std::int64_t value = stock + (present ? 1 : 0);
    sensor.signalOut = sensor.compareAbove == 0 ? value < sensor.limit : value > sensor.limit;
    SwitchAction levelAction = outputAction(sensor);
    if (sensor.sensorWatchItems && sensor.sensorPerItem)
        levelAction = arrival && present ? sensor.thenAction : NO_CHANGE;
    offerSensorCommands(game, index, levelAction, layout.switchWiresBySource, work);
}
