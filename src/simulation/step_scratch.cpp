#include "simulation/step_scratch.h"

#include "simulation/item_transport.h"

namespace {

// Enough for the items that leave in a busy step; more would only hoard memory.
constexpr std::size_t MOST_SPARE_PATHS = 256;

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
    s.sparePaths.reserve(MOST_SPARE_PATHS);
    while (s.sparePaths.size() < MOST_SPARE_PATHS) {
        s.sparePaths.emplace_back();
        reservePath(s.sparePaths.back());
    }
}

void reservePath(Fifo<PathPoint>& path)
{
    if (path.capacity() < PATH_STORAGE) path.reserve(PATH_STORAGE);
}

void keepSparePath(StepScratch& scratch, CargoItem& leaving)
{
    if (scratch.sparePaths.size() >= MOST_SPARE_PATHS) return;
    if (scratch.sparePaths.capacity() < MOST_SPARE_PATHS) scratch.sparePaths.reserve(MOST_SPARE_PATHS);
    leaving.path.clear();
    scratch.sparePaths.push_back(std::move(leaving.path));
}

void giveSparePath(StepScratch& scratch, CargoItem& created)
{
    if (scratch.sparePaths.empty() || !created.path.empty()) return;
    created.path = std::move(scratch.sparePaths.back());
    scratch.sparePaths.pop_back();
}
