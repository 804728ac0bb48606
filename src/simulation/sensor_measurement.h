#pragma once

#include <cstddef>

#include "simulation/network_buffers.h"
#include "simulation/network_layout.h"

class Game;
class TunnelItemIndex;

struct CargoItem;

// Finds, for the camera of every sensor of the list that has 5V, the item it
// sees: one pass over the items takes, for each watched belt tile, the first
// item in list order that shows on it. The items the tunnel index holds are
// passed by.
void findSightings(const Game& game, const std::vector<int>& sensors, TunnelItemIndex& tunnels, NetworkBuffers& work);

// The item the camera of the k-th sensor of the list sees, or null.
const CargoItem* sightingOf(const Game& game, const NetworkBuffers& work, std::size_t k);

// Measures the sensor at the tile index: its stock over measure wires, the
// item its camera sees (seen), its output, and the commands it offers to
// machines.
void measureSensor(Game& game, int index, const CargoItem* seen, const NetworkLayout& layout, NetworkBuffers& work);
