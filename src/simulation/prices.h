#pragma once

#include <cstdint>

#include "world/cargo.h"

// What a source pays for one unit, and what a shop pays for it (half as much again).
extern const std::uint64_t CARGO_PURCHASE_COST[CARGO_TYPE_COUNT];
extern const std::uint64_t CARGO_SALE_PRICE[CARGO_TYPE_COUNT];
