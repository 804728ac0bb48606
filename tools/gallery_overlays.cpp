#include "gallery_overlays.h"

#include <functional>
#include <string>
#include <vector>

#include "editing/blueprint.h"
#include "editing/multi_selection.h"
#include "gallery_frames.h"
#include "gallery_picture.h"
#include "ui/tool_panel_layout.h"
#include "world/control.h"

namespace {

constexpr int WIDTH = 1120;  // a map view of 25 x 20 tiles at 32 px beside the side panel
constexpr int HEIGHT = 640;
constexpr int T = 32;

void place(Game& game, ControlType type, int x, int y)
{
    controlForType(type).place(game, x, y);
    Tile& tile = game.tileAt(x, y);
    if (isProducerType(type) && tile.machineId == 0) tile.machineId = game.nextMachineId++;
}

void putItem(Game& game, int x, int y, CargoType cargo, std::uint64_t serial)
{
    CargoItem& item = game.items.emplace_back(x, y, EAST, cargo);
    item.posX = static_cast<float>(x);
    item.posY = static_cast<float>(y);
    item.id = {1, serial, ""};
}

// Power from a generator over three poles, a fourth aside, to a molder, an arm and a 5V
// supply; the supply feeds a switch, two gates, a lamp and a stepper, and the
// switch drives the AND gate. Items queue on a belt that leads nowhere.
Game smallFactory()
{
    Game game;
    place(game, COAL_GENERATOR, 2, 2);
    Tile& generator = game.tileAt(2, 2);
    generator.generatorOn = true;
    generator.generatorCoal = 10;
    for (int unit = 0; unit < generator.generatorCoal; ++unit)
        generator.generatorFuelItems.push_back(ItemRecord{});
    place(game, POWER_POLE, 5, 2);
    place(game, POWER_POLE, 9, 2);
    place(game, POWER_POLE, 5, 9);
    place(game, POWER_POLE, 14, 3);  // a pole without a cable yet
    place(game, INJECTION_MOLDER, 10, 4);
    place(game, ARM, 7, 4);
    place(game, STORAGE, 12, 6);
    place(game, POWER_SUPPLY, 4, 11);
    game.powerLinks = {{2, 2, 5, 2}, {5, 2, 9, 2}, {5, 2, 5, 9}, {5, 9, 4, 11}};
    for (int x = 2; x <= 8; ++x) {
        Tile& belt = game.tileAt(x, 8);
        belt.type = BELT;
        belt.dir = EAST;
        belt.beltSpeed = 3;
    }
    for (const int x : {3, 5, 7, 8})
        putItem(game, x, 8, x % 2 == 0 ? COAL : IRON_ORE, static_cast<std::uint64_t>(x));
    place(game, LOGIC_SWITCH, 6, 11);
    place(game, LOGIC_AND, 9, 11);
    place(game, LOGIC_NOT, 9, 13);
    place(game, SIGNAL_LAMP, 12, 11);
    place(game, LOGIC_STEPPER, 12, 14);
    game.dcLinks = {{4, 11, 6, 11}, {4, 11, 9, 11}, {4, 11, 9, 13}, {4, 11, 12, 11}};
    game.signalControlLinks = {{6, 11, 9, 11, 0, 0}};
    game.updateNetworks(0.0f);
    return game;
}

// What one picture sets beyond the factory: the loop state, the multi-selection and the pointer.
struct OverlayScene {
    const char* name;
    std::function<void(const Game&, LoopState&, MultiSelection&)> set;
    SDL_Point pointer;
};

SDL_Point at(int x, int y, int dy = T / 2) { return {x * T + T / 2, y * T + dy}; }

Blueprint beltRow(const Game& game) { return copyArea(game, 2, 8, 5, 8); }

std::vector<OverlayScene> scenes()
{
    return {
        {"pole-placement", [](const Game&, LoopState& s, MultiSelection&) { s.selectedTool = TOOL_POWER_POLE; },
         at(14, 5)},
        {"power-view", [](const Game&, LoopState& s, MultiSelection&) { s.powerOverviewVisible = true; }, at(0, 19)},
        {"multi-selection-and-ctrl-rectangle",
         [](const Game& g, LoopState& s, MultiSelection& m) {
             m.toggle(g, 3, 8);
             m.toggle(g, 12, 6);
             s.ctrlRect = {true, {9, 10}, {13, 14}};
         },
         at(13, 14)},
        {"tunnel-entrance",
         [](const Game&, LoopState& s, MultiSelection&) {
             s.tunnelEntrance = {14, 16};
         },
         at(15, 16)},
        {"5v-cable-tool",
         [](const Game&, LoopState& s, MultiSelection&) {
             s.selectedTool = TOOL_DC_LINE;
             s.interaction.pendingLinkEnd = {4, 11, 0, 0};
         },
         at(14, 17)},
        {"power-cable-tool",
         [](const Game&, LoopState& s, MultiSelection&) {
             s.selectedTool = TOOL_POWER_LINE;
             s.interaction.pendingLinkEnd = {9, 2, 0, 0};
         },
         at(15, 6)},
        {"switch-wire-tool-input-b",
         [](const Game&, LoopState& s, MultiSelection&) {
             s.selectedTool = TOOL_SIGNAL_CONTROL_LINE;
             s.interaction.pendingLinkEnd = {6, 11, 0, 0};
         },
         at(9, 11, 24)},
        {"switch-wire-tool-stepper-output",
         [](const Game&, LoopState& s, MultiSelection&) { s.selectedTool = TOOL_SIGNAL_CONTROL_LINE; }, at(12, 14, 20)},
        {"measure-wire-tool",
         [](const Game&, LoopState& s, MultiSelection&) {
             s.selectedTool = TOOL_SIGNAL_MEASURE_LINE;
             s.interaction.pendingLinkEnd = {12, 6, 0, 0};
         },
         at(16, 12)},
        {"selected-item",
         [](const Game&, LoopState& s, MultiSelection&) {
             s.itemPanelOpen = true;
             s.itemPanelCargo = IRON_ORE;
             s.itemPanelRecord.id = {1, 5, ""};
         },
         at(0, 19)},
        {"diagnostics", [](const Game&, LoopState& s, MultiSelection&) { s.diagnosticsVisible = true; }, at(0, 19)},
        {"copy-rectangle",
         [](const Game&, LoopState& s, MultiSelection&) {
             s.clipboard.copying = true;
             s.copyRect = {true, {2, 7}, {8, 9}};
         },
         at(8, 9)},
        {"paste-fits",
         [](const Game& g, LoopState& s, MultiSelection&) {
             s.clipboard = {beltRow(g), false, true};
         },
         at(2, 16)},
        {"paste-refused",
         [](const Game& g, LoopState& s, MultiSelection&) {
             s.clipboard = {beltRow(g), false, true};
         },
         at(9, 13)},
        {"switch-wire-drag-to-lamp",
         [](const Game&, LoopState& s, MultiSelection&) { s.interaction.wireDrag = {6, 11, 0, 0, 0, 0, true, false}; },
         at(12, 11)},
        {"switch-wire-drag-refused",
         [](const Game&, LoopState& s, MultiSelection&) { s.interaction.wireDrag = {6, 11, 0, 0, 0, 0, true, false}; },
         at(15, 17)},
        {"5v-cable-drag-to-stepper",
         [](const Game&, LoopState& s, MultiSelection&) { s.interaction.wireDrag = {9, 13, 0, 0, 0, 0, true, true}; },
         at(12, 14)},
        {"cable-end-carried",
         [](const Game&, LoopState& s, MultiSelection&) {
             s.interaction.linkEndDrag = {POWER_CABLE, 1, false};
         },
         at(14, 3)},
        {"cable-end-refused",
         [](const Game&, LoopState& s, MultiSelection&) {
             s.interaction.linkEndDrag = {POWER_CABLE, 1, false};
         },
         at(16, 3)},
        {"move-fits",
         [](const Game& g, LoopState& s, MultiSelection&) {
             s.moveDrag = {true, g.machineGroupAt(12, 6), {14, 8}};
         },
         at(14, 8)},
        {"move-refused",
         [](const Game& g, LoopState& s, MultiSelection&) {
             s.moveDrag = {true, g.machineGroupAt(12, 6), {10, 4}};
         },
         at(10, 4)},
        {"selected-5v-supply",
         [](const Game&, LoopState& s, MultiSelection&) {
             s.interaction.selection = {{4, 11, POWER_SUPPLY}, InspectorPanel::INFORMATION};
         },
         at(0, 19)},
    };
}

bool writeScene(Game& game, const OverlayScene& scene, const std::filesystem::path& out)
{
    Picture picture(WIDTH, HEIGHT);
    LoopState state;
    state.minimapVisible = false;
    resizeView(state, WIDTH, HEIGHT);
    state.toolPanelX = state.viewWidth - TOOL_PANEL_WIDTH;  // the palette aside, at the view's right edge
    MultiSelection selection;
    scene.set(game, state, selection);
    const bool ok = drawWindow(picture, game, state, &selection, scene.pointer);
    label(picture.renderer(), scene.name, state.viewWidth + 10, HEIGHT - 20);
    return picture.save(out / ("overlay-" + std::string(scene.name) + ".png")) && ok;
}

}  // namespace

bool writeOverlayFrames(const std::filesystem::path& out)
{
    Game game = smallFactory();
    bool ok = true;
    for (const OverlayScene& scene : scenes())
        ok = writeScene(game, scene, out) && ok;
    // The switch selected, with a second wire that runs over the AND gate to the lamp.
    Game wired = game;
    wired.signalControlLinks.push_back({6, 11, 12, 11, 0, 0});
    const OverlayScene selectedSwitch{
        "selected-switch-wires",
        [](const Game&, LoopState& s, MultiSelection&) {
            s.interaction.selection = {{6, 11, LOGIC_SWITCH}, InspectorPanel::INFORMATION};
        },
        at(0, 19)};
    return writeScene(wired, selectedSwitch, out) && ok;
}
