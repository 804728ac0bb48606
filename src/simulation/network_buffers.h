#pragma once

#include <cstdint>
#include <vector>

#include "simulation/switching_table.h"

struct Link;

// Working tables of the network refresh. They are sized once and reused, so a
// refresh allocates nothing once the world has settled. They carry nothing
// from one refresh to the next, and a copy of the world starts without them.

// Wires grouped by the tile at one of their ends, keeping list order.
struct WiresByTile {
    std::vector<int> start;  // per tile: first slot in wires; start[i + 1] ends it
    std::vector<int> wires;  // wire indices
};

// Kahn's walk over the switch wires that feed logic tiles.
struct SignalOrderBuffers {
    WiresByTile edgesBySource;
    std::vector<int> waitingInputs;             // per tile: incoming edges not yet walked
    std::vector<std::uint8_t> drivenInputs;     // per tile: bit n = input n has a driver
    std::vector<std::int64_t> machineWireKeys;  // source and target of each wire to a machine
};

struct NetworkBuffers {
    // Power, per consumer tile or per cable group root.
    std::vector<int> priority;   // per tile, read for consumers only
    std::vector<int> feedOrder;  // consumers by their place in the layout's list
    std::vector<int> runningGenerators;
    std::vector<int> networkSupplyKw;  // per root: what its running generators offer
    std::vector<int> networkFreeKw;    // per root: offer not yet handed out
    std::vector<int> networkLoadKw;    // per root: handed out
    std::vector<int> dcSlots;          // per root

    // Signals and switching.
    SwitchingTable switching;
    // Cameras: the belt tiles they watch and the first item seen on each.
    std::vector<int> watchSlot;     // per tile: its slot when a camera watches it, else -1
    std::vector<int> watchedTiles;  // per slot
    std::vector<int> sightings;     // per slot: item index, or -1
    std::vector<int> sensorSlots;   // per sensor of the layout: its slot, or -1

    NetworkBuffers() = default;
    NetworkBuffers(const NetworkBuffers&) = delete;
    NetworkBuffers& operator=(const NetworkBuffers&) = delete;
};

// Groups the wires of a list by their first end; wires with an end outside
// the grid are left out.
void groupWiresByTile(const std::vector<Link>& links, WiresByTile& groups);
