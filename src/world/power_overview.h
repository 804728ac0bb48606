#pragma once

#include <vector>

#include "world/control_type.h"

struct Tile;

// One power cable network as the power overview shows it.
struct PowerNetworkInfo {
    int root = 0;           // smallest tile index joined by the network's cables
    int capacityKw = 0;     // "VERFUEGBAR"
    int allocatedKw = 0;    // "ZUGETEILT"
    int missingKw = 0;      // "FEHLEND"
    int consumerCount = 0;  // "VERBRAUCHER"

    friend bool operator==(const PowerNetworkInfo&, const PowerNetworkInfo&) = default;
};

// The power networks of the map, for display.
struct PowerOverview {
    // Per tile index: the network of a generator, pole or 5V supply, or the
    // network chosen to feed a consumer (both tiles of a pair); -1 otherwise.
    std::vector<int> networkOfTile;
    std::vector<PowerNetworkInfo> networks;  // in order of each network's first tile
    int missingWithoutPoleKw = 0;            // "OHNE MAST"
};

// A pole reaches this many tiles on each side of it.
constexpr int POLE_REACH = 3;

// Generators, poles and 5V supplies: the tiles power cables join.
bool isPowerNetworkType(ControlType t);
// Main tiles of the controls that draw power (pair second tiles are not counted).
bool isPowerConsumerType(ControlType t);
// What a consumer tile draws, in whole kilowatts; 0 for anything else.
int powerDemandKw(const Tile& tile);
// A generator switched on with coal or burn time left.
bool generatorCanSupply(const Tile& tile);
