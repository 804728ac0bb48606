#pragma once

#include <vector>

#include "simulation/network_buffers.h"

// Jobs and shots a switch wire can owe an arm or an ejector.
constexpr int MAX_PENDING_COMMANDS = 1000;

// Offers a command to a target: the highest priority wins and, among equal
// priorities, the source with the lowest tile index, whatever the order of
// the offers. NO_CHANGE is never offered.
void offerSwitchAction(std::vector<SwitchOffer>& table, int target, int priority, int sourceIndex, SwitchAction action);

// One more owed job or shot, up to the cap.
void addPendingCommand(int& pending);

inline bool isArmType(ControlType type) { return type == ARM || type == LONG_ARM; }
inline bool isSingleJobArm(const Tile& tile) { return isArmType(tile.type) && !tile.armContinuous; }
