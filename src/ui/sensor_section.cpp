#include "ui/sensor_section.h"

#include <algorithm>
#include <array>

#include "editing/recorded_commands.h"
#include "render/bitmap_font.h"
#include "ui/inspector_widgets.h"
#include "ui/panel_drawing.h"
#include "world/game.h"
#include "world/sensor_directions.h"

namespace {

constexpr int CAMERA_DIRECTION_COUNT = static_cast<int>(SENSOR_DIRECTIONS.size());
constexpr int CHOICE_PAGE_HEADER = 58;  // the title and "ZURUECK"

// The rows by their top, all w - 16 wide at 8.
constexpr int CARGO_ROW = 64;
constexpr int LIMIT_ROW = 86;
constexpr int COMPARE_ROW = 108;
constexpr int THEN_ROW = 130;
constexpr int ELSE_ROW = 152;
constexpr int PRIORITY_ROW = 174;
constexpr int CAMERA_ROW = 244;
constexpr int MODE_ROW = 268;
constexpr int DIRECTION_ROW = 292;
constexpr int STEP_BUTTON_WIDTH = 34;

ScreenRect wideRow(const ScreenRect& panel, int top, int height)
{
    return panelRect(panel, 8, top, panel.width - 16, height);
}

void text(SDL_Renderer* renderer, const ScreenRect& panel, const std::string& phrase, int dx, int dy)
{
    drawText(renderer, phrase.c_str(), panel.left + dx, panel.top + dy, 1);
}

// A row with its text six pixels down, in the colour its frame leaves.
void rowButton(SDL_Renderer* renderer, const ScreenRect& panel, int top, int height, int state,
               const std::string& phrase, int textDy)
{
    drawButton(renderer, wideRow(panel, top, height), state);
    text(renderer, panel, phrase, 13, top + textDy);
}

int countWiresFrom(const std::vector<Link>& links, int x, int y)
{
    return static_cast<int>(
        std::count_if(links.begin(), links.end(), [x, y](const Link& link) { return link.x0 == x && link.y0 == y; }));
}

void drawLimitRow(SDL_Renderer* renderer, const ScreenRect& panel, int limit)
{
    const int w = panel.width;
    drawButton(renderer, panelRect(panel, 8, LIMIT_ROW, STEP_BUTTON_WIDTH, 20), 0);
    text(renderer, panel, "-", 22, LIMIT_ROW + 6);
    const ScreenRect field = panelRect(panel, 44, LIMIT_ROW, w - 88, 20);
    drawButton(renderer, field, 0);
    const std::string limitText = "GRENZE " + std::to_string(limit);
    drawText(renderer, limitText.c_str(), centredTextX(field.left, field.width, limitText), field.top + 6, 1);
    drawButton(renderer, panelRect(panel, w - 42, LIMIT_ROW, STEP_BUTTON_WIDTH, 20), 0);
    text(renderer, panel, "+", w - 28, LIMIT_ROW + 6);
}

bool inRow(int dy, int top, int height) { return dy >= top && dy < top + height; }

}  // namespace

const char* switchActionName(SwitchAction action)
{
    switch (action) {
    case SWITCH_ON:
        return "EIN";
    case SWITCH_OFF:
        return "AUS";
    default:
        return "KEINE AENDERUNG";
    }
}

const char* compassName(int direction)
{
    static constexpr std::array<const char*, CAMERA_DIRECTION_COUNT> NAMES = {"NORD", "NORDOST",  "OST",  "SUEDOST",
                                                                              "SUED", "SUEDWEST", "WEST", "NORDWEST"};
    return direction >= 0 && direction < CAMERA_DIRECTION_COUNT ? NAMES[static_cast<std::size_t>(direction)] : "";
}

int effectiveCameraDirection(const Tile& sensor)
{
    if (sensor.sensorTargetIndex >= 0 && sensor.sensorTargetIndex < CAMERA_DIRECTION_COUNT)
        return sensor.sensorTargetIndex;
    return isCompassDirection(sensor.dir) ? 2 * (sensor.dir - NORTH) : 2;
}

std::string sensorCameraText(const Game& game, int x, int y)
{
    const Tile& sensor = game.tileAt(x, y);
    if (!sensor.sensorWatchItems) return "KAMERAMODUL AUS";
    const CargoItem* seen = game.itemSeenBySensor(x, y, sensor);
    const bool match = seen != nullptr && seen->cargo == sensor.sensorCargo;
    return std::string("KAMERA AN - ") + cargoShortName(sensor.sensorCargo) + " " + (match ? "1" : "0");
}

std::string sensorWireCounts(const Game& game, int x, int y)
{
    return "MESS " + std::to_string(countWiresFrom(game.signalMeasureLinks, x, y)) + "  SCHALT " +
           std::to_string(countWiresFrom(game.signalControlLinks, x, y));
}

int drawSensorSection(SDL_Renderer* renderer, const ScreenRect& panel, const Game& game, int x, int y,
                      const CargoTextures& sprites)
{
    const Tile& sensor = game.tileAt(x, y);
    drawPhrase(renderer, "GUTBESTAND DER MESSLEITUNGEN", panel.left + 10, panel.top + 48, PANEL_TEXT_COLOUR);
    // From here on every text takes the colour the last frame left set.
    drawButton(renderer, wideRow(panel, CARGO_ROW, 20), 0);
    copySprite(renderer, cargoSprite(sprites, sensor.sensorCargo), sdlRect(panelRect(panel, 11, 66, 16, 16)));
    text(renderer, panel, std::string("GUT ") + cargoShortName(sensor.sensorCargo), 33, 70);
    drawLimitRow(renderer, panel, sensor.limit);
    rowButton(renderer, panel, COMPARE_ROW, 20, 0,
              sensor.compareAbove != 0 ? "WENN BESTAND UEBER GRENZE" : "WENN BESTAND UNTER GRENZE", 6);
    rowButton(renderer, panel, THEN_ROW, 20, 0, std::string("DANN: ") + switchActionName(sensor.thenAction), 6);
    rowButton(renderer, panel, ELSE_ROW, 20, 0, std::string("SONST: ") + switchActionName(sensor.elseAction), 6);
    rowButton(renderer, panel, PRIORITY_ROW, 20, 0, "PRIORITAET " + std::to_string(sensor.switchPriority), 6);
    text(renderer, panel, sensorWireCounts(game, x, y), 10, 202);
    drawTextWrapped(renderer, "MESSLEITUNG LIEST WERTE. SCHALTLEITUNG UEBERTRAEGT DANN/SONST-BEFEHLE.", panel.left + 10,
                    panel.top + 222, panel.width - 20, true);
    rowButton(renderer, panel, CAMERA_ROW, 22, choiceState(sensor.sensorWatchItems), sensorCameraText(game, x, y), 7);
    rowButton(renderer, panel, MODE_ROW, 22, choiceState(sensor.sensorPerItem),
              sensor.sensorPerItem ? "MODUS: IMPULS BEI VORBEIFAHRT" : "MODUS: ANWESENHEIT", 7);
    rowButton(renderer, panel, DIRECTION_ROW, 22, 0,
              std::string("KAMERA RICHTUNG ") + compassName(effectiveCameraDirection(sensor)), 7);
    return freeLineBelow(DIRECTION_ROW + 22);
}

SensorPress pressSensorSection(Tile& sensor, const ScreenRect& panel, int px, int py)
{
    const int dx = px - panel.left;
    const int dy = py - panel.top;
    const int w = panel.width;
    if (inRow(dy, CARGO_ROW, 20)) return SensorPress::OPEN_CARGO_CHOICE;
    if (inRow(dy, LIMIT_ROW, 20)) {
        if (dx >= 8 && dx < 8 + STEP_BUTTON_WIDTH) {
            sensor.limit = std::max(sensor.limit - 1, 0);
        } else if (dx >= w - 42 && dx < w - 8) {
            sensor.limit = std::min(sensor.limit + 1, SENSOR_LIMIT_MAX);
        } else {
            return SensorPress::NONE;
        }
    } else if (inRow(dy, COMPARE_ROW, 20)) {
        sensor.compareAbove = 1 - sensor.compareAbove;
    } else if (inRow(dy, THEN_ROW, 20)) {
        sensor.thenAction = (sensor.thenAction + 1) % SWITCH_ACTION_COUNT;
    } else if (inRow(dy, ELSE_ROW, 20)) {
        sensor.elseAction = (sensor.elseAction + 1) % SWITCH_ACTION_COUNT;
    } else if (inRow(dy, PRIORITY_ROW, 20)) {
        sensor.switchPriority = (sensor.switchPriority + 1) % SWITCH_PRIORITY_COUNT;
    } else if (inRow(dy, CAMERA_ROW, 22)) {
        sensor.sensorWatchItems = !sensor.sensorWatchItems;
    } else if (inRow(dy, MODE_ROW, 22)) {
        sensor.sensorPerItem = !sensor.sensorPerItem;
    } else if (inRow(dy, DIRECTION_ROW, 22)) {
        sensor.sensorTargetIndex = (effectiveCameraDirection(sensor) + 1) % CAMERA_DIRECTION_COUNT;
    } else {
        return SensorPress::NONE;
    }
    return SensorPress::CHANGED;
}

void drawCargoChoicePage(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& sensor,
                         const CargoTextures& sprites)
{
    drawPanelFrame(renderer, sdlRect(panel), "GUT AUSWAEHLEN");
    drawButton(renderer, wideRow(panel, 30, 22), 0);
    drawPhrase(renderer, "ZURUECK", panel.left + 16, panel.top + 37, PANEL_TEXT_COLOUR);
    for (CargoType cargo = 0; cargo < CARGO_TYPE_COUNT; ++cargo) {
        const ScreenRect cell = choiceGridCellRect(panel, cargo);
        drawButton(renderer, cell, choiceState(cargo == sensor.sensorCargo));
        const int side = std::min(cell.height - 10, 30);
        copySprite(renderer, cargoSprite(sprites, cargo),
                   {cell.left + (cell.width - side) / 2, cell.top + 1, side, side});
        drawCentredText(renderer, cargoShortName(cargo), cell.left, cell.width, cell.top + side + 2, PANEL_TEXT_COLOUR);
    }
}

CargoChoicePress pressCargoChoicePage(const ScreenRect& panel, int px, int py, bool rightButton)
{
    if (rightButton || !contains(panel, px, py) || py - panel.top < CHOICE_PAGE_HEADER) return {true, -1};
    for (CargoType cargo = 0; cargo < CARGO_TYPE_COUNT; ++cargo) {
        if (contains(choiceGridCellRect(panel, cargo), px, py)) return {false, cargo};
    }
    return {};
}
