#include "app/signal_section_wiring.h"

#include "editing/recorded_commands.h"
#include "ui/logic_section.h"
#include "ui/sensor_section.h"
#include "world/game.h"

namespace {

// The selected sensor, while one is selected and still stands there.
const ControlPick* selectedSensor(const LoopState& state, const Game& game)
{
    const ControlPick& pick = state.interaction.selection.control;
    if (!state.interaction.selection.selected() || pick.type != SENSOR || !game.inBounds(pick.x, pick.y))
        return nullptr;
    return game.tileAt(pick.x, pick.y).type == SENSOR ? &pick : nullptr;
}

}  // namespace

bool pressSignalSection(LoopState& state, Game& game, UndoHistory& history, const ScreenRect& content, int x, int y,
                        int px, int py)
{
    Tile& tile = game.tileAt(x, y);
    if (tile.type == SENSOR) {
        const SensorPress press = pressSensorSection(tile, content, px, py);
        if (press == SensorPress::OPEN_CARGO_CHOICE) state.cargoChoiceOpen = true;
        return press != SensorPress::NONE;
    }
    if (!isLogicType(tile.type)) return false;
    const LogicPress press = pressLogicSection(game, history, state.numberEntry, content, x, y, px, py);
    if (press == LogicPress::ENTRY_OPENED) SDL_StartTextInput();
    return press != LogicPress::NONE;
}

bool pressCargoChoice(LoopState& state, Game& game, UndoHistory& history, int windowWidth, int windowHeight, int px,
                      int py, Uint8 button)
{
    if (!state.cargoChoiceOpen) return false;
    if (button != SDL_BUTTON_LEFT && button != SDL_BUTTON_RIGHT) return true;
    const ControlPick* sensor = selectedSensor(state, game);
    const CargoChoicePress press =
        pressCargoChoicePage(sidePanelContentRect(windowWidth, windowHeight), px, py, button == SDL_BUTTON_RIGHT);
    if (press.close || sensor == nullptr) {
        state.cargoChoiceOpen = false;
        return true;
    }
    if (press.cargo >= 0) setSensorCargo(history, game, sensor->x, sensor->y, press.cargo);
    return true;
}

void drawCargoChoice(SDL_Renderer* renderer, const ScreenRect& content, const LoopState& state, const Game& game,
                     const CargoTextures& sprites)
{
    if (!state.cargoChoiceOpen) return;
    const ControlPick* sensor = selectedSensor(state, game);
    if (sensor != nullptr) drawCargoChoicePage(renderer, content, game.tileAt(sensor->x, sensor->y), sprites);
}
