#pragma once

#include <array>

#include "world/cargo.h"

using CargoCounters = std::array<int, CARGO_TYPE_COUNT>;

// Counts one unit of a kind. A kind outside the table is not counted, and a
// full counter stays full: map files refuse negative counts.
void countCargo(CargoCounters& counters, CargoType cargo);
