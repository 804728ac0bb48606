#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "editing/number_entry.h"
#include "editing/placing.h"
#include "editing/recorded_commands.h"
#include "editing/test_session.h"
#include "logic/logic_controls.h"

namespace {

// The inspector panel as the side panel places it.
constexpr int PANEL_X = 960;
constexpr int PANEL_Y = 100;
constexpr int PANEL_W = 320;

PanelPress pressAt(int offsetX, int offsetY)
{
    return {PANEL_X, PANEL_Y, PANEL_W, PANEL_X + offsetX, PANEL_Y + offsetY};
}

const PanelPress MINUS = pressAt(41, 140);
const PanelPress PLUS = pressAt(PANEL_W - 42, 140);
const PanelPress BETWEEN_BUTTONS = pressAt(42, 140);

}  // namespace

// Each panel button changes its own control by the rule, records a step only
// when the map changed, and leaves a map that reads back.
TEST(RecordedCommands, PanelButtonsStepTheirControls)
{
    using Command = std::function<void(UndoHistory&, Game&)>;
    struct Case {
        const char* name;
        ControlType type;
        std::function<void(Tile&)> setUp;
        Command command;
        std::function<bool(const Tile&)> expected;
        bool recorded;
    };
    const auto at = [](auto command) {
        return [command](UndoHistory& history, Game& game) { command(history, game, 10, 10); };
    };
    const auto panel = [](auto command, PanelPress press) {
        return [command, press](UndoHistory& history, Game& game) { command(history, game, 10, 10, press); };
    };
    const Case cases[] = {
        {"arm signal", ARM, [](Tile& t) { t.armPendingJobs = 4; }, at(toggleTileFlag),
         [](const Tile& t) { return t.armContinuous && t.armPendingJobs == 0; }, true},
        {"long arm signal back", LONG_ARM, [](Tile& t) { t.armContinuous = true; }, at(toggleTileFlag),
         [](const Tile& t) { return !t.armContinuous; }, true},
        {"ejector off", EJECTOR, [](Tile&) {}, at(toggleEjector), [](const Tile& t) { return !t.ejectorActive; }, true},
        {"molder on", INJECTION_MOLDER, [](Tile& t) { t.molderPowered = true; }, at(toggleMachineEnabled),
         [](const Tile& t) { return t.molderOn && !t.molderPowered; }, true},
        {"generator off", COAL_GENERATOR, [](Tile& t) { t.generatorOn = t.generatorInUse = true; },
         at(toggleControlEnabled), [](const Tile& t) { return !t.generatorOn && !t.generatorInUse; }, true},
        {"THEN 2 to 0", LOGIC_AND, [](Tile& t) { t.thenAction = SWITCH_OFF; }, panel(setSubButton, pressAt(8, 130)),
         [](const Tile& t) { return t.thenAction == NO_CHANGE; }, true},
        {"ELSE 0 to 1", LOGIC_RS, [](Tile& t) { t.elseAction = NO_CHANGE; }, panel(setSubButton, pressAt(100, 175)),
         [](const Tile& t) { return t.elseAction == SWITCH_ON; }, true},
        {"priority 9 to 0", LOGIC_NOT, [](Tile& t) { t.switchPriority = 9; },
         panel(setSubButton, pressAt(PANEL_W - 9, 199)), [](const Tile& t) { return t.switchPriority == 0; }, true},
        {"beside the rows", LOGIC_XOR, [](Tile&) {}, panel(setSubButton, pressAt(7, 140)),
         [](const Tile& t) { return t.thenAction == SWITCH_ON; }, false},
        {"below the rows", LOGIC_OR, [](Tile&) {}, panel(setSubButton, pressAt(100, 200)),
         [](const Tile& t) { return t.switchPriority == 0; }, false},
        {"interval up", LOGIC_TIMER, [](Tile&) {}, panel(stepInterval, PLUS),
         [](const Tile& t) { return t.periodSeconds == 4; }, true},
        {"interval down", LOGIC_CLOCK, [](Tile&) {}, panel(stepInterval, MINUS),
         [](const Tile& t) { return t.periodSeconds == 2; }, true},
        {"interval at 1 stays", LOGIC_CLOCK, [](Tile& t) { t.periodSeconds = 1; }, panel(stepInterval, MINUS),
         [](const Tile& t) { return t.periodSeconds == 1; }, false},
        {"interval at 1 restarts", LOGIC_TIMER,
         [](Tile& t) {
             t.periodSeconds = 1;
             t.running = true;
             t.elapsed = 0.5f;
             t.pulse = 0.1f;
         },
         panel(stepInterval, MINUS),
         [](const Tile& t) { return t.periodSeconds == 1 && t.elapsed == 0.0f && t.pulse == 0.0f; }, true},
        {"interval at 3600 stays", LOGIC_TIMER, [](Tile& t) { t.periodSeconds = 3600; }, panel(stepInterval, PLUS),
         [](const Tile& t) { return t.periodSeconds == 3600; }, false},
        {"between the interval buttons", LOGIC_TIMER, [](Tile& t) { t.elapsed = 1.0f; },
         panel(stepInterval, BETWEEN_BUTTONS), [](const Tile& t) { return t.elapsed == 1.0f; }, false},
        {"just left of plus", LOGIC_CLOCK, [](Tile&) {}, panel(stepInterval, pressAt(PANEL_W - 43, 140)),
         [](const Tile& t) { return t.periodSeconds == 3; }, false},
        {"sensor cargo", SENSOR, [](Tile&) {},
         [](UndoHistory& history, Game& game) { setSensorCargo(history, game, 10, 10, PLASTIC_GEAR); },
         [](const Tile& t) { return t.sensorCargo == PLASTIC_GEAR; }, true},
        {"sensor cargo unchanged", SENSOR, [](Tile&) {},
         [](UndoHistory& history, Game& game) { setSensorCargo(history, game, 10, 10, COAL); },
         [](const Tile& t) { return t.sensorCargo == COAL; }, false},
        {"sensor cargo out of range", SENSOR, [](Tile&) {},
         [](UndoHistory& history, Game& game) { setSensorCargo(history, game, 10, 10, CARGO_TYPE_COUNT); },
         [](const Tile& t) { return t.sensorCargo == COAL; }, false},
        {"ejector button on a belt", BELT, [](Tile&) {}, at(toggleEjector),
         [](const Tile& t) { return t.ejectorActive; }, false},
        {"arm button on a distributor", DISTRIBUTOR, [](Tile&) {}, at(toggleTileFlag),
         [](const Tile& t) { return !t.armContinuous; }, false},
        {"interval on a counter", LOGIC_COUNTER, [](Tile&) {}, panel(stepInterval, PLUS),
         [](const Tile& t) { return t.periodSeconds == 3; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditSession session;
        Game& game = session.game;
        if (c.type == DISTRIBUTOR) {
            build(game, DISTRIBUTOR, 10, 10);
        } else {
            setTile(game, 10, 10, c.type, c.type == BELT ? EAST : NONE);
        }
        c.setUp(game.tileAt(10, 10));
        const std::string before = mapText(game);
        c.command(session.history, game);
        EXPECT_TRUE(c.expected(game.tileAt(10, 10)));
        EXPECT_EQ(session.history.size(), c.recorded ? 1u : 0u);
        if (c.recorded) {
            EXPECT_TRUE(session.history.newest() == before);
        }
        expectMapReadsBack(game);
    }
}

TEST(RecordedCommands, TheDistributorModeGoesRoundInThreePresses)
{
    EditSession session;
    Game& game = session.game;
    build(game, DISTRIBUTOR, 10, 10);
    const Tile& distributor = game.tileAt(10, 10);
    const std::pair<bool, bool> modes[] = {{true, false}, {false, true}, {false, false}};
    for (const auto& [cargoRules, signal] : modes) {
        cycleDistributorMode(session.history, game, 10, 10);
        EXPECT_EQ(distributor.modeCargoRules, cargoRules);
        EXPECT_EQ(distributor.modeSignal, signal);
        expectMapReadsBack(game);
    }
    EXPECT_EQ(session.history.size(), 3u);
    cycleDistributorMode(session.history, game, 11, 10);
    EXPECT_EQ(session.history.size(), 3u) << "the second tile has no mode button";

    // Inside a press, the press and its command leave one step.
    {
        UndoGuard press(session.history, game);
        cycleDistributorMode(session.history, game, 10, 10);
    }
    EXPECT_EQ(session.history.size(), 4u);
    ASSERT_TRUE(session.history.undo(game));
    EXPECT_FALSE(game.tileAt(10, 10).modeCargoRules);
}

TEST(RecordedCommands, ResetAlwaysRecordsAndUndoes)
{
    EditSession session;
    session.game = Game{};
    Game& game = session.game;
    resetMap(session.history, game);
    EXPECT_EQ(session.history.size(), 1u) << "the starter source takes a fresh machine id";
    EXPECT_EQ(game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y).machineId, 2u);

    layBeltRun(game, 10, 10, EAST, 5);
    const std::string built = mapText(game);
    resetMap(session.history, game);
    EXPECT_EQ(game.tileAt(10, 10).type, EMPTY);
    EXPECT_EQ(game.tileAt(STARTER_SINK_X, STARTER_SINK_Y).type, SINK);
    ASSERT_TRUE(session.history.undo(game));
    EXPECT_TRUE(mapText(game) == built);
}

TEST(RecordedCommands, TheNumberEntrySetsACounterTarget)
{
    struct Case {
        const char* text;
        bool accepted;
    };
    const Case cases[] = {{"0", false},        {"1000001", false}, {"", false}, {"12a", false},
                          {"00000001", false}, {"-5", false},      {"1", true}, {"1000000", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EditSession session;
        Game& game = session.game;
        ASSERT_TRUE(placeControl(game, LOGIC_COUNTER, 10, 10));
        NumberEntry entry;
        beginNumberEntry(entry, game.tileAt(10, 10).limit);
        entry.text = c.text;

        commitNumberEntry(session.history, game, entry, 10, 10, true);
        EXPECT_EQ(entry.active, !c.accepted);
        EXPECT_EQ(entry.invalid, !c.accepted);
        EXPECT_EQ(session.history.size(), c.accepted ? 1u : 0u);
        if (c.accepted) {
            EXPECT_EQ(game.tileAt(10, 10).limit, std::stoi(c.text));
            EXPECT_TRUE(entry.text.empty());
        } else {
            EXPECT_EQ(entry.text, c.text) << "the text stays for correction";
        }
        expectMapReadsBack(game);
    }
}

TEST(RecordedCommands, TheNumberEntryClosesWithoutAChange)
{
    EditSession session;
    Game& game = session.game;
    ASSERT_TRUE(placeControl(game, LOGIC_COUNTER, 10, 10));
    NumberEntry entry;

    // Escape, a right click or the cancel button.
    beginNumberEntry(entry, 7);
    commitNumberEntry(session.history, game, entry, 10, 10, false);
    EXPECT_FALSE(entry.active);
    EXPECT_EQ(game.tileAt(10, 10).limit, COUNTER_PLACED_LIMIT);

    // Enter after the counter was demolished, or with the entry already closed.
    beginNumberEntry(entry, 7);
    entry.invalid = true;
    game.tileAt(10, 10) = Tile{};
    commitNumberEntry(session.history, game, entry, 10, 10, true);
    EXPECT_FALSE(entry.active);
    EXPECT_FALSE(entry.invalid);
    commitNumberEntry(session.history, game, entry, 10, 10, true);
    EXPECT_FALSE(entry.invalid);
    EXPECT_TRUE(session.history.empty());
}
