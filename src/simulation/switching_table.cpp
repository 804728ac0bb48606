#include "simulation/switching_table.h"

#include <algorithm>

#include "world/geometry.h"

void SwitchingTable::offer(int target, int priority, int sourceIndex, SwitchAction action)
{
    if (action == NO_CHANGE) return;
    if (offers_.empty()) offers_.resize(TILE_COUNT);
    SwitchOffer& offer = offers_[static_cast<std::size_t>(target)];
    if (offer.action == NO_CHANGE) targets_.push_back(target);
    if (priority > offer.priority || (priority == offer.priority && sourceIndex < offer.sourceIndex)) {
        offer = SwitchOffer{priority, sourceIndex, action};
    }
}

const std::vector<int>& SwitchingTable::targets()
{
    std::sort(targets_.begin(), targets_.end());
    targets_.erase(std::unique(targets_.begin(), targets_.end()), targets_.end());
    return targets_;
}

void SwitchingTable::clear()
{
    for (int target : targets_)
        offers_[static_cast<std::size_t>(target)] = SwitchOffer{};
    targets_.clear();
}

void addPendingCommand(int& pending)
{
    if (pending < MAX_PENDING_COMMANDS) ++pending;
}
