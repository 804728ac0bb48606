#pragma once

#include <array>
#include <string>

#include "world/cargo.h"

// The game's images, read from the asset folder relative to the current directory.

constexpr const char* ASSET_FOLDER = "assets/";

// One sprite per cargo kind, in CargoType order.
constexpr std::array<const char*, CARGO_TYPE_COUNT> CARGO_SPRITE_FILES = {
    "log.png",
    "planks.png",
    "coal.png",
    "iron_ore.png",
    "iron_ingot.png",
    "steel_ingot.png",
    "empty_bottle.png",
    "full_bottle.png",
    "iron_plate.png",
    "steel_plate.png",
    "plastic_granulate.png",
    "water.png",
    "plastic_gear.png",
};

// The arm's parts, in the order of ArmTextures' slots.
enum ArmSprite {
    ARM_SHAFT,
    LONG_ARM_SHAFT,
    ARM_HAND_OPEN,
    ARM_HAND_CLOSED,
    ARM_BASE_HORIZONTAL,
    ARM_BASE_VERTICAL,
    ARM_SPRITE_COUNT
};

constexpr std::array<const char*, ARM_SPRITE_COUNT> ARM_SPRITE_FILES = {
    "arm_shaft.png",       "long_arm_shaft.png",      "arm_hand_open.png",
    "arm_hand_closed.png", "arm_base_horizontal.png", "arm_base_vertical.png",
};

// Design sizes of the arm's parts in 32-unit tile design units, with the point
// each is turned about; the sprites are drawn at ARM_SPRITE_SCALE times these.
struct ArmPartDesign {
    int w;
    int h;
    int pivotX;
    int pivotY;
};
constexpr std::array<ArmPartDesign, ARM_SPRITE_COUNT> ARM_PART_DESIGNS = {{
    {48, 18, 8, 9},
    {80, 18, 8, 9},
    {28, 32, 14, 16},
    {28, 32, 14, 16},
    {32, 32, 16, 16},
    {32, 32, 16, 16},
}};
constexpr int ARM_SPRITE_SCALE = 4;

// Pre-rendered control, bridge and water-pipe sprites: optional, read when
// present and written by the sprite export.
constexpr const char* CONTROL_SHEET_FOLDER = "assets/controls";
constexpr const char* CONTROL_INDEX_FILE = "index.txt";
constexpr const char* BRIDGE_INDEX_FILE = "bridges.txt";
constexpr int WATER_PIPE_VARIANTS = 16;
// Sheets hold every picture at this size and are scaled to the zoom.
constexpr int SHEET_CELL_SIZE = 64;

// A path inside the control sheet folder.
inline std::string controlSheetPath(const std::string& file) { return std::string(CONTROL_SHEET_FOLDER) + "/" + file; }
// "tile_3_64.png": the sheet of one control type at one cell size.
inline std::string controlSheetFile(int sheetNumber, int cellSize)
{
    return "tile_" + std::to_string(sheetNumber) + "_" + std::to_string(cellSize) + ".png";
}
inline std::string bridgeSheetFile(int cellSize) { return "bridge_" + std::to_string(cellSize) + ".png"; }
inline std::string waterPipeFile(int variant) { return "water_pipe_" + std::to_string(variant) + ".png"; }
