#pragma once

#include <SDL.h>

#include <filesystem>
#include <iosfwd>
#include <map>

#include "render/sprite_key.h"
#include "world/tile.h"

// The sprite export: every distinct picture of control types 0 to 25, every
// bridge part and every water-pipe shape, painted by the procedural painters and
// saved as PNG sheets with their index files into the control sheet folder,
// from which later runs take their sprites. Existing files are overwritten.

// What one sheet cell is painted from.
struct ExportSample {
    bool powered = false;
    float time = 0.0f;
    Tile tile;
};

// What every control sheet of one export shares.
struct SheetExportContext {
    SDL_Renderer* renderer;
    std::ostream& index;  // the open "index.txt"
    std::filesystem::path directory;
};

// Cells of a control sheet in a row; sheet lines of the index follow key order.
constexpr int SHEET_COLUMNS = 16;
// The bridge sheet: 96 cells of 64 × 78, twelve to a row, each part's tile
// square 14 pixels below its cell's top so that its rise fills the cell.
constexpr int BRIDGE_SHEET_COLUMNS = 12;
constexpr int BRIDGE_CELL_HEIGHT = 78;
constexpr int BRIDGE_CELL_LIFT = 14;

// The whole export into the control sheet folder under the current directory,
// created with its parents when missing. Stops at the first failure; files
// written before it stay. Each index file is closed and then checked, so a write
// that fails late (a full disk) is a failure too. False on any failure; the
// program then ends with exit code 1.
bool exportControlPngs(SDL_Renderer* renderer);

// One sample a distinct key of the type at 64 pixels, from the states the
// painter shows in the first ten seconds of animation; the first sample of a
// key is kept.
std::map<SpriteKey, ExportSample> controlExportSamples(ControlType type);

// One control sheet, "tile_<n>_<size>.png", with its lines in the index. An
// empty sample map writes nothing.
bool exportControlSheet(SheetExportContext& context, int sheetNumber, int cellSize,
                        const std::map<SpriteKey, ExportSample>& samples);

// "bridges.txt" and "bridge_64.png" in the directory.
bool exportBridgeSheet(SDL_Renderer* renderer, const std::filesystem::path& directory);
