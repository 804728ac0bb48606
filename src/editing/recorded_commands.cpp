#include "editing/recorded_commands.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <optional>

#include "editing/number_entry.h"
#include "editing/undo_history.h"
#include "logic/logic_rules.h"
#include "machines/distributor_control.h"
#include "world/game.h"

namespace {

constexpr int COMMAND_ROW_COUNT = 3;
constexpr int COMMAND_ROW_TOP = 130;
constexpr int COMMAND_ROW_PITCH = 24;
constexpr int COMMAND_ROW_HEIGHT = 22;
constexpr int COMMAND_ROW_INSET = 8;
constexpr int INTERVAL_MINUS_RIGHT = 41;  // from the panel's left edge
constexpr int INTERVAL_PLUS_LEFT = 42;    // from the panel's right edge

// The tile at (x, y) when it holds one of the types, else null.
Tile* tileOfType(Game& game, int x, int y, std::initializer_list<ControlType> types)
{
    if (!game.inBounds(x, y)) return nullptr;
    Tile& tile = game.tileAt(x, y);
    return std::find(types.begin(), types.end(), tile.type) == types.end() ? nullptr : &tile;
}

// Runs the change on the tile as one recorded step when the tile holds one of the types.
template <typename Change>
void recordOnTile(UndoHistory& history, Game& game, int x, int y, std::initializer_list<ControlType> types,
                  Change&& change)
{
    Tile* tile = tileOfType(game, x, y, types);
    if (tile != nullptr) history.record(game, [&] { change(*tile); });
}

// The counter target the text names: 1 to 7 digits within the counter's limits.
std::optional<int> counterTargetOf(const std::string& text)
{
    if (text.empty() || text.size() > NUMBER_ENTRY_MAX_LENGTH) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (value < COUNTER_LIMIT_MIN || value > COUNTER_LIMIT_MAX) return std::nullopt;
    return value;
}

}  // namespace

int commandRowAt(const PanelPress& press)
{
    if (press.pointerX < press.panelX + COMMAND_ROW_INSET ||
        press.pointerX >= press.panelX + press.panelWidth - COMMAND_ROW_INSET) {
        return -1;
    }
    for (int row = 0; row < COMMAND_ROW_COUNT; ++row) {
        const int top = press.panelY + COMMAND_ROW_TOP + COMMAND_ROW_PITCH * row;
        if (press.pointerY >= top && press.pointerY < top + COMMAND_ROW_HEIGHT) return row;
    }
    return -1;
}

int intervalStepAt(const PanelPress& press)
{
    if (press.pointerX <= press.panelX + INTERVAL_MINUS_RIGHT) return -1;
    if (press.pointerX >= press.panelX + press.panelWidth - INTERVAL_PLUS_LEFT) return 1;
    return 0;
}

void toggleTileFlag(UndoHistory& history, Game& game, int x, int y)
{
    recordOnTile(history, game, x, y, {ARM, LONG_ARM}, [&](Tile& arm) {
        arm.armContinuous = !arm.armContinuous;
        arm.armPendingJobs = 0;
        game.updateNetworks(0.0f);
    });
}

void cycleDistributorMode(UndoHistory& history, Game& game, int x, int y)
{
    recordOnTile(history, game, x, y, {DISTRIBUTOR}, [&](Tile& distributor) {
        DistributorControl::setMode(distributor, (DistributorControl::mode(distributor) + 1) % DISTRIBUTOR_MODE_COUNT);
        game.updateNetworks(0.0f);
    });
}

void toggleEjector(UndoHistory& history, Game& game, int x, int y)
{
    recordOnTile(history, game, x, y, {EJECTOR}, [](Tile& ejector) { ejector.ejectorActive = !ejector.ejectorActive; });
}

void toggleMachineEnabled(UndoHistory& history, Game& game, int x, int y)
{
    recordOnTile(history, game, x, y, {INJECTION_MOLDER}, [](Tile& molder) {
        molder.molderOn = !molder.molderOn;
        molder.molderPowered = false;
    });
}

void toggleControlEnabled(UndoHistory& history, Game& game, int x, int y)
{
    recordOnTile(history, game, x, y, {COAL_GENERATOR}, [](Tile& generator) {
        generator.generatorOn = !generator.generatorOn;
        generator.generatorInUse = false;
    });
}

void setSubButton(UndoHistory& history, Game& game, int x, int y, const PanelPress& press)
{
    const int row = commandRowAt(press);
    if (row < 0) return;
    recordOnTile(history, game, x, y, {LOGIC_AND, LOGIC_OR, LOGIC_XOR, LOGIC_NOT, LOGIC_RS}, [row](Tile& logic) {
        if (row == 0) logic.thenAction = (logic.thenAction + 1) % SWITCH_ACTION_COUNT;
        if (row == 1) logic.elseAction = (logic.elseAction + 1) % SWITCH_ACTION_COUNT;
        if (row == 2) logic.switchPriority = (logic.switchPriority + 1) % SWITCH_PRIORITY_COUNT;
    });
}

void stepInterval(UndoHistory& history, Game& game, int x, int y, const PanelPress& press)
{
    const int step = intervalStepAt(press);
    if (step == 0) return;
    recordOnTile(history, game, x, y, {LOGIC_TIMER, LOGIC_CLOCK}, [step](Tile& logic) {
        logic.periodSeconds = std::clamp(logic.periodSeconds + step, LOGIC_PERIOD_MIN, LOGIC_PERIOD_MAX);
        logic.elapsed = 0.0f;
        logic.pulse = 0.0f;
    });
}

void setSensorCargo(UndoHistory& history, Game& game, int x, int y, CargoType cargo)
{
    if (!isCargoType(cargo)) return;
    recordOnTile(history, game, x, y, {SENSOR}, [cargo](Tile& sensor) { sensor.sensorCargo = cargo; });
}

void resetMap(UndoHistory& history, Game& game)
{
    history.record(game, [&game] { game.resetMap(); });
}

void commitNumberEntry(UndoHistory& history, Game& game, NumberEntry& entry, int x, int y, bool commit)
{
    if (commit && entry.active) {
        const std::optional<int> target = counterTargetOf(entry.text);
        if (!target) {
            entry.invalid = true;
            return;
        }
        recordOnTile(history, game, x, y, {LOGIC_COUNTER}, [&target](Tile& counter) { counter.limit = *target; });
    }
    closeNumberEntry(entry);
}
