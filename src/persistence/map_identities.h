#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "world/item_identity.h"
#include "world/tile.h"

// Every produced unit of a map has its own identity: at most once in the
// whole map, from a machine id already handed out, with a serial its producer
// has reached, and no more than a million of them.
struct MapIdentities {
    std::uint64_t nextMachineId = 1;
    std::map<std::uint64_t, std::uint64_t> producerSerials;  // machine id -> serial counter
    std::set<std::pair<std::uint64_t, std::uint64_t>> seen;  // machine id, serial
};

constexpr std::size_t MAX_MAP_IDENTITIES = 1000000;

// The producers on the map, with the serials they have handed out.
MapIdentities identitiesOfProducers(const std::vector<Tile>& tiles, std::uint64_t nextMachineId);

// An anonymous identity passes unrecorded; any other one is recorded once.
bool acceptLoadedItemId(MapIdentities& identities, const ItemId& id);
// The unit's own identity, then each of its parts.
bool validateItemIdForMap(MapIdentities& identities, const ItemId& id, const std::vector<ItemId>& parts);
bool validateItemIdForMap(MapIdentities& identities, const ItemRecord& record);

// The identities the tiles hold: a sink's received units, and the units queued
// in kilns, smelters, bottling plants and storages, which must not be anonymous.
bool tileIdentitiesFit(MapIdentities& identities, const std::vector<Tile>& tiles);
