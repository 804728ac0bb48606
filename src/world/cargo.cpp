#include "world/cargo.h"

const char* const CARGO_KEYWORDS[CARGO_TYPE_COUNT] = {
    "LOG",         "PLANKS",     "COAL",        "IRON_ORE",          "IRON_INGOT", "STEEL_INGOT",  "EMPTY_BOTTLE",
    "FULL_BOTTLE", "IRON_PLATE", "STEEL_PLATE", "PLASTIC_GRANULATE", "WATER",      "PLASTIC_GEAR",
};

const char* const CARGO_NAMES[CARGO_TYPE_COUNT] = {
    "BAUMSTAMM",          "BRETTER",       "KOHLE",       "EISENERZ",    "EISENBARREN",     "STAHLBARREN",
    "LEERE FLASCHE",      "VOLLE FLASCHE", "EISENPLATTE", "STAHLPLATTE", "PLASTIKGRANULAT", "WASSER",
    "KUNSTSTOFF-ZAHNRAD",
};

const char* const CARGO_SHORT_NAMES[CARGO_TYPE_COUNT] = {
    "STAMM",    "BRETTER",  "KOHLE",    "EISENERZ", "EISEN",  "STAHL",   "FL. LEER",
    "FL. BLAU", "EISENPL.", "STAHLPL.", "GRANULAT", "WASSER", "ZAHNRAD",
};

const CargoFootprint CARGO_FOOTPRINT[CARGO_TYPE_COUNT] = {
    {0.4375f, 0.2969f}, {0.4844f, 0.4375f}, {0.4219f, 0.4375f}, {0.4531f, 0.4219f}, {0.3906f, 0.3438f},
    {0.4375f, 0.3594f}, {0.1875f, 0.4219f}, {0.1719f, 0.3594f}, {0.4531f, 0.2812f}, {0.4062f, 0.2812f},
    {0.3125f, 0.2344f}, {0.25f, 0.3281f},   {0.3125f, 0.2812f},
};

CargoType cargoTypeFromKeyword(std::string_view word)
{
    for (int c = 0; c < CARGO_TYPE_COUNT; ++c) {
        if (word == CARGO_KEYWORDS[c]) return c;
    }
    return -1;
}

float cargoExtent(CargoType c, Direction travel)
{
    if (!isCargoType(c)) return 0.0f;
    const CargoFootprint& f = CARGO_FOOTPRINT[c];
    float length = (travel == EAST || travel == WEST) ? f.alongX : f.alongY;
    return length + 1.0f / 12.0f - 0.02f;
}
