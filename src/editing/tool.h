#pragma once

#include "world/control_type.h"

// What a left press on the map does. The numbers are those the demo scripts
// and the palette's tables use; they are not control types. Tool 27 has no
// keyword and is never selected.
enum class Tool {
    SOURCE = 0,
    SINK = 1,
    BELT = 2,
    ARM = 3,
    LONG_ARM = 4,
    DISTRIBUTOR = 5,
    DELETE = 6,
    MIXER = 7,
    OVEN = 8,
    SMELTER = 9,
    FILLER = 10,
    BRIDGE = 11,
    STORAGE = 12,
    TUNNEL = 13,
    BELT_SPEED = 14,
    SHOP = 15,
    COAL_GENERATOR = 16,
    POWER_POLE = 17,
    POWER_LINE = 18,
    INJECTION_MOLDER = 19,
    WATER_SOURCE = 20,
    WATER_PIPE = 21,
    DIRECTION = 22,
    SENSOR = 23,
    SIGNAL_MEASURE_LINE = 24,
    SIGNAL_CONTROL_LINE = 25,
    EJECTOR = 26,
    UNUSED = 27,
    LOGIC_AND = 28,
    LOGIC_OR = 29,
    LOGIC_XOR = 30,
    LOGIC_NOT = 31,
    SIGNAL_LAMP = 32,
    LOGIC_COUNTER = 33,
    LOGIC_TIMER = 34,
    LOGIC_CLOCK = 35,
    LOGIC_SWITCH = 36,
    LOGIC_BUTTON = 37,
    LOGIC_STEPPER = 38,
    LOGIC_RS = 39,
    POWER_SUPPLY = 40,
    DC_LINE = 41,
    SELECT = 42,
};

constexpr int TOOL_COUNT = 43;

// The control type a building tool puts down; EMPTY for the tools that edit
// rather than build (delete, painting, cables and wires, selection).
ControlType toolControlType(Tool tool);
