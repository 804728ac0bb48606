#include "simulation/step_scratch.h"

namespace {

// Enough for the items that leave in a busy step; more would only hoard memory.
constexpr std::size_t MOST_SPARE_PATHS = 256;

}  // namespace

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
