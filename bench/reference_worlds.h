#pragma once

#include <cstdint>

#include "world/game.h"

// Reference worlds for the benchmarks and the golden runs: one factory built
// over the whole 80 x 60 map and loaded with a chosen number of items.
//
// Fourteen bands of four rows fill rows 2..57: a transport row (belts running
// west through a mixer and a distributor into a tunnel), an arm row with power
// poles, a machine row and a product row that a bridge spans and that merges
// into the next band's transport row. The transport rows form one loop: each
// row's tunnel leads through six junctions in rows 0-1 and 58-59 to the start
// of another row, and those long tunnels hold most of the items of the larger
// loads. Kilns, smelters, bottling plants, molders with water, storages and
// generators are fed by arms; long arms and transfer arms move items between
// rows; sensors with cameras pay ejectors, stock sensors switch storages, and
// logic components on two 5V supplies drive arms, a source and a distributor.
//
// The layout does not depend on the load. The seed chooses which machine
// stands in which slot and which places hold the items.

constexpr int SMALL_FACTORY_ITEMS = 2400;
constexpr int FULL_FACTORY_ITEMS = 4000;
constexpr int LARGE_FACTORY_ITEMS = 9600;
constexpr std::uint64_t REFERENCE_SEED = 15;

// The factory with itemCount items on its belts, decks and tunnels, its
// networks refreshed as after a load. Throws std::logic_error when a control
// cannot be built or the places cannot hold the items.
Game referenceFactory(int itemCount, std::uint64_t seed = REFERENCE_SEED);
