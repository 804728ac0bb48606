#pragma once

#include <cstdint>
#include <string_view>

#include "world/direction.h"

// The thirteen cargo kinds, in the order map files and masks use.
using CargoType = int;

constexpr CargoType LOG = 0;
constexpr CargoType PLANKS = 1;
constexpr CargoType COAL = 2;
constexpr CargoType IRON_ORE = 3;
constexpr CargoType IRON_INGOT = 4;
constexpr CargoType STEEL_INGOT = 5;
constexpr CargoType EMPTY_BOTTLE = 6;
constexpr CargoType FULL_BOTTLE = 7;
constexpr CargoType IRON_PLATE = 8;
constexpr CargoType STEEL_PLATE = 9;
constexpr CargoType PLASTIC_GRANULATE = 10;
constexpr CargoType WATER = 11;
constexpr CargoType PLASTIC_GEAR = 12;

constexpr int CARGO_TYPE_COUNT = 13;

// Bit n stands for cargo kind n; only the low 13 bits are used.
using CargoMask = std::uint32_t;
constexpr CargoMask ALL_CARGO = 8191;

inline bool isCargoType(int c) { return c >= 0 && c < CARGO_TYPE_COUNT; }
inline CargoMask cargoBit(CargoType c) { return isCargoType(c) ? CargoMask{1} << c : 0; }
inline bool maskHasCargo(CargoMask mask, CargoType c) { return (mask & cargoBit(c)) != 0; }
inline CargoMask clampCargoMask(CargoMask mask) { return mask & ALL_CARGO; }

extern const char* const CARGO_KEYWORDS[CARGO_TYPE_COUNT];
extern const char* const CARGO_NAMES[CARGO_TYPE_COUNT];
extern const char* const CARGO_SHORT_NAMES[CARGO_TYPE_COUNT];

struct CargoFootprint {
    float alongX;
    float alongY;
};
extern const CargoFootprint CARGO_FOOTPRINT[CARGO_TYPE_COUNT];

// Exact, case-sensitive keyword lookup; -1 when the word names no kind.
CargoType cargoTypeFromKeyword(std::string_view word);

// Length of the cargo along its travel direction, with its spacing allowance.
float cargoExtent(CargoType c, Direction travel);
