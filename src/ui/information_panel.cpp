#include "ui/information_panel.h"

#include <algorithm>
#include <cmath>

#include "editing/number_entry.h"
#include "editing/recorded_commands.h"
#include "machines/distributor_control.h"
#include "machines/mixer_control.h"
#include "render/bitmap_font.h"
#include "render/widgets.h"
#include "ui/income_popups.h"
#include "ui/inspector_widgets.h"
#include "ui/logic_section.h"
#include "ui/panel_drawing.h"
#include "ui/sensor_section.h"
#include "ui/tool_help_panels.h"
#include "world/game.h"
#include "world/translate.h"

namespace {

constexpr int TANK_BAR_WIDTH = 88;
constexpr int GENERATOR_FULL_LOAD_KW = 120;
constexpr PackedColor WATER_REACHED_COLOUR = packColor(107, 216, 235);
constexpr PackedColor WATER_CUT_COLOUR = packColor(206, 95, 79);
constexpr PackedColor TANK_EMPTY_COLOUR = packColor(34, 51, 63);
constexpr PackedColor TANK_WATER_COLOUR = packColor(61, 188, 230);
constexpr int BRIDGE_SPEED_BUTTONS = MAX_BELT_SPEED + 1;
// The status line's place while the section leaves room there; below the
// section's own lines where it reaches further down.
constexpr int STATUS_TOP = 160;
constexpr int LOGIC_STATUS_TOP = 300;

// A row spanning the panel with its margins, as the on/off buttons are.
ScreenRect wideButton(const ScreenRect& panel, int top, int height)
{
    return panelRect(panel, 10, top, panel.width - 20, height);
}

void text(SDL_Renderer* renderer, const ScreenRect& panel, std::string_view phrase, int dx, int dy)
{
    drawText(renderer, std::string(phrase).c_str(), panel.left + dx, panel.top + dy, 1);
}

// Returns the first free line below it.
int wrapped(SDL_Renderer* renderer, const ScreenRect& panel, const std::string& phrase, int dy)
{
    drawTextWrapped(renderer, phrase, panel.left + 10, panel.top + dy, panel.width - 20, true);
    return dy + WRAPPED_LINE_STEP * static_cast<int>(wrapTextLines(translate(phrase), panel.width - 20).size());
}

// An on/off button, green when on and red when off, its text in the frame's colour.
void switchButton(SDL_Renderer* renderer, const ScreenRect& panel, int top, int height, bool on,
                  std::string_view onText, std::string_view offText)
{
    drawButton(renderer, wideButton(panel, top, height), switchState(on));
    text(renderer, panel, on ? onText : offText, 20, top + 12);
}

const Tile* beltUnderDeck(const Game& game, int x, int y)
{
    const Tile& ground = game.tileAt(x, y);
    return ground.type == BELT ? &ground : nullptr;
}

void drawBridge(SDL_Renderer* renderer, const ScreenRect& panel, const Game& game, int x, int y)
{
    const Tile* belt = beltUnderDeck(game, x, y);
    if (belt == nullptr) return;
    text(renderer, panel, "BAND UNTEN - TEMPO", 10, 88);
    for (int level = 0; level < BRIDGE_SPEED_BUTTONS; ++level) {
        drawButton(renderer, bridgeSpeedRect(panel, level), choiceState(belt->beltSpeed == level));
        setDrawColor(renderer, PANEL_TEXT_COLOUR);
        drawBitmapText(renderer, std::to_string(level).c_str(), panel.left + 21 + 38 * level, panel.top + 121, 1);
    }
}

// Each section returns the first free line below its own lines.
int drawGenerator(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& tile)
{
    text(renderer, panel, "KOHLE " + std::to_string(tile.generatorCoal) + " VON 10", 10, 68);
    text(renderer, panel, "BRENNZEIT " + std::to_string(generatorBurnHours(tile)) + " H", 10, 90);
    switchButton(renderer, panel, 120, 34, tile.generatorOn, "GENERATOR EIN", "GENERATOR AUS");
    text(renderer, panel, "LEISTUNG 120 KW", 10, 166);
    text(renderer, panel, tile.generatorInUse ? "ABGABE AKTIV" : "ABGABE 0 KW", 10, 188);
    return freeLineBelow(188 + GLYPH_HEIGHT);
}

int drawMolder(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& tile, bool reached)
{
    text(renderer, panel, tile.molderPowered ? "STROM 50 KW" : "STROM 0 KW", 10, 68);
    text(renderer, panel, "GRANULAT " + std::to_string(tile.molderGranulate) + " VON 10", 10, 90);
    setDrawColor(renderer, reached ? WATER_REACHED_COLOUR : WATER_CUT_COLOUR);
    text(renderer, panel, reached ? "ROHR VERBUNDEN" : "ROHR GETRENNT", 10, 112);
    setDrawColor(renderer, PANEL_TEXT_COLOUR);
    text(renderer, panel, "TANK " + std::to_string(tile.molderWater) + "/10", 10, 134);
    text(renderer, panel, "ZAHNRAEDER " + std::to_string(tile.molderOutputCount) + " VON 10", 112, 134);
    fillRect(renderer, sdlRect(panelRect(panel, 10, 149, TANK_BAR_WIDTH, 5)), TANK_EMPTY_COLOUR);
    fillRect(renderer, sdlRect(panelRect(panel, 10, 149, tankBarWidth(tile.molderWater), 5)), TANK_WATER_COLOUR);
    switchButton(renderer, panel, 160, 34, tile.molderOn, "MASCHINE EIN", "MASCHINE AUS");
    return freeLineBelow(160 + 34);
}

int drawEjector(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& tile)
{
    switchButton(renderer, panel, 68, 34, tile.ejectorActive, "AUSWERFER EIN", "AUSWERFER AUS");
    drawOpenOrders(renderer, sdlRect(panelRect(panel, 10, 112, 90, 50)), tile.ejectorJobs);
    return wrapped(
        renderer, panel,
        "RICHTUNG ZEIGT VOM AUSWERFER DURCH DAS BAND ZUM ZIELFELD. DAS LAGER FAENGT GUT AUF. AUF EINEM LEEREN FELD "
        "VERSCHWINDET ES.",
        178);
}

int drawPowerSupply(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& tile)
{
    text(renderer, panel, tile.powerSupplied ? "EINGANG 1 KW - STROM OK" : "EINGANG - KEIN STROM", 10, 70);
    text(renderer, panel, tile.dcSupplied ? "AUSGANG 5V DC - EIN" : "AUSGANG 5V DC - AUS", 10, 95);
    text(renderer, panel, "VERBRAUCHER " + std::to_string(tile.dcCount) + " / " + std::to_string(tile.dcSlots), 10,
         120);
    return wrapped(
        renderer, panel,
        "STROMLEITUNG AN DEN EINGANG ANSCHLIESSEN. 5V-LEITUNG VERBINDET DEN AUSGANG MIT SIGNALBAUSTEINEN. PRO "
        "NETZTEIL BIS ZU 100 VERBRAUCHER.",
        160);
}

int drawDistributor(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& tile)
{
    text(renderer, panel, tile.modeSignal ? "VERTEILUNG PER SIGNAL" : "VERTEILUNG NACH GUTTYP", 10, 52);
    drawDistributorRules(renderer, panel, tile, false);
    setDrawColor(renderer, PANEL_TEXT_COLOUR);
    if (tile.modeSignal) text(renderer, panel, tile.signalSelectsB ? "B: NEBENSPUR" : "A: HAUPTSPUR", 10, 112);
    return wrapped(
        renderer, panel,
        "SIGNALWAHL: AUS ZUR HAUPTSPUR A, EIN ZUR NEBENSPUR B. BEI BLOCKADE WARTEN. MODUSTASTE WECHSELT AUTOMATIK, "
        "GUTREGELN UND SIGNAL.",
        470);
}

int drawMixer(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& tile)
{
    text(renderer, panel, "MISCHVERHAELTNIS", 10, 62);
    text(renderer, panel, "HAUPT", 230, 96);
    text(renderer, panel, "NEBEN", 230, 156);
    drawMixerRatioRows(renderer, panel, tile, false);
    const ScreenRect rowB = mixerRatioRect(panel, 1, 1);
    return freeLineBelow(rowB.top - panel.top + rowB.height);
}

int drawPowerPole(SDL_Renderer* renderer, const ScreenRect& panel)
{
    text(renderer, panel, "LEITUNGSREICHWEITE 10 KACHELN", 10, 68);
    text(renderer, panel, "MAXIMAL 3 LEITUNGEN", 10, 90);
    text(renderer, panel, "VERSORGUNG 7 X 7 KACHELN", 10, 114);
    return wrapped(renderer, panel,
                   "VERBRAUCHER IM BLAUEN BEREICH WERDEN AUTOMATISCH VERSORGT. KEINE DIREKTE LEITUNG NOETIG.", 140);
}

// The first free line below the section; 0 for the sections that end high enough.
int drawSection(SDL_Renderer* renderer, const ScreenRect& panel, const InformationView& view)
{
    const Tile& tile = view.game.tileAt(view.x, view.y);
    switch (view.type) {
    case DISTRIBUTOR:
        return drawDistributor(renderer, panel, tile);
    case MIXER:
        return drawMixer(renderer, panel, tile);
    case BRIDGE:
        drawBridge(renderer, panel, view.game, view.x, view.y);
        break;
    case TUNNEL:
    case TUNNEL_EXIT:
        text(renderer, panel, tunnelLengthText(tile, view.x, view.y), 10, 62);
        break;
    case COAL_GENERATOR:
        return drawGenerator(renderer, panel, tile);
    case POWER_POLE:
        return drawPowerPole(renderer, panel);
    case INJECTION_MOLDER:
        return drawMolder(renderer, panel, tile, view.molderReachesWater);
    case WATER_SOURCE:
        text(renderer, panel, "1 WASSER JE 4 SEKUNDEN", 10, 68);
        text(renderer, panel, "MIT ROHREN VERBINDEN", 10, 90);
        break;
    case WATER_PIPE:
        text(renderer, panel, "ROHRKACHEL", 10, 68);
        text(renderer, panel, "MIT LOESCHEN ENTFERNEN", 10, 90);
        break;
    case EJECTOR:
        return drawEjector(renderer, panel, tile);
    case POWER_SUPPLY:
        return drawPowerSupply(renderer, panel, tile);
    case SENSOR:
        return drawSensorSection(renderer, panel, view.game, view.x, view.y,
                                 view.sprites != nullptr ? *view.sprites : CargoTextures{});
    default:
        if (isLogicType(view.type)) {
            drawLogicSection(renderer, panel, view.game, view.x, view.y,
                             view.numberEntry != nullptr ? *view.numberEntry : NumberEntry{});
        }
        break;
    }
    return 0;
}

// A rule cell puts the distributor into cargo rules first, then flips its bit.
void flipDistributorRule(Tile& distributor, int cell)
{
    DistributorControl::setMode(distributor, DISTRIBUTOR_CARGO_RULES);
    distributor.cargoRuleMask ^= cargoBit(cell);
}

bool pressDistributor(Game& game, UndoHistory& history, const ScreenRect& panel, int x, int y, int px, int py)
{
    if (contains(distributorModeRect(panel), px, py)) {
        cycleDistributorMode(history, game, x, y);
        return true;
    }
    const int cell = distributorRuleAt(panel, px, py);
    if (cell < 0) return false;
    flipDistributorRule(game.tileAt(x, y), cell);
    return true;
}

bool pressBridge(Game& game, const ScreenRect& panel, int x, int y, int px, int py)
{
    if (beltUnderDeck(game, x, y) == nullptr) return false;
    for (int level = 0; level < BRIDGE_SPEED_BUTTONS; ++level) {
        if (!contains(bridgeSpeedRect(panel, level), px, py)) continue;
        game.tileAt(x, y).beltSpeed = level;
        // The items on the deck above keep theirs: only the belt below changed.
        for (CargoItem& item : game.items) {
            if (item.x == x && item.y == y && item.layer == 0) item.speedCredit = 0;
        }
        return true;
    }
    return false;
}

// An on/off button that runs its recorded command.
bool pressSwitch(Game& game, UndoHistory& history, const ScreenRect& panel, int top, int height, int x, int y,
                 void (*command)(UndoHistory&, Game&, int, int), int px, int py)
{
    if (!contains(wideButton(panel, top, height), px, py)) return false;
    command(history, game, x, y);
    return true;
}

}  // namespace

const char* informationTitle(ControlType type)
{
    static constexpr const char* LOGIC_TITLES[] = {
        "UND",   "ODER",      "XOR",      "NICHT",  "SIGNALLAMPE",    "ZAEHLER",
        "TIMER", "TAKTGEBER", "SCHALTER", "TASTER", "SCHRITTSCHALTER"};
    switch (type) {
    case DISTRIBUTOR:
        return "VERTEILER";
    case MIXER:
        return "MISCHER";
    case BRIDGE:
        return "BRUECKE";
    case TUNNEL:  // an entrance without its exit stands for itself
    case TUNNEL_EXIT:
        return "TUNNEL";
    case COAL_GENERATOR:
        return "KOHLEGENERATOR";
    case POWER_POLE:
        return "STROMMAST";
    case INJECTION_MOLDER:
        return "SPRITZGUSSMASCHINE";
    case WATER_SOURCE:
        return "WASSERQUELLE";
    case WATER_PIPE:
        return "WASSERLEITUNG";
    case SENSOR:
        return "SENSOR";
    case EJECTOR:
        return "AUSWERFER";
    case POWER_SUPPLY:
        return "5V-NETZTEIL";
    case LOGIC_RS:
        return "RS-SPEICHER";
    default:
        if (type >= LOGIC_AND && type <= LOGIC_STEPPER) return LOGIC_TITLES[type - LOGIC_AND];
        return "VERTEILER";
    }
}

bool hasDirectionLine(ControlType type) { return type < WATER_SOURCE || type == SENSOR || type == EJECTOR; }

std::string directionLine(ControlType type, const Tile& tile)
{
    if (!hasDirectionLine(type)) return "";
    return std::string("RICHTUNG ") + directionName(type == BRIDGE ? tile.bridgeDir : tile.dir);
}

int generatorBurnHours(const Tile& generator)
{
    const double load = generator.generatorInUse ? std::max(generator.generatorLoadKw, 1) : GENERATOR_FULL_LOAD_KW;
    const double hours = 4.0 * generator.generatorBurnTime / 10.0 * GENERATOR_FULL_LOAD_KW / load;
    return static_cast<int>(std::ceil(hours));
}

std::string tunnelLengthText(const Tile& tunnel, int x, int y)
{
    if (tunnel.tunnelPartnerX < 0 || tunnel.tunnelPartnerY < 0) return "LAENGE - KACHELN";
    const int length = std::abs(x - tunnel.tunnelPartnerX) + std::abs(y - tunnel.tunnelPartnerY);
    return "LAENGE " + std::to_string(length) + " KACHELN";
}

int tankBarWidth(int water) { return TANK_BAR_WIDTH * water / 10; }

ScreenRect bridgeSpeedRect(const ScreenRect& panel, int level) { return panelRect(panel, 8 + 38 * level, 109, 32, 32); }

ScreenRect mixerRatioRect(const ScreenRect& panel, int row, int value)
{
    return panelRect(panel, 10 + 44 * (value - 1), row == 0 ? 85 : 145, 38, 32);
}

ScreenRect distributorModeRect(const ScreenRect& panel) { return wideButton(panel, 75, 32); }

ScreenRect distributorRuleRect(const ScreenRect& panel, int cell)
{
    return panelRect(panel, 10 + 145 * (cell % 2), 125 + 48 * (cell / 2), 135, 40);
}

MixerButton mixerButtonAt(const ScreenRect& panel, int px, int py)
{
    for (int row = 0; row < 2; ++row) {
        for (int value = 1; value <= MAX_MIXER_RATIO; ++value) {
            if (contains(mixerRatioRect(panel, row, value), px, py)) return {row, value};
        }
    }
    return {};
}

int distributorRuleAt(const ScreenRect& panel, int px, int py)
{
    for (int cell = 0; cell < CARGO_TYPE_COUNT; ++cell) {
        if (contains(distributorRuleRect(panel, cell), px, py)) return cell;
    }
    return -1;
}

const char* distributorModeText(int mode)
{
    switch (mode) {
    case DISTRIBUTOR_SIGNAL:
        return "SIGNALWAHL: AUS A - EIN B";
    case DISTRIBUTOR_CARGO_RULES:
        return "REGELN AN";
    default:
        return "WECHSEL AUTOMATISCH";
    }
}

void drawMixerRatioRows(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& mixer, bool digitsInFrameColour)
{
    for (int row = 0; row < 2; ++row) {
        const int ratio = row == 0 ? mixer.ratioA : mixer.ratioB;
        for (int value = 1; value <= MAX_MIXER_RATIO; ++value) {
            const ScreenRect button = mixerRatioRect(panel, row, value);
            drawButton(renderer, button, choiceState(ratio == value));
            if (!digitsInFrameColour) setDrawColor(renderer, PANEL_TEXT_COLOUR);
            drawBitmapText(renderer, std::to_string(value).c_str(), button.left + 14, button.top + 11, 1);
        }
    }
}

void drawDistributorRules(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& distributor,
                          bool labelsInFrameColour)
{
    const int mode = DistributorControl::mode(distributor);
    const ScreenRect modeButton = distributorModeRect(panel);
    drawButton(renderer, modeButton, choiceState(mode != DISTRIBUTOR_AUTOMATIC));
    if (!labelsInFrameColour) setDrawColor(renderer, PANEL_TEXT_COLOUR);
    text(renderer, panel, distributorModeText(mode), 18, 86);
    for (CargoType cargo = 0; cargo < CARGO_TYPE_COUNT; ++cargo) {
        const ScreenRect cell = distributorRuleRect(panel, cargo);
        const bool side = maskHasCargo(distributor.cargoRuleMask, cargo);
        drawButton(renderer, cell, mode == DISTRIBUTOR_CARGO_RULES ? choiceState(side) : BUTTON_WARNING);
        if (!labelsInFrameColour) setDrawColor(renderer, PANEL_TEXT_COLOUR);
        drawText(renderer, cargoShortName(cargo), cell.left + 5, cell.top + 5, 1);
        drawText(renderer, side ? "NEBEN" : "HAUPT", cell.left + 5, cell.top + 22, 1);
    }
}

void drawInformationPanel(SDL_Renderer* renderer, const ScreenRect& panel, const InformationView& view)
{
    drawPanelFrame(renderer, sdlRect(panel), informationTitle(view.type));
    setDrawColor(renderer, PANEL_TEXT_COLOUR);
    const Tile& tile = view.game.tileAt(view.x, view.y);
    if (hasDirectionLine(view.type)) text(renderer, panel, directionLine(view.type, tile), 10, 40);
    const int sectionEnd = drawSection(renderer, panel, view);
    if (view.status.empty()) return;
    setDrawColor(renderer, PANEL_TEXT_COLOUR);
    wrapped(renderer, panel, std::string(view.status),
            isLogicType(view.type) ? LOGIC_STATUS_TOP : std::max(STATUS_TOP, sectionEnd));
}

bool pressInformationPanel(Game& game, UndoHistory& history, const ScreenRect& panel, int x, int y, ControlType type,
                           int px, int py)
{
    switch (type) {
    case DISTRIBUTOR:
        return pressDistributor(game, history, panel, x, y, px, py);
    case MIXER: {
        const MixerButton button = mixerButtonAt(panel, px, py);
        if (button.value == 0) return false;
        MixerControl::setRatio(game.tileAt(x, y), button.row, button.value);
        return true;
    }
    case BRIDGE:
        return pressBridge(game, panel, x, y, px, py);
    case COAL_GENERATOR:
        return pressSwitch(game, history, panel, 120, 34, x, y, toggleControlEnabled, px, py);
    case INJECTION_MOLDER:
        return pressSwitch(game, history, panel, 160, 34, x, y, toggleMachineEnabled, px, py);
    case EJECTOR:
        return pressSwitch(game, history, panel, 68, 34, x, y, toggleEjector, px, py);
    default:
        return false;
    }
}
