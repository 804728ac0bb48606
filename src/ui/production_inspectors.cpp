#include "ui/production_inspectors.h"

#include <algorithm>
#include <array>

#include "editing/control_settings.h"
#include "editing/multi_selection.h"
#include "machines/smelter_control.h"
#include "render/bitmap_font.h"
#include "render/widgets.h"
#include "simulation/prices.h"
#include "ui/panel_drawing.h"
#include "world/game.h"

namespace {

constexpr std::array<MachineColumn, 2> OVEN_COLUMNS = {{{LOG, "STAMM"}, {PLANKS, "BRETTER"}}};
constexpr std::array<MachineColumn, 3> SMELTER_COLUMNS = {{{IRON_ORE, "ERZ"}, {IRON_INGOT, "EISEN"}, {COAL, "KOHLE"}}};
constexpr PackedColor PURCHASE_COLOUR = packColor(243, 220, 151);

// "AN" in green or "AUS" in red.
void drawOnOffWord(SDL_Renderer* renderer, bool on, int onX, int offX, int y)
{
    if (on) {
        drawPhrase(renderer, "AN", onX, y, SWITCH_ON_TEXT_COLOUR);
    } else {
        drawPhrase(renderer, "AUS", offX, y, SWITCH_OFF_TEXT_COLOUR);
    }
}

// The switch with a power symbol and "ON" or "OFF".
void drawOnOffButton(SDL_Renderer* renderer, const ScreenRect& panel, bool on)
{
    drawButton(renderer, onOffButtonRect(panel), switchState(on));
    setDrawColor(renderer, PANEL_VALUE_COLOUR);
    constexpr std::array<SDL_Point, 8> RING = {{{0, -4}, {3, -3}, {4, 0}, {3, 3}, {0, 4}, {-3, 3}, {-4, 0}, {-3, -3}}};
    for (const SDL_Point& p : RING)
        SDL_RenderDrawPoint(renderer, panel.left + 19 + p.x, panel.top + 34 + p.y);
    SDL_RenderDrawLine(renderer, panel.left + 19, panel.top + 28, panel.left + 19, panel.top + 33);
    drawText(renderer, on ? "ON" : "OFF", panel.left + 29, panel.top + 31, 1);
}

bool isSource(const Tile& tile) { return tile.type == SOURCE; }

// The label field takes its presses first, on the panels that have one; in a
// selection's view it takes none.
bool pressLabelField(const PanelTarget& target, const ScreenRect& panel, int rowOffset, int px, int py)
{
    return target.label != nullptr &&
           pressIdTextField(*target.label, target.game, panel, rowOffset, target.x, target.y, px, py);
}

void drawMachineColumns(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile,
                        CargoMask accepted)
{
    const std::span<const MachineColumn> columns = machineColumns(tile.type);
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const MachineColumn& column = columns[k];
        const ScreenRect r = machineColumnRect(panel, static_cast<int>(k));
        const bool on = maskHasCargo(accepted, column.cargo);
        drawButton(renderer, r, switchState(on));
        copySprite(renderer, cargoSprite(sprites, column.cargo), {r.left + 26, panel.top + 28, 28, 28});
        drawCentredText(renderer, column.name, r.left, r.width, panel.top + 64, PANEL_VALUE_COLOUR);
        drawOnOffWord(renderer, on, r.left + 34, r.left + 31, panel.top + 79);
        drawCountRow(renderer, r.left, r.width, machineCount(tile, column.cargo), panel.top + 99);
    }
}

}  // namespace

// Source and sink.

std::string sourcePanelTitle(const Tile& tile)
{
    return isSource(tile) ? "QUELLE " + std::to_string(tile.machineId) + " - ERZEUGT" : "ZIEL - GELIEFERT";
}

std::string purchaseText(CargoType cargo)
{
    const std::uint64_t cost = isCargoType(cargo) ? CARGO_PURCHASE_COST[cargo] : 0;
    return "EINKAUF " + std::to_string(cost) + " EUR PRO GUT";
}

ScreenRect onOffButtonRect(const ScreenRect& panel) { return panelRect(panel, 10, 25, 44, 19); }

void drawSourcePanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile,
                     bool editing, std::string_view editBuffer)
{
    const bool source = isSource(tile);
    drawPanelFrame(renderer, sdlRect(panel), sourcePanelTitle(tile).c_str());
    drawOnOffButton(renderer, panel, source ? tile.sourceRunning : tile.sinkAccepting);
    if (source) {
        drawIdTextField(renderer, panel, tile, editing, editBuffer, SOURCE_LABEL_ROW);
        drawPhrase(renderer, purchaseText(tile.sourceCargo), panel.left + 10, panel.top + 73, PURCHASE_COLOUR);
    }
    const CargoGrid& grid = source ? SOURCE_GRID : SINK_GRID;
    for (CargoType cargo = 0; cargo < CARGO_TYPE_COUNT; ++cargo) {
        const ScreenRect cell = cargoCellRect(panel, grid, cargo);
        drawButton(renderer, cell, choiceState(source && tile.sourceCargo == cargo));
        copySprite(renderer, cargoSprite(sprites, cargo), {cell.left + 31, cell.top + 2, 28, 28});
        drawCentredText(renderer, cargoShortName(cargo), cell.left, cell.width, cell.top + 32, PANEL_VALUE_COLOUR);
        const std::size_t kind = static_cast<std::size_t>(cargo);
        drawCountRow(renderer, cell.left, cell.width, source ? tile.sourceProduced[kind] : tile.sinkDelivered[kind],
                     cell.top + 47);
    }
}

bool pressSourcePanel(const PanelTarget& target, const ScreenRect& panel, int px, int py)
{
    if (pressLabelField(target, panel, SOURCE_LABEL_ROW, px, py)) return true;
    if (contains(onOffButtonRect(panel), px, py)) {
        if (target.selection != nullptr) {
            setSelectionFlagByType(*target.selection, target.game, SOURCES, !target.tile().sourceRunning);
        } else {
            toggleSourceRunning(target.game, target.x, target.y);
        }
        return true;
    }
    const int cell = cargoCellAt(panel, SOURCE_GRID, px, py);
    if (cell < 0) return false;
    if (target.selection != nullptr) {
        setSelectionSourceCargo(*target.selection, target.game, cell);
    } else {
        setSourceCargo(target.game, target.x, target.y, cell);
    }
    return true;
}

bool pressSinkPanel(const PanelTarget& target, const ScreenRect& panel, int px, int py)
{
    if (!contains(onOffButtonRect(panel), px, py)) return false;
    if (target.selection != nullptr) {
        setSelectionFlagByType(*target.selection, target.game, SINKS, !target.tile().sinkAccepting);
    } else {
        toggleSinkAccepting(target.game, target.x, target.y);
    }
    return true;
}

// Charcoal kiln and smelter.

std::span<const MachineColumn> machineColumns(ControlType type)
{
    if (type == OVEN) return OVEN_COLUMNS;
    return SMELTER_COLUMNS;
}

ScreenRect machineColumnRect(const ScreenRect& panel, int column)
{
    return panelRect(panel, 10 + 90 * column, 25, 80, 92);
}

std::string machineTitle(std::string_view name, const Tile& tile)
{
    return std::string(name) + " " + std::to_string(tile.machineId);
}

int machineCount(const Tile& tile, CargoType cargo)
{
    if (tile.type == OVEN)
        return static_cast<int>(std::count(tile.ovenInputCargo.begin(), tile.ovenInputCargo.end(), cargo));
    return SmelterControl().countOf(tile, cargo);
}

void drawOvenPanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile,
                   bool editing, std::string_view editBuffer)
{
    drawPanelFrame(renderer, sdlRect(panel), machineTitle("VERKOHLUNGSOFEN", tile).c_str());
    drawMachineColumns(renderer, sprites, panel, tile, tile.ovenAcceptMask);
    drawIdTextField(renderer, panel, tile, editing, editBuffer, MACHINE_LABEL_ROW);
}

void drawSmelterPanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile,
                      bool editing, std::string_view editBuffer)
{
    drawPanelFrame(renderer, sdlRect(panel), machineTitle("SCHMELZE", tile).c_str());
    drawMachineColumns(renderer, sprites, panel, tile, tile.smelterAcceptMask);
    drawIdTextField(renderer, panel, tile, editing, editBuffer, MACHINE_LABEL_ROW);
}

bool pressOvenSmelterPanel(const PanelTarget& target, const ScreenRect& panel, int px, int py)
{
    if (pressLabelField(target, panel, MACHINE_LABEL_ROW, px, py)) return true;
    Tile& first = target.tile();
    const bool oven = first.type == OVEN;
    const std::span<const MachineColumn> columns = machineColumns(first.type);
    for (std::size_t k = 0; k < columns.size(); ++k) {
        if (!contains(machineColumnRect(panel, static_cast<int>(k)), px, py)) continue;
        const CargoMask bit = cargoBit(columns[k].cargo);
        CargoMask& mask = oven ? first.ovenAcceptMask : first.smelterAcceptMask;
        if (target.selection != nullptr) {
            toggleSelectionOvenSmelterFilter(*target.selection, target.game, oven ? KILNS : SMELTERS, (mask & bit) == 0,
                                             bit);
        } else {
            mask ^= bit;
        }
        return true;
    }
    return false;
}

// Bottling plant.

ScreenRect fillerAcceptButtonRect(const ScreenRect& panel) { return panelRect(panel, 10, 25, panel.width - 20, 92); }

void drawFillerPanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile,
                     bool editing, std::string_view editBuffer)
{
    drawPanelFrame(renderer, sdlRect(panel), machineTitle("ABFUELLANLAGE", tile).c_str());
    const ScreenRect button = fillerAcceptButtonRect(panel);
    drawButton(renderer, button, switchState(tile.fillerAccepting));
    copySprite(renderer, cargoSprite(sprites, EMPTY_BOTTLE), sdlRect(panelRect(panel, 18, 33, 28, 28)));
    drawPhrase(renderer, "LEERFLASCHE", panel.left + 52, panel.top + 33, PANEL_VALUE_COLOUR);
    drawOnOffWord(renderer, tile.fillerAccepting, panel.left + 52, panel.left + 52, panel.top + 49);
    drawPhrase(renderer, "VOLL", panel.left + 52, panel.top + 69, PANEL_VALUE_COLOUR);
    drawCountRow(renderer, button.left, button.width, tile.fillerOutputCount, panel.top + 93);
    drawIdTextField(renderer, panel, tile, editing, editBuffer, MACHINE_LABEL_ROW);
}

bool pressFillerPanel(const PanelTarget& target, const ScreenRect& panel, int px, int py)
{
    if (pressLabelField(target, panel, MACHINE_LABEL_ROW, px, py)) return true;
    if (!contains(fillerAcceptButtonRect(panel), px, py)) return false;
    Tile& first = target.tile();
    if (target.selection != nullptr) {
        setSelectionFillerAccepting(*target.selection, target.game, !first.fillerAccepting);
    } else {
        first.fillerAccepting = !first.fillerAccepting;
    }
    return true;
}
