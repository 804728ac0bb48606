#pragma once

#include <cstddef>

#include "simulation/network_buffers.h"

class Game;

struct CargoItem;

// Finds, for the camera of every sensor in work.sensors that has 5V, the item
// it sees: one pass over the items takes, for each watched belt tile, the
// first item in list order that shows on it.
void findSightings(const Game& game, NetworkBuffers& work);

// The item the camera of the k-th sensor of work.sensors sees, or null.
const CargoItem* sightingOf(const Game& game, const NetworkBuffers& work, std::size_t k);

// Measures the sensor at the tile index: its stock over measure wires, the
// item its camera sees (seen), its output, and the commands it offers to
// machines. The wire groups in work must be current.
void measureSensor(Game& game, int index, const CargoItem* seen, NetworkBuffers& work);
