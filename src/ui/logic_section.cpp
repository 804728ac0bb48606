#include "ui/logic_section.h"

#include <algorithm>
#include <cmath>

#include "editing/number_entry.h"
#include "editing/recorded_commands.h"
#include "logic/logic_rules.h"
#include "render/bitmap_font.h"
#include "render/widgets.h"
#include "ui/inspector_widgets.h"
#include "ui/panel_drawing.h"
#include "ui/sensor_section.h"
#include "world/game.h"
#include "world/translate.h"

namespace {

constexpr PackedColor OUTPUT_ON_COLOUR = packColor(83, 226, 101);
constexpr PackedColor OUTPUT_OFF_COLOUR = packColor(238, 69, 101);
constexpr PackedColor ENTRY_ERROR_COLOUR = packColor(238, 69, 72);
constexpr int VALUE_ROW = 130;
constexpr int VALUE_ROW_HEIGHT = 22;
constexpr int STEP_BUTTON_WIDTH = 34;
constexpr int STEPPER_OUTPUTS = 4;

void text(SDL_Renderer* renderer, const ScreenRect& panel, const std::string& phrase, int dx, int dy)
{
    drawText(renderer, phrase.c_str(), panel.left + dx, panel.top + dy, 1);
}

void wrapped(SDL_Renderer* renderer, const ScreenRect& panel, const std::string& phrase, int dy)
{
    drawTextWrapped(renderer, phrase, panel.left + 10, panel.top + dy, panel.width - 20, true);
}

ScreenRect wideRow(const ScreenRect& panel, int top, int height)
{
    return panelRect(panel, 8, top, panel.width - 16, height);
}

const Link* wireInto(const Game& game, int x, int y, int input)
{
    for (const Link& link : game.signalControlLinks) {
        if (link.x1 == x && link.y1 == y && link.input == input) return &link;
    }
    return nullptr;
}

std::string onOff(bool on) { return translate(on ? "EIN" : "AUS"); }

void drawCommandRows(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& logic)
{
    const std::string rows[] = {std::string("DANN: ") + switchActionName(logic.thenAction),
                                std::string("SONST: ") + switchActionName(logic.elseAction),
                                "PRIORITAET " + std::to_string(logic.switchPriority)};
    for (int r = 0; r < 3; ++r) {
        drawButton(renderer, wideRow(panel, 130 + 24 * r, 22), 0);
        drawPhrase(renderer, rows[r], panel.left + 13, panel.top + 137 + 24 * r, PANEL_TEXT_COLOUR);
    }
}

void drawSwitchRow(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& logic)
{
    const bool isSwitch = logic.type == LOGIC_SWITCH;
    const bool on = isSwitch ? logic.switchOn : logic.buttonPressed;
    drawButton(renderer, wideRow(panel, 130, 30), switchState(on));
    const char* state = isSwitch ? (on ? "SCHALTER EIN" : "SCHALTER AUS") : (on ? "TASTER EIN" : "TASTER AUS");
    drawPhrase(renderer, state, panel.left + 26, panel.top + 141, PANEL_TEXT_COLOUR);
    wrapped(renderer, panel,
            isSwitch ? "LINKSKLICK AUF DEN SCHALTER ODER DIE TASTE SCHALTET DAS SIGNAL."
                     : "LINKS GEDRUECKT HALTEN: SIGNAL EIN. LOSLASSEN: AUS.",
            174);
}

std::string valueText(const Tile& logic, const NumberEntry& entry)
{
    if (logic.type != LOGIC_COUNTER) return "ZEIT " + std::to_string(logic.periodSeconds) + " S";
    if (entry.active) return "ZIEL " + entry.text + "_";
    return "ZIEL " + std::to_string(logic.limit) + "  IST " + std::to_string(logic.counterCount);
}

// "-", the field and "+"; their texts in the colour the "+" frame leaves.
void drawValueRow(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& logic, const NumberEntry& entry)
{
    const int w = panel.width;
    const bool typing = logic.type == LOGIC_COUNTER && entry.active;
    drawButton(renderer, panelRect(panel, 8, VALUE_ROW, STEP_BUTTON_WIDTH, VALUE_ROW_HEIGHT), 0);
    drawButton(renderer, logicValueFieldRect(panel), choiceState(typing));
    drawButton(renderer, panelRect(panel, w - 42, VALUE_ROW, STEP_BUTTON_WIDTH, VALUE_ROW_HEIGHT), 0);
    text(renderer, panel, "-", 22, 137);
    text(renderer, panel, "+", w - 28, 137);
    text(renderer, panel, valueText(logic, entry), 47, 137);
}

void drawCounterHint(SDL_Renderer* renderer, const ScreenRect& panel, const NumberEntry& entry)
{
    if (entry.active) {
        const ScreenRect ok = counterOkRect(panel);
        drawButton(renderer, ok, BUTTON_ACTIVE);
        drawPhrase(renderer, "OK", ok.left + 8, ok.top + 7, PANEL_TEXT_COLOUR);
    }
    if (entry.invalid) {
        setDrawColor(renderer, ENTRY_ERROR_COLOUR);
        wrapped(renderer, panel, "WERT VON 1 BIS 1000000 EINGEBEN.", 164);
        return;
    }
    setDrawColor(renderer, PANEL_TEXT_COLOUR);
    wrapped(renderer, panel,
            entry.active ? "ENTER ODER OK: UEBERNEHMEN. ESC: ABBRECHEN." : "ZIEL ANKLICKEN FUER DIREKTE EINGABE.", 164);
}

void drawTimerRest(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& timer)
{
    text(renderer, panel, "REST " + std::to_string(remainingSeconds(timer)) + " S", 10, 164);
    wrapped(renderer, panel,
            timer.type == LOGIC_TIMER ? "START BEI EIN-FLANKE. EIN IMPULS NACH ABLAUF."
                                      : "OHNE LEITUNG IMMER EIN. EINGANG AUS SETZT TAKT ZURUECK.",
            184);
}

void drawStepperRows(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& stepper)
{
    for (int k = 0; k < STEPPER_OUTPUTS; ++k) {
        const bool on = stepper.signalOut && stepper.stepperIndex == k;
        drawButton(renderer, wideRow(panel, 130 + 19 * k, 17), switchState(on));
        const std::string line = translate("AUSGANG") + " " + std::to_string(k + 1) + ": " + onOff(on);
        setDrawColor(renderer, PANEL_TEXT_COLOUR);
        drawBitmapText(renderer, line.c_str(), panel.left + 14, panel.top + 135 + 19 * k, 1);
    }
}

void drawOwnRows(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& logic, const NumberEntry& entry)
{
    switch (logic.type) {
    case LOGIC_AND:
    case LOGIC_OR:
    case LOGIC_XOR:
    case LOGIC_NOT:
    case LOGIC_RS:
        drawCommandRows(renderer, panel, logic);
        break;
    case LOGIC_SWITCH:
    case LOGIC_BUTTON:
        drawSwitchRow(renderer, panel, logic);
        break;
    case LOGIC_COUNTER:
        drawValueRow(renderer, panel, logic, entry);
        drawCounterHint(renderer, panel, entry);
        break;
    case LOGIC_TIMER:
    case LOGIC_CLOCK:
        drawValueRow(renderer, panel, logic, entry);
        drawTimerRest(renderer, panel, logic);
        break;
    case LOGIC_STEPPER:
        drawStepperRows(renderer, panel, logic);
        break;
    default:
        break;
    }
}

void drawClosingLines(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& logic)
{
    setDrawColor(renderer, PANEL_TEXT_COLOUR);
    if (logic.type == LOGIC_RS) {
        text(renderer, panel, logic.rsState ? "SPEICHER EIN" : "SPEICHER AUS", 10, 202);
        wrapped(renderer, panel,
                "OBEN S: SETZEN. UNTEN R: RUECKSETZEN MIT VORRANG. OHNE SIGNAL: ZUSTAND HALTEN. OHNE 5V: AUSGANG "
                "AUS, SPEICHER BLEIBT.",
                214);
    } else if (logic.type == LOGIC_STEPPER) {
        wrapped(renderer, panel, "EIN-FLANKE: NAECHSTER AUSGANG. RECHTS VON OBEN NACH UNTEN 1 BIS 4 VERDRAHTEN.", 214);
    } else {
        wrapped(renderer, panel,
                "SCHALTLEITUNG: ZUERST AUSGANG, DANN EINGANG. OBEN A, UNTEN B. FREIE EINGAENGE SIND AUS. KEINE "
                "RUECKKOPPLUNGEN.",
                214);
    }
}

bool inValueRow(const ScreenRect& panel, int py)
{
    return py >= panel.top + VALUE_ROW && py < panel.top + VALUE_ROW + VALUE_ROW_HEIGHT;
}

LogicPress pressCounter(Game& game, NumberEntry& entry, const ScreenRect& panel, int x, int y, int px, int py)
{
    if (!inValueRow(panel, py)) return LogicPress::NONE;
    Tile& counter = game.tileAt(x, y);
    const ScreenRect field = logicValueFieldRect(panel);
    if (px >= field.left && px < field.left + field.width) {
        beginNumberEntry(entry, counter.limit);
        return LogicPress::ENTRY_OPENED;
    }
    // Direct writes: the press's own guard records the step.
    const int step = intervalStepAt({panel.left, panel.top, panel.width, px, py});
    if (step == 0) return LogicPress::NONE;
    counter.limit = std::clamp(counter.limit + step, COUNTER_LIMIT_MIN, COUNTER_LIMIT_MAX);
    return LogicPress::CHANGED;
}

}  // namespace

int logicInputCount(ControlType type)
{
    switch (type) {
    case LOGIC_AND:
    case LOGIC_OR:
    case LOGIC_XOR:
    case LOGIC_RS:
        return 2;
    case LOGIC_SWITCH:
    case LOGIC_BUTTON:
        return 0;
    default:
        return isLogicType(type) ? 1 : 0;
    }
}

std::string logicInputLine(const Game& game, int x, int y, int input)
{
    const Tile& logic = game.tileAt(x, y);
    static constexpr const char* GATE_LABELS[] = {"A: ", "B: "};
    static constexpr const char* LATCH_LABELS[] = {"S: ", "R: "};
    std::string line = (logic.type == LOGIC_RS ? LATCH_LABELS : GATE_LABELS)[input == 0 ? 0 : 1];
    line += onOff(input == 0 ? logic.inputA : logic.inputB) + " - ";
    const Link* wire = wireInto(game, x, y, input);
    if (wire == nullptr) return line + translate("NICHT VERBUNDEN");
    return line + std::to_string(wire->x0) + "," + std::to_string(wire->y0);
}

int remainingSeconds(const Tile& timer)
{
    if (!timer.running) return 0;
    const double left = std::ceil(static_cast<double>(timer.periodSeconds) - static_cast<double>(timer.elapsed));
    return std::max(0, static_cast<int>(left));
}

ScreenRect logicValueFieldRect(const ScreenRect& panel)
{
    return panelRect(panel, 44, VALUE_ROW, panel.width - 88, VALUE_ROW_HEIGHT);
}

ScreenRect counterOkRect(const ScreenRect& panel) { return panelRect(panel, panel.width - 74, VALUE_ROW, 30, 22); }

void drawLogicSection(SDL_Renderer* renderer, const ScreenRect& panel, const Game& game, int x, int y,
                      const NumberEntry& entry)
{
    const Tile& logic = game.tileAt(x, y);
    setDrawColor(renderer, PANEL_TEXT_COLOUR);
    for (int input = 0; input < logicInputCount(logic.type); ++input)
        drawBitmapText(renderer, logicInputLine(game, x, y, input).c_str(), panel.left + 10,
                       panel.top + 46 + 24 * input, 1);
    drawPhrase(renderer, logic.signalOut ? "ERGEBNIS EIN" : "ERGEBNIS AUS", panel.left + 10, panel.top + 102,
               logic.signalOut ? OUTPUT_ON_COLOUR : OUTPUT_OFF_COLOUR);
    drawOwnRows(renderer, panel, logic, entry);
    drawClosingLines(renderer, panel, logic);
}

LogicPress pressLogicSection(Game& game, UndoHistory& history, NumberEntry& entry, const ScreenRect& panel, int x,
                             int y, int px, int py)
{
    const ControlType type = game.tileAt(x, y).type;
    const PanelPress press{panel.left, panel.top, panel.width, px, py};
    switch (type) {
    case LOGIC_AND:
    case LOGIC_OR:
    case LOGIC_XOR:
    case LOGIC_NOT:
    case LOGIC_RS:
        if (commandRowAt(press) < 0) return LogicPress::NONE;
        setSubButton(history, game, x, y, press);
        return LogicPress::CHANGED;
    case LOGIC_COUNTER:
        return pressCounter(game, entry, panel, x, y, px, py);
    case LOGIC_TIMER:
    case LOGIC_CLOCK:
        if (!inValueRow(panel, py) || intervalStepAt(press) == 0) return LogicPress::NONE;
        stepInterval(history, game, x, y, press);
        return LogicPress::CHANGED;
    default:
        return LogicPress::NONE;
    }
}
