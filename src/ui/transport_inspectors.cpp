#include "ui/transport_inspectors.h"

#include <algorithm>
#include <array>

#include "editing/belt_speed_painting.h"
#include "editing/control_settings.h"
#include "editing/multi_selection.h"
#include "editing/recorded_commands.h"
#include "machines/arm_control.h"
#include "machines/storage_control.h"
#include "render/bitmap_font.h"
#include "render/widgets.h"
#include "simulation/prices.h"
#include "ui/income_popups.h"
#include "ui/panel_drawing.h"
#include "world/game.h"

namespace {

constexpr std::array<const char*, 5> DIRECTION_LETTERS = {"-", "N", "O", "S", "W"};
constexpr std::array<const char*, PRIORITY_BUTTON_COUNT> PRIORITY_LABELS = {"AUTO", "N", "O", "S", "W"};
constexpr int ARM_RETURN_POSITIONS = 3;
constexpr int ARM_SIDE_BUTTONS = 2;

constexpr PackedColor TICK_COLOUR = packColor(91, 199, 135);
constexpr PackedColor CROSS_COLOUR = packColor(220, 103, 105);
constexpr PackedColor ARROW_COLOUR = packColor(219, 232, 235);

int firstButtonAt(int count, const ScreenRect& panel, ScreenRect (*rect)(const ScreenRect&, int), int px, int py)
{
    for (int i = 0; i < count; ++i) {
        if (contains(rect(panel, i), px, py)) return i;
    }
    return -1;
}

}  // namespace

std::string_view directionLetter(Direction d) { return DIRECTION_LETTERS[isCompassDirection(d) ? d : 0]; }

// Belt.

ScreenRect beltPanelSpeedRect(const ScreenRect& panel, int level)
{
    return panelRect(panel, 8 + 38 * level, 29, 32, 32);
}

ScreenRect beltPriorityButtonRect(const ScreenRect& panel, int button)
{
    return panelRect(panel, 8 + 59 * button, 116, 52, 32);
}

std::string_view beltPriorityLabel(int button)
{
    return button >= 0 && button < PRIORITY_BUTTON_COUNT ? PRIORITY_LABELS[static_cast<std::size_t>(button)] : "";
}

int beltPriorityOf(int button) { return button == 0 ? 0 : oppositeDirection(button); }

void drawBeltPanel(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& tile)
{
    drawPanelFrame(renderer, sdlRect(panel), "BAND");
    for (int level = 0; level < BELT_SPEED_LEVELS; ++level) {
        drawButton(renderer, beltPanelSpeedRect(panel, level), choiceState(tile.beltSpeed == level));
        setDrawColor(renderer, PANEL_VALUE_COLOUR);
        drawBitmapText(renderer, std::to_string(level).c_str(), panel.left + 21 + 38 * level, panel.top + 41, 1);
    }
    drawPhrase(renderer, "0 STOP  3 NORMAL", panel.left + 10, panel.top + 72, PANEL_VALUE_COLOUR);
    drawPhrase(renderer, "VORFAHRT VON", panel.left + 10, panel.top + 96, PANEL_VALUE_COLOUR);
    for (int button = 0; button < PRIORITY_BUTTON_COUNT; ++button) {
        const ScreenRect r = beltPriorityButtonRect(panel, button);
        drawButton(renderer, r, choiceState(tile.beltPriority == beltPriorityOf(button)));
        drawCentredText(renderer, beltPriorityLabel(button), r.left, r.width, panel.top + 128, PANEL_VALUE_COLOUR);
    }
}

bool pressBeltPanel(const PanelTarget& target, const ScreenRect& panel, int px, int py)
{
    const int level = firstButtonAt(BELT_SPEED_LEVELS, panel, beltPanelSpeedRect, px, py);
    if (level >= 0) {
        if (target.selection != nullptr) {
            setSelectionBeltSpeed(*target.selection, target.game, level);
        } else {
            pressBeltSpeed(target.game, target.x, target.y, level);
        }
        return true;
    }
    const int button = firstButtonAt(PRIORITY_BUTTON_COUNT, panel, beltPriorityButtonRect, px, py);
    if (button < 0) return false;
    if (target.selection != nullptr) {
        setSelectionBeltPriority(*target.selection, target.game, beltPriorityOf(button));
    } else {
        target.tile().beltPriority = beltPriorityOf(button);
    }
    return true;
}

// Shop.

std::string shopEntranceText(Direction shopDirection)
{
    return "EINGANG " + std::string(directionLetter(oppositeDirection(shopDirection))) + "  |  DREHEN ZUM AENDERN";
}

void drawShopPanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile)
{
    drawPanelFrame(renderer, sdlRect(panel), "KAUFHAUS - ANNAHME");
    drawPhrase(renderer, shopEntranceText(tile.dir), panel.left + 10, panel.top + 31, PANEL_TEXT_COLOUR);
    for (CargoType cargo = 0; cargo < CARGO_TYPE_COUNT; ++cargo) {
        const ScreenRect cell = cargoCellRect(panel, SHOP_GRID, cargo);
        drawButton(renderer, cell, switchState(maskHasCargo(tile.shopAcceptMask, cargo)));
        copySprite(renderer, cargoSprite(sprites, cargo), {cell.left + 31, cell.top + 2, 26, 26});
        drawPhrase(renderer, cargoShortName(cargo), cell.left + 5, cell.top + 30, PANEL_TEXT_COLOUR);
        drawPhrase(renderer, std::to_string(CARGO_SALE_PRICE[cargo]) + " EUR", cell.left + 5, cell.top + 43,
                   PANEL_TEXT_COLOUR);
    }
}

bool pressShopPanel(const PanelTarget& target, const ScreenRect& panel, int px, int py)
{
    const int cell = cargoCellAt(panel, SHOP_GRID, px, py);
    if (cell < 0 || target.selection != nullptr) return cell >= 0;
    target.tile().shopAcceptMask ^= cargoBit(cell);
    return true;
}

// Arm.

std::string_view armTitle(ControlType type) { return type == LONG_ARM ? "LANGARM" : "GREIFARM"; }

ScreenRect armSideButtonRect(const ScreenRect& panel, int button)
{
    return panelRect(panel, 10 + 100 * button, 319, 90, 50);
}

ScreenRect armReturnButtonRect(const ScreenRect& panel, int position)
{
    return panelRect(panel, 10 + 100 * position, 396, 90, 26);
}

ScreenRect armSignalButtonRect(const ScreenRect& panel) { return panelRect(panel, 10, 438, panel.width - 20, 30); }

Direction armSideDirection(Direction armDirection, int button)
{
    if (!isCompassDirection(armDirection)) return NONE;
    return button == 0 ? armDirection : oppositeDirection(armDirection);
}

std::string_view armReturnLabel(Direction armDirection, int position)
{
    if (position == ArmControl::FREE) return "AUTOMATISCH";
    return directionName(armSideDirection(armDirection, position == ArmControl::FACING ? 0 : 1));
}

std::string_view armSignalText(bool continuous)
{
    return continuous ? "SIGNAL: DAUERFREIGABE" : "SIGNAL: EINZELAUFTRAG";
}

namespace {

void drawArmFilterCell(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile,
                       int cell)
{
    const ScreenRect r = cargoCellRect(panel, ARM_GRID, cell);
    const SDL_Rect box{r.left + 33, r.top + 2, 24, 24};
    std::string_view name;
    if (cell == ARM_ALL_CELL) {
        drawButton(renderer, r, choiceState(tile.armCargoFilter == ALL_CARGO));
        setDrawColor(renderer, TICK_COLOUR);
        SDL_RenderDrawLine(renderer, box.x + 4, box.y + 12, box.x + 10, box.y + 18);
        SDL_RenderDrawLine(renderer, box.x + 10, box.y + 18, box.x + 21, box.y + 4);
        name = "ALL";
    } else if (cell == ARM_NONE_CELL) {
        drawButton(renderer, r, choiceState(tile.armCargoFilter == 0));
        setDrawColor(renderer, CROSS_COLOUR);
        SDL_RenderDrawLine(renderer, box.x + 4, box.y + 4, box.x + 20, box.y + 20);
        SDL_RenderDrawLine(renderer, box.x + 20, box.y + 4, box.x + 4, box.y + 20);
        name = "NONE";
    } else {
        drawButton(renderer, r, switchState(maskHasCargo(tile.armCargoFilter, cell)));
        copySprite(renderer, cargoSprite(sprites, cell), box);
        name = cargoShortName(cell);
    }
    drawCentredText(renderer, name, r.left, r.width, r.top + 33, PANEL_VALUE_COLOUR);
}

// Every selected arm still on the map gets the filter as it stands.
void writeSelectedArmFilters(const PanelTarget& target, CargoMask filter)
{
    for (const SelectedControl& entry : target.selection->entries) {
        if (!target.game.inBounds(entry.anchorX, entry.anchorY)) continue;
        Tile& tile = target.game.tileAt(entry.anchorX, entry.anchorY);
        if (isArm(tile.type)) ArmControl::setFilterMask(tile, filter);
    }
}

void pressArmFilterCell(const PanelTarget& target, int cell)
{
    const Tile& first = target.tile();
    if (target.selection == nullptr) {
        const CargoMask filter = cell == ARM_ALL_CELL    ? ALL_CARGO
                                 : cell == ARM_NONE_CELL ? 0
                                                         : first.armCargoFilter ^ cargoBit(cell);
        setArmCargoFilter(target.game, target.x, target.y, filter);
    } else if (cell == ARM_ALL_CELL || cell == ARM_NONE_CELL) {
        writeSelectedArmFilters(target, cell == ARM_ALL_CELL ? ALL_CARGO : 0);
    } else {
        toggleSelectionArmFilter(*target.selection, target.game, !maskHasCargo(first.armCargoFilter, cell),
                                 cargoBit(cell));
    }
}

void pressArmSideButton(const PanelTarget& target, int button)
{
    const Tile& first = target.tile();
    const Direction side = armSideDirection(first.dir, button);
    if (side == NONE) return;
    const std::uint32_t bit = std::uint32_t{1} << side;
    const bool on = (first.armSideMask & bit) == 0;
    if (target.selection != nullptr) {
        setSelectionArmSides(*target.selection, target.game, button, on);
    } else {
        setArmSideMask(target.game, target.x, target.y, first.armSideMask ^ bit);
    }
}

}  // namespace

void drawArmPanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile)
{
    drawPanelFrame(renderer, sdlRect(panel), std::string(armTitle(tile.type)).c_str());
    for (int cell = 0; cell < ARM_GRID.cells; ++cell)
        drawArmFilterCell(renderer, sprites, panel, tile, cell);

    drawPhrase(renderer, "GREIFT VON", panel.left + 10, panel.top + 305, PANEL_TEXT_COLOUR);
    drawOpenOrders(renderer, sdlRect(panelRect(panel, 210, 319, 90, 50)), tile.armPendingJobs);
    for (int button = 0; button < ARM_SIDE_BUTTONS; ++button) {
        const ScreenRect r = armSideButtonRect(panel, button);
        const Direction side = armSideDirection(tile.dir, button);
        drawButton(renderer, r, switchState(side != NONE && (tile.armSideMask & (std::uint32_t{1} << side)) != 0));
        setDrawColor(renderer, ARROW_COLOUR);
        drawDirectionArrow(renderer, r.left + 30, panel.top + 320, 30, 24, side);
        drawCentredText(renderer, directionName(side), r.left, r.width, panel.top + 352, PANEL_VALUE_COLOUR);
    }

    drawPhrase(renderer, "RUECKKEHRPOSITION", panel.left + 10, panel.top + 382, PANEL_TEXT_COLOUR);
    for (int position = 0; position < ARM_RETURN_POSITIONS; ++position) {
        const ScreenRect r = armReturnButtonRect(panel, position);
        drawButton(renderer, r, choiceState(tile.armHomeMode == position));
        drawCentredText(renderer, armReturnLabel(tile.dir, position), r.left, r.width, panel.top + 405,
                        PANEL_TEXT_COLOUR);
    }

    const ScreenRect signal = armSignalButtonRect(panel);
    drawButton(renderer, signal, choiceState(tile.armContinuous));
    drawPhrase(renderer, armSignalText(tile.armContinuous), panel.left + 18, panel.top + 449, PANEL_TEXT_COLOUR);
    drawTextWrapped(renderer, "OHNE SCHALTLEITUNG: AUTOMATISCH. AUS STOPPT KEINE GETRAGENE FRACHT.", panel.left + 10,
                    panel.top + 480, panel.width - 20, true);
}

bool pressArmPanel(const PanelTarget& target, const ScreenRect& panel, int px, int py)
{
    if (contains(armSignalButtonRect(panel), px, py)) {
        if (target.selection != nullptr) {
            setSelectionArmRelease(*target.selection, target.game, !target.tile().armContinuous);
            target.game.updateNetworks(0.0f);
        } else {
            toggleTileFlag(target.history, target.game, target.x, target.y);
        }
        return true;
    }
    const int position = firstButtonAt(ARM_RETURN_POSITIONS, panel, armReturnButtonRect, px, py);
    if (position >= 0) {
        if (target.selection != nullptr) {
            setSelectionArmMode(*target.selection, target.game, position);
        } else {
            ArmControl::setArmState(target.tile(), position);
        }
        return true;
    }
    const int cell = cargoCellAt(panel, ARM_GRID, px, py);
    if (cell >= 0) {
        pressArmFilterCell(target, cell);
        return true;
    }
    const int button = firstButtonAt(ARM_SIDE_BUTTONS, panel, armSideButtonRect, px, py);
    if (button < 0) return false;
    pressArmSideButton(target, button);
    return true;
}

// Storage.

ScreenRect storageOutputButtonRect(const ScreenRect& panel) { return panelRect(panel, 10, 390, 154, 24); }

std::string storageStockText(int entries)
{
    return "BESTAND " + std::to_string(entries) + " VON " + std::to_string(STORAGE_CAPACITY);
}

std::string_view storageOutputText(bool on) { return on ? "AUSGABE AN" : "AUSGABE AUS"; }

int storedCount(const Tile& tile, CargoType cargo)
{
    return static_cast<int>(std::count(tile.storageCargo.begin(), tile.storageCargo.end(), cargo));
}

void drawStoragePanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile)
{
    drawPanelFrame(renderer, sdlRect(panel), "LAGER - ANNAHME");
    for (CargoType cargo = 0; cargo < CARGO_TYPE_COUNT; ++cargo) {
        const ScreenRect cell = cargoCellRect(panel, STORAGE_GRID, cargo);
        drawButton(renderer, cell, switchState(maskHasCargo(tile.storageAcceptMask, cargo)));
        copySprite(renderer, cargoSprite(sprites, cargo), {cell.left + 31, cell.top + 3, 28, 28});
        drawPhrase(renderer, cargoShortName(cargo), cell.left + 6, cell.top + 33, PANEL_TEXT_COLOUR);
        drawCountRow(renderer, cell.left, cell.width, storedCount(tile, cargo), cell.top + 47);
    }
    const ScreenRect output = storageOutputButtonRect(panel);
    drawButton(renderer, output, switchState(tile.storageOutputOn));
    drawPhrase(renderer, storageOutputText(tile.storageOutputOn), panel.left + 18, panel.top + 398, PANEL_TEXT_COLOUR);
    drawPhrase(renderer, storageStockText(static_cast<int>(tile.storageCargo.size())), panel.left + 10, panel.top + 428,
               PANEL_TEXT_COLOUR);
}

bool pressStoragePanel(const PanelTarget& target, const ScreenRect& panel, int px, int py)
{
    Tile& first = target.tile();
    if (contains(storageOutputButtonRect(panel), px, py)) {
        if (target.selection != nullptr) {
            setSelectionStorageOutput(*target.selection, target.game, !first.storageOutputOn);
        } else {
            first.storageOutputOn = !first.storageOutputOn;
        }
        return true;
    }
    const int cell = cargoCellAt(panel, STORAGE_GRID, px, py);
    if (cell < 0) return false;
    if (target.selection != nullptr) {
        toggleSelectionStorageFilter(*target.selection, target.game, !maskHasCargo(first.storageAcceptMask, cell),
                                     cargoBit(cell));
    } else {
        first.storageAcceptMask ^= cargoBit(cell);
    }
    return true;
}
