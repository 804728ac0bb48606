#pragma once

#include <SDL.h>

#include <string>
#include <string_view>

#include "render/cargo_textures.h"
#include "ui/hud_layout.h"
#include "ui/inspector_widgets.h"
#include "ui/tool_help_panels.h"
#include "world/control_type.h"
#include "world/direction.h"

struct Tile;

// The inspectors of the controls that move goods: the belt ("BAND"), the shop
// ("KAUFHAUS - ANNAHME"), the grab and long arm ("GREIFARM", "LANGARM") and the
// storage ("LAGER - ANNAHME"). Each is a layout shared by its drawing and its
// presses, the texts it composes, a draw function and a press function, which
// changes the inspected control or, in a selection's settings view, all selected.

// "N", "O", "S", "W" for 1..4, "-" for any other value.
std::string_view directionLetter(Direction d);

// Belt.
constexpr int PRIORITY_BUTTON_COUNT = 5;
ScreenRect beltPanelSpeedRect(const ScreenRect& panel, int level);
ScreenRect beltPriorityButtonRect(const ScreenRect& panel, int button);
// "AUTO", then the side the belt gives way to: "VORFAHRT VON N".
std::string_view beltPriorityLabel(int button);
// What button stores, and what lights it: 0 automatic, else the opposite of its side.
int beltPriorityOf(int button);
void drawBeltPanel(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& tile);
// A speed goes through the one belt speed rule, which zeroes the step credit of
// the items on the tile; a priority is written as it stands. True when a button was hit.
bool pressBeltPanel(const PanelTarget& target, const ScreenRect& panel, int px, int py);

// Shop.
constexpr CargoGrid SHOP_GRID = {55, 65, 60, CARGO_TYPE_COUNT};
// "EINGANG " and the side goods come in from, then "  |  DREHEN ZUM AENDERN".
std::string shopEntranceText(Direction shopDirection);
void drawShopPanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile);
// A cell flips its kind in the accept set. The shop has no selection view.
bool pressShopPanel(const PanelTarget& target, const ScreenRect& panel, int px, int py);

// Arm.
constexpr int ARM_ALL_CELL = CARGO_TYPE_COUNT;
constexpr int ARM_NONE_CELL = CARGO_TYPE_COUNT + 1;
constexpr CargoGrid ARM_GRID = {25, 56, 50, CARGO_TYPE_COUNT + 2};
std::string_view armTitle(ControlType type);
ScreenRect armSideButtonRect(const ScreenRect& panel, int button);
ScreenRect armReturnButtonRect(const ScreenRect& panel, int position);
ScreenRect armSignalButtonRect(const ScreenRect& panel);
// The side button's direction: the arm's own (button 0) or the opposite one;
// 0 for an arm without a compass direction.
Direction armSideDirection(Direction armDirection, int button);
// The return buttons: "AUTOMATISCH", the arm's direction, the opposite one.
std::string_view armReturnLabel(Direction armDirection, int position);
std::string_view armSignalText(bool continuous);
void drawArmPanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile);
// Tested in the order signal button, return buttons, filter grid, side buttons.
bool pressArmPanel(const PanelTarget& target, const ScreenRect& panel, int px, int py);

// Storage.
constexpr CargoGrid STORAGE_GRID = {55, 65, 60, CARGO_TYPE_COUNT};
ScreenRect storageOutputButtonRect(const ScreenRect& panel);
std::string storageStockText(int entries);  // "BESTAND 7 VON 100"
std::string_view storageOutputText(bool on);
// Entries of the kind in the stock.
int storedCount(const Tile& tile, CargoType cargo);
void drawStoragePanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile);
// The output button is tested before the grid.
bool pressStoragePanel(const PanelTarget& target, const ScreenRect& panel, int px, int py);
