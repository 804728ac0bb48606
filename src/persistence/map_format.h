#pragma once

#include <cstdint>
#include <iterator>
#include <string_view>
#include <vector>

#include "world/game.h"

// The frame of the map text: its magic word, versions and sections.

constexpr std::string_view MAP_MAGIC = "ZEDARADOREV_MAP";
constexpr std::string_view STATE_KEYWORD = "STATE";
constexpr std::string_view ITEMS_KEYWORD = "ITEMS";

// The format version this build writes, and the oldest one it reads.
constexpr int MAP_VERSION = 43;
constexpr int OLDEST_MAP_VERSION = 1;

// Versions from which parts of the text exist.
constexpr int FIRST_VERSION_WITH_MACHINE_IDS = 4;
constexpr int FIRST_VERSION_WITH_STATE = 5;
constexpr int FIRST_VERSION_WITH_ALL_PRODUCER_IDS = 6;
constexpr int FIRST_LABELLED_VERSION = 8;
constexpr int FIRST_VERSION_WITH_THIRTEEN_CARGO = 16;

// Before thirteen kinds existed, "every kind" was written as this mask.
constexpr std::uint32_t OLD_ALL_CARGO = 1023;

// Early maps were 40 x 30 and fill the top-left corner of the grid.
constexpr int LEGACY_MAP_WIDTH = 40;
constexpr int LEGACY_MAP_HEIGHT = 30;

constexpr std::uint32_t MAX_MAP_ITEMS = 9600;

// One link section: the versions that carry it, its largest count and the
// world's vector it fills (none for legacy sections that are converted).
struct LinkSection {
    std::string_view keyword;
    int since;
    int until;
    std::uint32_t maxCount;
    std::vector<Link> Game::*links;
    bool switchWires;  // records carry the input and the stepper output
};

constexpr LinkSection LINK_SECTIONS[] = {
    {"POWER_LINKS", 17, MAP_VERSION, 14400, &Game::powerLinks, false},
    {"WATER_LINKS", 20, 20, 4800, nullptr, false},
    {"SIGNAL_LINKS", 23, 23, 19200, nullptr, false},
    {"SIGNAL_CONTROL_LINKS", 24, MAP_VERSION, 19200, &Game::signalControlLinks, true},
    {"SIGNAL_MEASURE_LINKS", 24, MAP_VERSION, 19200, &Game::signalMeasureLinks, false},
    {"DC_LINKS", 39, MAP_VERSION, 19200, &Game::dcLinks, false},
};
constexpr int LINK_SECTION_COUNT = static_cast<int>(std::size(LINK_SECTIONS));
constexpr int POWER_CABLES_SECTION = 0;
constexpr int WATER_LINKS_SECTION = 1;
constexpr int LEGACY_SIGNAL_LINKS_SECTION = 2;
constexpr int SWITCH_WIRES_SECTION = 3;
constexpr int MEASURE_WIRES_SECTION = 4;
constexpr int DC_CABLES_SECTION = 5;
