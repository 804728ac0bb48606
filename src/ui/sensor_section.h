#pragma once

#include <SDL.h>

#include <string>

#include "render/cargo_textures.h"
#include "ui/hud_layout.h"
#include "world/tile.h"

class Game;

// The sensor's rows in its information panel, between the direction line and
// the status line, and the page on which its measured cargo is picked.
// Positions are offsets from the content area's corner.

constexpr int SENSOR_LIMIT_MAX = 1000000;

// "KEINE AENDERUNG", "EIN", "AUS".
const char* switchActionName(SwitchAction action);
// "NORD", "NORDOST", ... "NORDWEST" for 0..7 clockwise from north.
const char* compassName(int direction);

// The way the camera looks, 0..7: the one chosen, or, while none is, the
// sensor's own facing (east for a sensor facing no way).
int effectiveCameraDirection(const Tile& sensor);

// "KAMERA AN - KOHLE 1" (1 when the camera sees an item of the measured
// kind) or "KAMERAMODUL AUS".
std::string sensorCameraText(const Game& game, int x, int y);
// "MESS 2  SCHALT 1": the wires that start at the sensor.
std::string sensorWireCounts(const Game& game, int x, int y);

// Returns the first free line below the section, where the status line goes.
int drawSensorSection(SDL_Renderer* renderer, const ScreenRect& panel, const Game& game, int x, int y,
                      const CargoTextures& sprites);

enum class SensorPress {
    NONE,
    CHANGED,
    OPEN_CARGO_CHOICE,
};

// A left press on the rows: each setting steps in place, the cargo row asks
// for the cargo page.
SensorPress pressSensorSection(Tile& sensor, const ScreenRect& panel, int px, int py);

// The cargo page over the whole content area, the measured cargo lit.
void drawCargoChoicePage(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& sensor,
                         const CargoTextures& sprites);

// What a press does while the page is open: it closes, picks a cargo and
// stays open, or does nothing.
struct CargoChoicePress {
    bool close = false;
    int cargo = -1;
};
CargoChoicePress pressCargoChoicePage(const ScreenRect& panel, int px, int py, bool rightButton);
