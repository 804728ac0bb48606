#pragma once

#include "simulation/network_buffers.h"

class Game;

// Measures the sensor at the tile index: its stock over measure wires, the
// item its camera sees, its output, and the commands it offers to machines.
// The wire groups in work must be current.
void measureSensor(Game& game, int index, NetworkBuffers& work);
