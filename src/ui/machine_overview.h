#pragma once

#include <SDL.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/camera.h"
#include "ui/hud_layout.h"
#include "world/control_type.h"

class Game;
struct Tile;

// "MASCHINENUEBERSICHT": every machine of the ten listed kinds in map order,
// rows from top to bottom and left to right within a row, one framed row of
// two lines each, drawn into the side panel's content area while open. The
// list is not kept: drawing and presses walk the map anew. The shell keeps
// the open flag and how many entries are scrolled away above the first row.

constexpr int MACHINE_ROW_PITCH = 42;
constexpr int MACHINE_ROW_HEIGHT = 40;

struct MachineEntry {
    int x = 0;
    int y = 0;
    ControlType type = EMPTY;
};

// Arms, long arms, distributors and mixers (their main tiles), kilns,
// smelters, bottling plants, storages, coal generators and injection molders.
bool isListedMachine(ControlType type);
std::vector<MachineEntry> machineEntries(const Game& game);

// "SCHMELZE 12,7".
std::string machineTitleLine(const MachineEntry& entry);
// What the machine holds, or whether an arm has power: "ERZ/EISEN 3 KOHLE 1".
std::string machineCountsText(const Tile& tile);

// How many rows a window of the height shows.
int machineRowsShown(int height);
// The row box of the entry shown `row`-th from the top (from 0).
ScreenRect machineRowRect(const ScreenRect& window, int row);

// The entry a left press at the point picks: rows count from 42 below the
// top, the 2-pixel gap with the row above, and below the last drawn row the
// rows go on where they would be drawn. None above the first row or past the
// last entry.
std::optional<MachineEntry> machineEntryAt(const Game& game, const ScreenRect& window, int scroll, int py);

void drawMachineOverview(SDL_Renderer* renderer, const ScreenRect& window, const Game& game, int scroll);
