#include "ui/machine_overview.h"

#include "render/bitmap_font.h"
#include "render/widgets.h"
#include "ui/panel_drawing.h"
#include "world/game.h"

namespace {

constexpr int FIRST_ROW_TOP = MACHINE_ROW_PITCH;
// A row is drawn while its bottom text line still clears the window's bottom.
constexpr int ROW_FIT_MARGIN = 37;

const char* machineName(ControlType type)
{
    switch (type) {
    case ARM:
        return "GREIFARM";
    case LONG_ARM:
        return "LANGARM";
    case DISTRIBUTOR:
        return "VERTEILER";
    case MIXER:
        return "MISCHER";
    case OVEN:
        return "VERKOHLUNGSOFEN";
    case SMELTER:
        return "SCHMELZE";
    case FILLER:
        return "ABFUELLANLAGE";
    case STORAGE:
        return "LAGER";
    case COAL_GENERATOR:
        return "GENERATOR";
    case INJECTION_MOLDER:
        return "SPRITZGUSS";
    default:
        return "";
    }
}

std::string count(int value) { return std::to_string(value); }

}  // namespace

bool isListedMachine(ControlType type)
{
    switch (type) {
    case ARM:
    case LONG_ARM:
    case DISTRIBUTOR:
    case MIXER:
    case OVEN:
    case SMELTER:
    case FILLER:
    case STORAGE:
    case COAL_GENERATOR:
    case INJECTION_MOLDER:
        return true;
    default:
        return false;
    }
}

std::vector<MachineEntry> machineEntries(const Game& game)
{
    std::vector<MachineEntry> entries;
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            const ControlType type = game.tileAt(x, y).type;
            if (isListedMachine(type)) entries.push_back({x, y, type});
        }
    }
    return entries;
}

std::string machineTitleLine(const MachineEntry& entry)
{
    return std::string(machineName(entry.type)) + " " + count(entry.x) + "," + count(entry.y);
}

std::string machineCountsText(const Tile& tile)
{
    switch (tile.type) {
    case OVEN:
        return "HOLZ " + count(tile.ovenHeld) + " KOHLE " + count(tile.ovenOutputCount);
    case SMELTER:
        return "ERZ/EISEN " + count(tile.smelterHeld) + " KOHLE " + count(tile.smelterCoal);
    case FILLER:
        return "FLASCHEN " + count(tile.fillerBottles) + " FERTIG " + count(tile.fillerOutputCount);
    case STORAGE:
        return "BESTAND " + count(static_cast<int>(tile.storageCargo.size()));
    case COAL_GENERATOR:
        return "KOHLE " + count(tile.generatorCoal) + " LAST " + count(tile.generatorLoadKw) + " KW";
    case INJECTION_MOLDER:
        return "GRANULAT " + count(tile.molderGranulate) + " WASSER " + count(tile.molderWater) + " ZAHNRAEDER " +
               count(tile.molderOutputCount);
    default:
        return tile.powerSupplied ? "STROM OK" : "KEIN STROM";
    }
}

int machineRowsShown(int height)
{
    int rows = 0;
    while (FIRST_ROW_TOP + MACHINE_ROW_PITCH * rows + ROW_FIT_MARGIN < height)
        ++rows;
    return rows;
}

ScreenRect machineRowRect(const ScreenRect& window, int row)
{
    return {window.left + 6, window.top + FIRST_ROW_TOP + MACHINE_ROW_PITCH * row, window.width - 12,
            MACHINE_ROW_HEIGHT};
}

std::optional<MachineEntry> machineEntryAt(const Game& game, const ScreenRect& window, int scroll, int py)
{
    const int below = py - window.top;
    if (below < FIRST_ROW_TOP) return std::nullopt;
    const long long index = static_cast<long long>((below - FIRST_ROW_TOP) / MACHINE_ROW_PITCH) + scroll;
    const std::vector<MachineEntry> entries = machineEntries(game);
    if (index < 0 || index >= static_cast<long long>(entries.size())) return std::nullopt;
    return entries[static_cast<std::size_t>(index)];
}

void drawMachineOverview(SDL_Renderer* renderer, const ScreenRect& window, const Game& game, int scroll)
{
    drawPanelFrame(renderer, sdlRect(window), "MASCHINENUEBERSICHT");
    drawText(renderer, "KLICK SPRINGT ZUR MASCHINE - MAUSRAD BLAETTERT", window.left + 10, window.top + 28, 1);
    const std::vector<MachineEntry> entries = machineEntries(game);
    const int rows = machineRowsShown(window.height);
    for (int row = 0; row < rows; ++row) {
        const long long index = static_cast<long long>(scroll) + row;
        if (index < 0 || index >= static_cast<long long>(entries.size())) break;
        const MachineEntry& entry = entries[static_cast<std::size_t>(index)];
        const ScreenRect box = machineRowRect(window, row);
        // The neutral frame leaves its colour set for both lines.
        drawButtonFrame(renderer, box.left, box.top, box.width, box.height, 0);
        drawText(renderer, machineTitleLine(entry).c_str(), window.left + 12, box.top + 5, 1);
        const std::string status =
            game.statusText(entry.x, entry.y) + " - " + machineCountsText(game.tileAt(entry.x, entry.y));
        drawText(renderer, status.c_str(), window.left + 12, box.top + 20, 1);
    }
}
