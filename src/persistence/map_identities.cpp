#include "persistence/map_identities.h"

namespace {

bool queuedRecordsFit(MapIdentities& identities, const Fifo<ItemRecord>& records)
{
    for (const ItemRecord& record : records) {
        if (!validateItemIdForMap(identities, record)) return false;
    }
    return true;
}

// Generator fuel and molder stock hold plain units and are not counted.
bool identitiesOfTileFit(MapIdentities& identities, const Tile& tile)
{
    for (const ItemId& id : tile.sinkDeliveredIds) {
        if (!acceptLoadedItemId(identities, id)) return false;
    }
    for (const Fifo<ItemRecord>* queue :
         {&tile.ovenInputItems, &tile.ovenOutputItems, &tile.smelterInputItems, &tile.smelterOutputItems,
          &tile.smelterCoalItems, &tile.fillerInputItems, &tile.fillerOutputItems, &tile.storageItems}) {
        if (!queuedRecordsFit(identities, *queue)) return false;
    }
    return validateItemIdForMap(identities, tile.smelterCurrentItem);
}

}  // namespace

MapIdentities identitiesOfProducers(const std::vector<Tile>& tiles, std::uint64_t nextMachineId)
{
    MapIdentities identities;
    identities.nextMachineId = nextMachineId;
    for (const Tile& tile : tiles) {
        if (isProducerType(tile.type)) identities.producerSerials[tile.machineId] = tile.serialCounter;
    }
    return identities;
}

bool acceptLoadedItemId(MapIdentities& identities, const ItemId& id)
{
    if (id.machineId == 0) return id.serial == 0 && id.label.empty();
    if (id.machineId >= identities.nextMachineId || id.serial == 0) return false;
    const auto producer = identities.producerSerials.find(id.machineId);
    if (producer != identities.producerSerials.end() && id.serial > producer->second) return false;
    if (identities.seen.size() >= MAX_MAP_IDENTITIES) return false;
    return identities.seen.emplace(id.machineId, id.serial).second;
}

bool validateItemIdForMap(MapIdentities& identities, const ItemId& id, const std::vector<ItemId>& parts)
{
    if (!acceptLoadedItemId(identities, id)) return false;
    for (const ItemId& part : parts) {
        if (!acceptLoadedItemId(identities, part)) return false;
    }
    return true;
}

bool validateItemIdForMap(MapIdentities& identities, const ItemRecord& record)
{
    return validateItemIdForMap(identities, record.id, record.parts);
}

bool tileIdentitiesFit(MapIdentities& identities, const std::vector<Tile>& tiles)
{
    for (const Tile& tile : tiles) {
        if (!identitiesOfTileFit(identities, tile)) return false;
    }
    return true;
}
