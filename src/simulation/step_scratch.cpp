#include "simulation/step_scratch.h"

#include <algorithm>

#include "simulation/item_transport.h"

namespace {

// Enough for the items that leave in a busy step; more would only hoard memory.
constexpr std::size_t MOST_SPARE_PATHS = 256;
// Items held up on their way while belt steps carry them on: hundreds in a
// jammed factory, each keeping every tile it was carried over.
constexpr std::size_t MOST_LONG_PATHS = 1024;
constexpr std::size_t LONG_PATH_STORAGE = 8 * PATH_STORAGE;
// Gears on their way at once in a large factory, and the identities a gear
// lists: two granulate and a water unit.
constexpr std::size_t MOST_SPARE_PART_LISTS = 64;
constexpr std::size_t GEAR_PART_STORAGE = 4;

// Moves a spare storage larger than capacity out of the pool into taken.
bool takeLarger(std::vector<Fifo<PathPoint>>& pool, std::size_t capacity, Fifo<PathPoint>& taken)
{
    const auto found = std::find_if(pool.begin(), pool.end(),
                                    [&](const Fifo<PathPoint>& spare) { return spare.capacity() > capacity; });
    if (found == pool.end()) return false;
    taken = std::move(*found);
    *found = std::move(pool.back());
    pool.pop_back();
    return true;
}

// Keeps the storage of the path in the pool unless the pool is full.
void keepIn(std::vector<Fifo<PathPoint>>& pool, std::size_t most, Fifo<PathPoint>& path)
{
    if (pool.size() >= most) return;
    if (pool.capacity() < most) pool.reserve(most);
    path.clear();
    pool.push_back(std::move(path));
}

// Fills the pool with count storages of the given capacity each.
template <class Storage> void fillSpares(std::vector<Storage>& spares, std::size_t count, std::size_t capacity)
{
    spares.reserve(count);
    while (spares.size() < count) {
        spares.emplace_back();
        spares.back().reserve(capacity);
    }
}

}  // namespace

void reserveForMostItems(StepScratch& s)
{
    for (std::vector<int>* list : {&s.generators, &s.molders, &s.waterSources, &s.workingMolders, &s.pipeQueue,
                                   &s.pipeMolders, &s.idleArms, &s.itemsOnTile})
        list->reserve(TILE_COUNT);
    for (std::vector<char>* table : {&s.pipeSeen, &s.pickupTiles, &s.dropTiles, &s.ejectorsInCharge})
        table->reserve(TILE_COUNT);
    s.candidates.reserve(MOST_WORLD_ITEMS);
    s.takenItems.reserve(MOST_WORLD_ITEMS);
    s.armLoops.reserve(TILE_COUNT);
    s.pressLoops.reserve(TILE_COUNT);
    s.nearArms.reserve();
    s.room.reserve();
    fillSpares(s.sparePaths, MOST_SPARE_PATHS, PATH_STORAGE);
    fillSpares(s.longPaths, MOST_LONG_PATHS, LONG_PATH_STORAGE);
    fillSpares(s.spareParts, MOST_SPARE_PART_LISTS, GEAR_PART_STORAGE);
}

void keepSparePartList(StepScratch& scratch, std::vector<ItemId>& parts)
{
    if (parts.capacity() < GEAR_PART_STORAGE || scratch.spareParts.size() >= MOST_SPARE_PART_LISTS) return;
    if (scratch.spareParts.capacity() < MOST_SPARE_PART_LISTS) scratch.spareParts.reserve(MOST_SPARE_PART_LISTS);
    parts.clear();
    scratch.spareParts.push_back(std::move(parts));
}

void reservePath(Fifo<PathPoint>& path)
{
    if (path.capacity() < PATH_STORAGE) path.reserve(PATH_STORAGE);
}

void keepSparePath(StepScratch& scratch, CargoItem& leaving)
{
    // Long storage goes back to its own pool, where held-up items find it.
    const bool isLong = leaving.path.capacity() >= LONG_PATH_STORAGE && scratch.longPaths.size() < MOST_LONG_PATHS;
    keepIn(isLong ? scratch.longPaths : scratch.sparePaths, isLong ? MOST_LONG_PATHS : MOST_SPARE_PATHS, leaving.path);
}

void makeRoomInPath(StepScratch& scratch, Fifo<PathPoint>& path)
{
    if (path.size() < path.capacity()) return;  // room, or a dead prefix to drop
    Fifo<PathPoint> larger;
    if (!takeLarger(scratch.sparePaths, path.capacity(), larger) &&
        !takeLarger(scratch.longPaths, path.capacity(), larger)) {
        return;  // the path grows as any vector does
    }
    for (const PathPoint& p : path)
        larger.push_back(p);
    std::swap(path, larger);
    keepIn(scratch.sparePaths, MOST_SPARE_PATHS, larger);
}

void giveSparePath(StepScratch& scratch, CargoItem& created)
{
    if (scratch.sparePaths.empty() || !created.path.empty()) return;
    created.path = std::move(scratch.sparePaths.back());
    scratch.sparePaths.pop_back();
}
