#include "simulation/switching_table.h"

void offerSwitchAction(std::vector<SwitchOffer>& table, int target, int priority, int sourceIndex, SwitchAction action)
{
    if (action == NO_CHANGE) return;
    SwitchOffer& offer = table[target];
    if (priority > offer.priority || (priority == offer.priority && sourceIndex < offer.sourceIndex)) {
        offer = SwitchOffer{priority, sourceIndex, action};
    }
}

void addPendingCommand(int& pending)
{
    if (pending < MAX_PENDING_COMMANDS) ++pending;
}
