#include "persistence/loaded_world.h"

#include "world/game.h"

namespace {

// Maps before this version kept no sensor memory of the last arrival.
constexpr int FIRST_VERSION_WITH_ARRIVALS = 28;

SensorSighting sightingOf(const CargoItem* item)
{
    if (item == nullptr) return {};
    return SensorSighting{true, item->cargo, item->id.machineId, item->id.serial};
}

// A sensor does not take an item it already looks at for a new arrival.
void takeSensorSightings(Game& game, int version)
{
    for (int index = 0; index < TILE_COUNT; ++index) {
        Tile& sensor = game.tiles[index];
        if (sensor.type != SENSOR || !sensor.sensorWatchItems) continue;
        const CargoItem* item = game.itemSeenBySensor(index % GRID_WIDTH, index / GRID_WIDTH, sensor);
        sensor.sensorPresent = sightingOf(item);
        if (version < FIRST_VERSION_WITH_ARRIVALS) continue;
        sensor.sensorLastSeen = sensor.sensorPresent;
        sensor.sensorSeenMatch = item != nullptr && item->cargo == sensor.sensorCargo;
    }
}

}  // namespace

void settleLoadedWorld(Game& game, int version)
{
    takeSensorSightings(game, version);
    game.updateNetworks(0.0f);
}
