#pragma once

#include <SDL.h>

#include <span>
#include <string>
#include <string_view>

#include "render/cargo_textures.h"
#include "ui/hud_layout.h"
#include "ui/inspector_widgets.h"
#include "world/cargo.h"

struct Tile;

// The inspectors of the controls that buy, take in or make goods: the source
// ("QUELLE"), the sink ("ZIEL - GELIEFERT"), the charcoal kiln
// ("VERKOHLUNGSOFEN"), the smelter ("SCHMELZE") and the bottling plant
// ("ABFUELLANLAGE"). All but the sink carry the machine's "ID TEXT" field, whose
// presses come first; any other press ends the label's editing unsaved.

// Source and sink.
constexpr int SOURCE_LABEL_ROW = 50;
constexpr CargoGrid SOURCE_GRID = {80, 65, 60, CARGO_TYPE_COUNT};
constexpr CargoGrid SINK_GRID = {55, 65, 60, CARGO_TYPE_COUNT};
// "QUELLE 12 - ERZEUGT" for a source, "ZIEL - GELIEFERT" for any other tile.
std::string sourcePanelTitle(const Tile& tile);
// "EINKAUF 100 EUR PRO GUT": what the source pays for each item it buys.
std::string purchaseText(CargoType cargo);
ScreenRect onOffButtonRect(const ScreenRect& panel);
// The source's panel for a source, the sink's for any other tile.
void drawSourcePanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile,
                     bool editing, std::string_view editBuffer);
bool pressSourcePanel(const PanelTarget& target, const ScreenRect& panel, int px, int py);
bool pressSinkPanel(const PanelTarget& target, const ScreenRect& panel, int px, int py);

// Charcoal kiln and smelter: a column per kind taken in, lit while it is accepted.
constexpr int MACHINE_LABEL_ROW = 145;
struct MachineColumn {
    CargoType cargo;
    const char* name;
};
std::span<const MachineColumn> machineColumns(ControlType type);  // the kiln's two, else the smelter's three
ScreenRect machineColumnRect(const ScreenRect& panel, int column);
// The title and the machine id: "SCHMELZE 0" for one that has none yet.
std::string machineTitle(std::string_view name, const Tile& tile);
// How many of the kind the machine holds: the kiln's queued inputs, the smelter's stock.
int machineCount(const Tile& tile, CargoType cargo);
void drawOvenPanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile,
                   bool editing, std::string_view editBuffer);
void drawSmelterPanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile,
                      bool editing, std::string_view editBuffer);
// A column flips its kind in the kiln's or smelter's accept mask.
bool pressOvenSmelterPanel(const PanelTarget& target, const ScreenRect& panel, int px, int py);

// Bottling plant.
ScreenRect fillerAcceptButtonRect(const ScreenRect& panel);
void drawFillerPanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, const Tile& tile,
                     bool editing, std::string_view editBuffer);
bool pressFillerPanel(const PanelTarget& target, const ScreenRect& panel, int px, int py);
