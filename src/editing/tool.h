#pragma once

#include <array>
#include <string_view>

#include "world/control_type.h"

// What a left click on the map does: tools 0..42, never control types; the editing
// dispatch, the tool panel and the demo scripts share the numbers. 43..46 are the
// group buttons of the tool panel, which open pop-ups and are never the selected tool.
using Tool = int;

constexpr Tool TOOL_SOURCE = 0;
constexpr Tool TOOL_SINK = 1;
constexpr Tool TOOL_BELT = 2;
constexpr Tool TOOL_ARM = 3;
constexpr Tool TOOL_LONG_ARM = 4;
constexpr Tool TOOL_DISTRIBUTOR = 5;
constexpr Tool TOOL_DELETE = 6;
constexpr Tool TOOL_MIXER = 7;
constexpr Tool TOOL_OVEN = 8;
constexpr Tool TOOL_SMELTER = 9;
constexpr Tool TOOL_FILLER = 10;
constexpr Tool TOOL_BRIDGE = 11;
constexpr Tool TOOL_STORAGE = 12;
constexpr Tool TOOL_TUNNEL = 13;
constexpr Tool TOOL_BELT_SPEED = 14;
constexpr Tool TOOL_SHOP = 15;
constexpr Tool TOOL_COAL_GENERATOR = 16;
constexpr Tool TOOL_POWER_POLE = 17;
constexpr Tool TOOL_POWER_LINE = 18;
constexpr Tool TOOL_INJECTION_MOLDER = 19;
constexpr Tool TOOL_WATER_SOURCE = 20;
constexpr Tool TOOL_WATER_PIPE = 21;
constexpr Tool TOOL_DIRECTION = 22;
constexpr Tool TOOL_SENSOR = 23;
constexpr Tool TOOL_SIGNAL_MEASURE_LINE = 24;
constexpr Tool TOOL_SIGNAL_CONTROL_LINE = 25;
constexpr Tool TOOL_EJECTOR = 26;
constexpr Tool TOOL_UNUSED = 27;  // no keyword, never shown, never selected
constexpr Tool TOOL_LOGIC_AND = 28;
constexpr Tool TOOL_LOGIC_OR = 29;
constexpr Tool TOOL_LOGIC_XOR = 30;
constexpr Tool TOOL_LOGIC_NOT = 31;
constexpr Tool TOOL_SIGNAL_LAMP = 32;
constexpr Tool TOOL_LOGIC_COUNTER = 33;
constexpr Tool TOOL_LOGIC_TIMER = 34;
constexpr Tool TOOL_LOGIC_CLOCK = 35;
constexpr Tool TOOL_LOGIC_SWITCH = 36;
constexpr Tool TOOL_LOGIC_BUTTON = 37;
constexpr Tool TOOL_LOGIC_STEPPER = 38;
constexpr Tool TOOL_LOGIC_RS = 39;
constexpr Tool TOOL_POWER_SUPPLY = 40;
constexpr Tool TOOL_DC_LINE = 41;
constexpr Tool TOOL_SELECT = 42;

constexpr int TOOL_COUNT = 43;

// The names the demo scripts and the logs give the tools; tool 27 has none.
constexpr std::array<std::string_view, TOOL_COUNT> TOOL_KEYWORDS = {
    "SOURCE",
    "SINK",
    "BELT",
    "ARM",
    "LONG_ARM",
    "DISTRIBUTOR",
    "DELETE",
    "MIXER",
    "OVEN",
    "SMELTER",
    "FILLER",
    "BRIDGE",
    "STORAGE",
    "TUNNEL",
    "BELT_SPEED",
    "SHOP",
    "COAL_GENERATOR",
    "POWER_POLE",
    "POWER_LINE",
    "INJECTION_MOLDER",
    "WATER_SOURCE",
    "WATER_PIPE",
    "DIRECTION",
    "SENSOR",
    "SIGNAL_MEASURE_LINE",
    "SIGNAL_CONTROL_LINE",
    "EJECTOR",
    "",
    "LOGIC_AND",
    "LOGIC_OR",
    "LOGIC_XOR",
    "LOGIC_NOT",
    "SIGNAL_LAMP",
    "LOGIC_COUNTER",
    "LOGIC_TIMER",
    "LOGIC_CLOCK",
    "LOGIC_SWITCH",
    "LOGIC_BUTTON",
    "LOGIC_STEPPER",
    "LOGIC_RS",
    "POWER_SUPPLY",
    "DC_LINE",
    "SELECT",
};

constexpr Tool WATER_GROUP = 43;
constexpr Tool POWER_GROUP = 44;
constexpr Tool SIGNAL_GROUP = 45;
constexpr Tool LOGIC_GROUP = 46;

constexpr int TOOL_BUTTON_COUNT = 47;  // tools and group buttons

inline bool isGroupButton(Tool tool) { return tool >= WATER_GROUP && tool <= LOGIC_GROUP; }

// The control type a building tool puts down; EMPTY for the tools that edit
// rather than build (delete, painting, cables and wires, selection) and for
// the group buttons.
ControlType toolControlType(Tool tool);
