#include <gtest/gtest.h>

#include <vector>

#include "editing/number_entry.h"
#include "editing/recorded_commands.h"
#include "inspector_bench.h"
#include "logic/logic_rules.h"
#include "ui/information_panel.h"
#include "ui/inspector_widgets.h"
#include "ui/logic_section.h"
#include "ui/sensor_section.h"

namespace {

constexpr Rgba OUTPUT_ON{83, 226, 101, 255};
constexpr Rgba OUTPUT_OFF{238, 69, 101, 255};
constexpr Rgba ENTRY_ERROR{238, 69, 72, 255};

// The sensor and logic rows in the information panel, drawn and pressed as
// the shell does, with the number entry of the shell.
class SignalSections : public InspectorBench {
  protected:
    SoftwareCanvas& drawAt(int x, int y)
    {
        canvas.clear({0, 0, 0, 255});
        InformationView view{game, x, y, game.tileAt(x, y).type, ""};
        view.sprites = &sprites;
        view.numberEntry = &entry;
        drawInformationPanel(canvas.renderer(), panel, view);
        return canvas;
    }
    SensorPress pressSensor(int x, int y, int dx, int dy)
    {
        return pressSensorSection(game.tileAt(x, y), panel, panel.left + dx, panel.top + dy);
    }
    LogicPress pressLogic(int x, int y, int dx, int dy)
    {
        const UndoGuard guard(history, game);
        return pressLogicSection(game, history, entry, panel, x, y, panel.left + dx, panel.top + dy);
    }

    NumberEntry entry;
};

}  // namespace

TEST_F(SignalSections, TheSensorCameraFollowsItsFacingUntilADirectionIsChosen)
{
    Tile& sensor = setTile(game, 10, 10, SENSOR);
    sensor.dir = EAST;
    sensor.sensorTargetIndex = -1;
    drawAt(10, 10);
    EXPECT_TRUE(shows("KAMERA RICHTUNG OST", 13, 299, PLAIN_FRAME));
    EXPECT_EQ(pressSensor(10, 10, 100, 300), SensorPress::CHANGED);
    EXPECT_EQ(sensor.sensorTargetIndex, 3);
    drawAt(10, 10);
    EXPECT_TRUE(shows("KAMERA RICHTUNG SUEDOST", 13, 299, PLAIN_FRAME));

    struct Facing {
        Direction dir;
        int stored, shown, afterPress;
    };
    for (const Facing& f :
         std::vector<Facing>{{WEST, 9, 6, 7}, {SOUTH, -1, 4, 5}, {NONE, 12, 2, 3}, {NORTH, 7, 7, 0}}) {
        sensor.dir = f.dir;
        sensor.sensorTargetIndex = f.stored;
        EXPECT_EQ(effectiveCameraDirection(sensor), f.shown) << f.dir << " " << f.stored;
        pressSensor(10, 10, 20, 292);
        EXPECT_EQ(sensor.sensorTargetIndex, f.afterPress) << f.dir << " " << f.stored;
    }
    EXPECT_STREQ(compassName(7), "NORDWEST");
}

TEST_F(SignalSections, SensorRowsStepTheirSettingsWithinTheirRanges)
{
    Tile& sensor = setTile(game, 4, 4, SENSOR);
    struct Step {
        int startLimit, dx, dy, limit;
    };
    const int w = panel.width;
    for (const Step& s : std::vector<Step>{{0, 20, 90, 0},  // "-" stops at 0
                                           {5, 8, 86, 4},
                                           {5, 41, 105, 4},
                                           {1000000, w - 20, 90, 1000000},  // "+" stops at the top
                                           {7, w - 42, 90, 8},
                                           {7, w - 8, 90, 7},   // right of "+"
                                           {7, 150, 90, 7}}) {  // the field
        sensor.limit = s.startLimit;
        pressSensor(4, 4, s.dx, s.dy);
        EXPECT_EQ(sensor.limit, s.limit) << s.startLimit << " at " << s.dx;
    }

    sensor.compareAbove = 0;
    sensor.thenAction = SWITCH_OFF;
    sensor.elseAction = NO_CHANGE;
    sensor.switchPriority = 9;
    sensor.sensorWatchItems = false;
    sensor.sensorPerItem = true;
    for (const int dy : {108, 130, 152, 174, 244, 268})
        EXPECT_EQ(pressSensor(4, 4, 60, dy), SensorPress::CHANGED) << dy;
    EXPECT_EQ(sensor.compareAbove, 1);
    EXPECT_EQ(sensor.thenAction, NO_CHANGE);
    EXPECT_EQ(sensor.elseAction, SWITCH_ON);
    EXPECT_EQ(sensor.switchPriority, 0);
    EXPECT_TRUE(sensor.sensorWatchItems);
    EXPECT_FALSE(sensor.sensorPerItem);
    EXPECT_EQ(pressSensor(4, 4, 60, 70), SensorPress::OPEN_CARGO_CHOICE);
    for (const int dy : {40, 63, 200, 240, 320})
        EXPECT_EQ(pressSensor(4, 4, 60, dy), SensorPress::NONE) << dy;

    game.signalMeasureLinks = {{4, 4, 6, 6}, {4, 4, 7, 7}, {1, 1, 4, 4}};
    game.signalControlLinks = {{4, 4, 9, 9}};
    EXPECT_EQ(sensorWireCounts(game, 4, 4), "MESS 2  SCHALT 1");
    sensor.sensorCargo = COAL;
    EXPECT_EQ(sensorCameraText(game, 4, 4), std::string("KAMERA AN - ") + cargoShortName(COAL) + " 0");
    sensor.sensorWatchItems = false;
    EXPECT_EQ(sensorCameraText(game, 4, 4), "KAMERAMODUL AUS");
}

TEST_F(SignalSections, SensorPictureAndItsCargoPage)
{
    Tile& sensor = setTile(game, 4, 4, SENSOR);
    sensor.limit = 12;
    sensor.compareAbove = 1;
    sensor.sensorWatchItems = true;
    sensor.sensorCargo = COAL;
    drawAt(4, 4);
    EXPECT_TRUE(shows("GUTBESTAND DER MESSLEITUNGEN", 10, 48, PANEL_TEXT));
    const int n = static_cast<int>(std::string_view("GRENZE 12").size());
    EXPECT_TRUE(shows("GRENZE 12", 44 + (panel.width - 88 - 6 * n) / 2, 92, PLAIN_FRAME));
    EXPECT_TRUE(shows("WENN BESTAND UEBER GRENZE", 13, 114, PLAIN_FRAME));
    EXPECT_TRUE(shows("DANN: EIN", 13, 136, PLAIN_FRAME));
    EXPECT_TRUE(shows("MESS 0  SCHALT 0", 10, 202, PLAIN_FRAME));
    EXPECT_EQ(frameAt(8, 244), GREEN_FRAME);
    EXPECT_TRUE(shows("KAMERA AN", 13, 251, GREEN_FRAME));
    EXPECT_EQ(frameAt(8, 268), PLAIN_FRAME);
    EXPECT_TRUE(shows("MODUS: ANWESENHEIT", 13, 275, PLAIN_FRAME));

    canvas.clear({0, 0, 0, 255});
    drawCargoChoicePage(canvas.renderer(), panel, sensor, sprites);
    EXPECT_TRUE(shows("GUT AUSWAEHLEN", 10, 8, PANEL_TEXT));
    EXPECT_TRUE(shows("ZURUECK", 16, 37, PANEL_TEXT));
    const ScreenRect lit = choiceGridCellRect(panel, COAL);
    EXPECT_EQ(canvas.pixel(lit.left, lit.top), GREEN_FRAME);
    const ScreenRect other = choiceGridCellRect(panel, LOG);
    EXPECT_EQ(canvas.pixel(other.left, other.top), PLAIN_FRAME);

    struct Choice {
        int dx, dy;
        bool right, close;
        int cargo;
    };
    const ScreenRect cell = choiceGridCellRect(panel, 4);
    for (const Choice& c : std::vector<Choice>{{30, 40, false, true, -1},  // "ZURUECK"
                                               {30, 57, false, true, -1},  // still the head
                                               {cell.left - panel.left + 3, cell.top - panel.top + 3, false, false, 4},
                                               {cell.left - panel.left + 3, cell.top - panel.top + 3, true, true, -1},
                                               {300, 500, false, false, -1},   // below the cells
                                               {-5, 100, false, true, -1}}) {  // outside the panel
        const CargoChoicePress press = pressCargoChoicePage(panel, panel.left + c.dx, panel.top + c.dy, c.right);
        EXPECT_EQ(press.close, c.close) << c.dx << "," << c.dy;
        EXPECT_EQ(press.cargo, c.cargo) << c.dx << "," << c.dy;
    }
}

TEST_F(SignalSections, InputLinesOutputAndTheHintOfEachKind)
{
    build(game, LOGIC_AND, 10, 10);
    build(game, LOGIC_SWITCH, 12, 10);
    build(game, LOGIC_NOT, 14, 10);
    build(game, LOGIC_RS, 16, 10);
    game.tileAt(10, 10).inputA = true;
    game.signalControlLinks = {{3, 4, 10, 10, 0}, {5, 6, 16, 10, 1}};
    EXPECT_EQ(logicInputLine(game, 10, 10, 0), "A: EIN - 3,4");
    EXPECT_EQ(logicInputLine(game, 10, 10, 1), "B: AUS - NICHT VERBUNDEN");
    EXPECT_EQ(logicInputLine(game, 16, 10, 1), "R: AUS - 5,6");
    const std::vector<std::pair<ControlType, int>> inputs = {
        {LOGIC_AND, 2},    {LOGIC_OR, 2},      {LOGIC_XOR, 2},   {LOGIC_RS, 2},    {LOGIC_NOT, 1},
        {SIGNAL_LAMP, 1},  {LOGIC_COUNTER, 1}, {LOGIC_TIMER, 1}, {LOGIC_CLOCK, 1}, {LOGIC_STEPPER, 1},
        {LOGIC_SWITCH, 0}, {LOGIC_BUTTON, 0},  {SENSOR, 0},      {POWER_SUPPLY, 0}};
    for (const auto& [type, count] : inputs)
        EXPECT_EQ(logicInputCount(type), count) << type;

    drawAt(10, 10);
    EXPECT_TRUE(shows("A: EIN - 3,4", 10, 46, PANEL_TEXT));
    EXPECT_TRUE(shows("B: AUS - NICHT VERBUNDEN", 10, 70, PANEL_TEXT));
    EXPECT_TRUE(shows("ERGEBNIS AUS", 10, 102, OUTPUT_OFF));
    EXPECT_TRUE(shows("DANN: EIN", 13, 137, PANEL_TEXT));
    EXPECT_TRUE(shows("PRIORITAET 0", 13, 185, PANEL_TEXT));
    EXPECT_TRUE(shows("SCHALTLEITUNG:", 10, 214, PANEL_TEXT));

    game.tileAt(12, 10).signalOut = true;
    game.tileAt(12, 10).switchOn = true;
    drawAt(12, 10);
    EXPECT_FALSE(shows("A:", 10, 46, PANEL_TEXT)) << "a switch has no inputs";
    EXPECT_TRUE(shows("ERGEBNIS EIN", 10, 102, OUTPUT_ON));
    EXPECT_EQ(frameAt(8, 130), GREEN_FRAME);
    EXPECT_TRUE(shows("SCHALTER EIN", 26, 141, PANEL_TEXT));

    game.tileAt(16, 10).rsState = true;
    drawAt(16, 10);
    EXPECT_TRUE(shows("S: AUS - NICHT VERBUNDEN", 10, 46, PANEL_TEXT));
    EXPECT_TRUE(shows("SPEICHER EIN", 10, 202, PANEL_TEXT));
    EXPECT_TRUE(shows("OBEN S: SETZEN.", 10, 214, PANEL_TEXT));

    // Command rows step through the recorded commands, one undo step each.
    const std::size_t before = history.size();
    EXPECT_EQ(pressLogic(14, 10, 50, 131), LogicPress::CHANGED);
    EXPECT_EQ(pressLogic(14, 10, 50, 180), LogicPress::CHANGED);
    EXPECT_EQ(pressLogic(14, 10, 50, 153), LogicPress::NONE) << "between two rows";
    EXPECT_EQ(game.tileAt(14, 10).thenAction, SWITCH_OFF);
    EXPECT_EQ(game.tileAt(14, 10).switchPriority, 1);
    EXPECT_EQ(history.size(), before + 2);
}

TEST_F(SignalSections, CounterTargetIsTypedAndStepped)
{
    Tile& counter = build(game, LOGIC_COUNTER, 6, 6);
    counter.limit = 1;
    counter.counterCount = 0;
    pressLogic(6, 6, 20, 140);
    EXPECT_EQ(counter.limit, 1) << "the target stays 1 on \"-\"";
    EXPECT_EQ(pressLogic(6, 6, panel.width - 42, 140), LogicPress::CHANGED);
    EXPECT_EQ(counter.limit, 2);
    EXPECT_EQ(pressLogic(6, 6, 42, 140), LogicPress::NONE) << "between \"-\" and the field";
    drawAt(6, 6);
    EXPECT_TRUE(shows("ZIEL 2  IST 0", 47, 137, PLAIN_FRAME));
    EXPECT_TRUE(shows("ZIEL ANKLICKEN FUER DIREKTE EINGABE.", 10, 164, PANEL_TEXT));

    EXPECT_EQ(pressLogic(6, 6, 100, 131), LogicPress::ENTRY_OPENED);
    EXPECT_TRUE(entry.active);
    EXPECT_EQ(entry.text, "2");
    typeIntoNumberEntry(entry, "0");
    drawAt(6, 6);
    EXPECT_EQ(frameAt(44, 130), GREEN_FRAME);
    EXPECT_TRUE(shows("ZIEL 0_", 47, 137, PLAIN_FRAME));
    EXPECT_TRUE(shows("OK", panel.width - 66, 137, PANEL_TEXT));
    // The shell's entry takes the presses while it is open (the map pointer's tests press it).
    commitNumberEntry(history, game, entry, 6, 6, true);
    EXPECT_TRUE(entry.invalid) << "0 is no target";
    drawAt(6, 6);
    EXPECT_TRUE(shows("WERT VON 1 BIS", 10, 164, ENTRY_ERROR));
}

TEST_F(SignalSections, TimerAndClockIntervalsAndTheRestTime)
{
    Tile& timer = build(game, LOGIC_TIMER, 6, 6);
    Tile& clock = build(game, LOGIC_CLOCK, 8, 6);
    struct Step {
        Tile* tile;
        int x, period, dx, after;
    };
    const int w = panel.width;
    for (const Step& s : std::vector<Step>{{&timer, 6, 1, 20, 1},
                                           {&timer, 6, 1, w - 20, 2},
                                           {&clock, 8, 3600, w - 20, 3600},
                                           {&clock, 8, 3600, 20, 3599},
                                           {&clock, 8, 5, 150, 5}}) {
        s.tile->periodSeconds = s.period;
        pressLogic(s.x, 6, s.dx, 135);
        EXPECT_EQ(s.tile->periodSeconds, s.after) << s.period << " at " << s.dx;
    }

    struct Rest {
        bool running;
        int period;
        float elapsed;
        int rest;
    };
    for (const Rest& r :
         std::vector<Rest>{{false, 10, 4.0f, 0}, {true, 10, 4.2f, 6}, {true, 10, 0.0f, 10}, {true, 3, 7.5f, 0}}) {
        timer.running = r.running;
        timer.periodSeconds = r.period;
        timer.elapsed = r.elapsed;
        EXPECT_EQ(remainingSeconds(timer), r.rest) << r.period << " " << r.elapsed;
    }
    timer.running = false;
    timer.periodSeconds = 12;
    drawAt(6, 6);
    EXPECT_TRUE(shows("ZEIT 12 S", 47, 137, PLAIN_FRAME));
    EXPECT_TRUE(shows("REST 0 S", 10, 164, PLAIN_FRAME));
    EXPECT_TRUE(shows("START BEI EIN-FLANKE.", 10, 184, PLAIN_FRAME));
}

TEST_F(SignalSections, StepperRowsLightOnlyTheCurrentOutputWhileOn)
{
    Tile& stepper = build(game, LOGIC_STEPPER, 6, 6);
    stepper.stepperIndex = 2;
    stepper.signalOut = false;
    drawAt(6, 6);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(frameAt(8, 130 + 19 * k), RED_FRAME) << k;
        EXPECT_TRUE(shows("AUSGANG " + std::to_string(k + 1) + ": AUS", 14, 135 + 19 * k, PANEL_TEXT)) << k;
    }
    stepper.signalOut = true;
    drawAt(6, 6);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(frameAt(8, 130 + 19 * k), k == 2 ? GREEN_FRAME : RED_FRAME) << k;
    EXPECT_TRUE(shows("AUSGANG 3: EIN", 14, 173, PANEL_TEXT));
}
