#pragma once

#include <cstdint>
#include <vector>

#include "simulation/network_buffers.h"

class Game;

// What the network refresh derives from the tiles' kinds and directions and
// from the cables and wires alone: the cable groups, the tiles each rebuild
// works on, the wire groups and the signal order. Part of the world layout.
struct NetworkLayout {
    // Power. A group is named by its root tile, as the cable order makes it.
    std::vector<int> powerRoot;     // per tile
    std::vector<int> powerRoots;    // the groups of generators, poles and 5V supplies, each once
    std::vector<int> networkTiles;  // generators, poles and 5V supplies
    std::vector<int> generators;
    std::vector<int> consumers;
    std::vector<int> reachStart;  // per consumer and one more: where its groups begin in reachRoots
    std::vector<int> reachRoots;  // the groups a consumer can draw from, lowest first
    std::vector<int> shownOn;     // per consumer: the second tile of its pair, or -1
    std::vector<int> powerTiles;  // every tile a rebuild writes power flags on
    bool powerFresh = true;       // the next rebuild also clears every other tile

    // 5V.
    std::vector<int> dcRoot;   // per tile
    std::vector<int> dcTiles;  // every tile a rebuild writes 5V fields on
    std::vector<int> supplies;
    std::vector<int> dcConsumers;  // per root: the sensors and logic components drawing a slot
    bool dcFresh = true;           // the next rebuild also rewrites every other tile

    // Signals.
    std::vector<std::uint8_t> switchWireEnds;  // per tile: some switch wire ends here
    std::vector<int> releasedTiles;            // distributors and arms that no switch wire ends on
    std::vector<int> sensors;
    WiresByTile switchWiresBySource;
    WiresByTile measureWiresBySource;
    bool hasLogic = false;
    bool signalsValid = false;
    std::vector<int> evaluationOrder;
    std::vector<int> inputWireA;  // per tile: the wire feeding input A of a logic tile, or -1
    std::vector<int> inputWireB;
};

void buildNetworkLayout(const Game& game, NetworkLayout& layout);
