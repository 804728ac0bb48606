#pragma once

#include <climits>
#include <vector>

#include "world/tile.h"

// Jobs and shots a switch wire can owe an arm or an ejector.
constexpr int MAX_PENDING_COMMANDS = 1000;

// One target's entry in the switching table.
struct SwitchOffer {
    int priority = -1;
    int sourceIndex = INT_MAX;
    SwitchAction action = NO_CHANGE;
};

// The commands offered to the targets in one refresh. Only the entries that
// received an offer are touched, and clear() restores just those.
class SwitchingTable {
  public:
    // Offers a command to a target: the highest priority wins and, among
    // equal priorities, the source with the lowest tile index, whatever the
    // order of the offers. NO_CHANGE is never offered.
    void offer(int target, int priority, int sourceIndex, SwitchAction action);
    // The targets that received an offer, in index order, each once.
    const std::vector<int>& targets();
    const SwitchOffer& at(int target) const { return offers_[static_cast<std::size_t>(target)]; }
    void clear();

  private:
    std::vector<SwitchOffer> offers_;  // per tile
    std::vector<int> targets_;
};

// One more owed job or shot, up to the cap.
void addPendingCommand(int& pending);

inline bool isSingleJobArm(const Tile& tile) { return isArm(tile.type) && !tile.armContinuous; }
