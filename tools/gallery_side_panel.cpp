#include "gallery_side_panel.h"

#include <functional>
#include <string>
#include <vector>

#include "app/map_interaction.h"
#include "app/side_panel_shell.h"
#include "editing/multi_selection.h"
#include "editing/number_entry.h"
#include "gallery_picture.h"
#include "render/cargo_textures.h"
#include "simulation/production_stats.h"
#include "world/control.h"
#include "world/game.h"
#include "world/language.h"

namespace {

constexpr int PANEL_WIDTH = 320;
constexpr int PANEL_HEIGHT = 640;

struct SidePanelSample {
    const char* caption;
    std::function<void(Game&, LoopState&, MultiSelection&)> setUp;
};

Tile& place(Game& game, ControlType type, int x, int y)
{
    controlForType(type).place(game, x, y);
    return game.tileAt(x, y);
}

void select(Game& game, LoopState& state, int x, int y) { selectControlAt(state, game, x, y); }

// The information panel of a control standing at (10, 10) as setUp leaves it.
SidePanelSample information(const char* caption, ControlType type, std::function<void(Tile&)> setUp)
{
    return {caption, [type, setUp](Game& g, LoopState& s, MultiSelection&) {
                Tile& tile = place(g, type, 10, 10);
                tile.type = type;  // water sources and pipes have no place rule of their own
                setUp(tile);
                select(g, s, 10, 10);
            }};
}

// Three networks: one supplied, one short of coal, one a lone pole; and an arm out of reach.
void powerScene(Game& game)
{
    for (int n = 0; n < 3; ++n) {
        const int y = 5 + 10 * n;
        if (n < 2) {
            Tile& generator = place(game, COAL_GENERATOR, 5, y);
            generator.generatorOn = n == 0;
            generator.generatorCoal = 5;
            game.powerLinks.push_back({5, y, 8, y});
        }
        place(game, POWER_POLE, 8, y);
        place(game, ARM, 9, y + 1);
    }
    place(game, ARM, 60, 50);
    game.updateNetworks(0);
}

std::vector<SidePanelSample> samples()
{
    return {
        {"help, diagnostics, copy message",
         [](Game&, LoopState& s, MultiSelection&) {
             s.diagnosticsVisible = true;
             s.copyMessage = "KOPIERT. LINKSKLICK EINFUEGEN. ESC BEENDET";
         }},
        {"switch wire help",
         [](Game&, LoopState& s, MultiSelection&) {
             s.selectedTool = TOOL_SIGNAL_CONTROL_LINE;
             s.interaction.statusText = "LEITUNG ANKLICKEN ZUM LOESCHEN; KACHEL LOESCHT CONTROL";
         }},
        {"power overview",
         [](Game& g, LoopState& s, MultiSelection&) {
             powerScene(g);
             s.powerOverviewVisible = true;
         }},
        {"multi-selection",
         [](Game& g, LoopState& s, MultiSelection& m) {
             for (int x = 10; x < 13; ++x) {
                 g.tileAt(x, 10).type = BELT;
                 g.tileAt(x, 10).dir = EAST;
                 m.toggle(g, x, 10);
             }
             s.interaction.statusText = "DREHEN NICHT MOEGLICH";
         }},
        {"mixers together",
         [](Game& g, LoopState& s, MultiSelection& m) {
             place(g, MIXER, 10, 10).ratioA = 3;
             place(g, MIXER, 20, 10);
             m.toggle(g, 10, 10);
             m.toggle(g, 20, 10);
             s.selectionSettingsOpen = true;
         }},
        {"distributors together",
         [](Game& g, LoopState& s, MultiSelection& m) {
             Tile& first = place(g, DISTRIBUTOR, 10, 10);
             first.modeCargoRules = true;
             first.cargoRuleMask = cargoBit(COAL) | cargoBit(IRON_PLATE);
             place(g, DISTRIBUTOR, 20, 10);
             m.toggle(g, 10, 10);
             m.toggle(g, 20, 10);
             s.selectionSettingsOpen = true;
         }},
        information("distributor by signal", DISTRIBUTOR,
                    [](Tile& t) {
                        t.modeSignal = true;
                        t.signalSelectsB = true;
                    }),
        information("mixer 2 to 3", MIXER,
                    [](Tile& t) {
                        t.ratioA = 2;
                        t.ratioB = 3;
                    }),
        {"bridge over a belt",
         [](Game& g, LoopState& s, MultiSelection&) {
             Tile& belt = g.tileAt(11, 10);  // belts are laid by the editor, not by their place rule
             belt.type = BELT;
             belt.dir = SOUTH;
             for (int part = 0; part < 3; ++part) {
                 Tile& t = g.tileAt(10 + part, 10);
                 if (part != 1) t.type = BRIDGE;
                 t.bridgeDir = EAST;
                 t.bridgePart = part;
             }
             select(g, s, 11, 10);
         }},
        {"tunnel exit",
         [](Game& g, LoopState& s, MultiSelection&) {
             Tile& exit = g.tileAt(10, 15);
             exit.type = TUNNEL_EXIT;
             exit.dir = SOUTH;
             exit.tunnelPartnerX = 10;
             exit.tunnelPartnerY = 10;
             select(g, s, 10, 15);
         }},
        information("new coal generator", COAL_GENERATOR, [](Tile&) {}),
        information("generator in use", COAL_GENERATOR,
                    [](Tile& t) {
                        t.generatorOn = t.generatorInUse = true;
                        t.generatorCoal = 6;
                        t.generatorBurnTime = 2.5f;
                        t.generatorLoadKw = 30;
                    }),
        information("power pole", POWER_POLE, [](Tile&) {}),
        {"molder, 7 water, status",
         [](Game& g, LoopState& s, MultiSelection&) {
             Tile& t = place(g, INJECTION_MOLDER, 10, 10);
             t.molderWater = 7;
             t.molderGranulate = 3;
             select(g, s, 10, 10);
             s.interaction.statusText = "DREHEN NICHT MOEGLICH";
         }},
        information("water source", WATER_SOURCE, [](Tile&) {}),
        information("water pipe", WATER_PIPE, [](Tile&) {}),
        information("ejector, 2 orders", EJECTOR, [](Tile& t) { t.ejectorJobs = 2; }),
        information("5v supply", POWER_SUPPLY, [](Tile&) {}),
        information("sensor, camera on, pulse mode", SENSOR,
                    [](Tile& t) {
                        t.dir = SOUTH;
                        t.limit = 12;
                        t.sensorWatchItems = t.sensorPerItem = true;
                    }),
        {"sensor cargo page",
         [](Game& g, LoopState& s, MultiSelection&) {
             Tile& t = place(g, SENSOR, 10, 10);
             t.type = SENSOR;  // no belt to watch is needed for the page
             t.sensorCargo = IRON_ORE;
             select(g, s, 10, 10);
             s.cargoChoiceOpen = true;
         }},
        {"and, input A wired, output on",
         [](Game& g, LoopState& s, MultiSelection&) {
             Tile& t = place(g, LOGIC_AND, 10, 10);
             t.inputA = t.signalOut = true;
             g.signalControlLinks.push_back({4, 7, 10, 10, 0});
             select(g, s, 10, 10);
         }},
        information("rs latch, stored", LOGIC_RS, [](Tile& t) { t.rsState = true; }),
        information("switch on", LOGIC_SWITCH, [](Tile& t) { t.switchOn = t.signalOut = true; }),
        {"counter, bad number typed",
         [](Game& g, LoopState& s, MultiSelection&) {
             place(g, LOGIC_COUNTER, 10, 10);
             select(g, s, 10, 10);
             beginNumberEntry(s.numberEntry, 0);
             s.numberEntry.invalid = true;
         }},
        information("timer running", LOGIC_TIMER,
                    [](Tile& t) {
                        t.running = true;
                        t.periodSeconds = 20;
                        t.elapsed = 4.5f;
                    }),
        information("stepper at output 2", LOGIC_STEPPER,
                    [](Tile& t) {
                        t.stepperIndex = 1;
                        t.signalOut = true;
                    }),
        {"machine overview",
         [](Game& g, LoopState& s, MultiSelection&) {
             powerScene(g);
             place(g, SMELTER, 20, 3).smelterHeld = 3;
             place(g, STORAGE, 30, 12);
             s.machineOverviewVisible = true;
         }},
        {"statistics",
         [](Game& g, LoopState& s, MultiSelection&) {
             place(g, SOURCE, 5, 5).sourceProduced[0] = 42;
             g.deliveredCount = 17;
             s.statisticsVisible = true;
         }},
    };
}

// Deliveries over the last minute for the statistics window's graph.
ProductionStats sampledDeliveries()
{
    ProductionStats stats;
    std::uint32_t delivered = 0;
    for (int second = 0; second <= 60; ++second) {
        delivered += static_cast<std::uint32_t>((second * 7) % 5 / 2);
        stats.samples.push_back({static_cast<float>(second) + 65.0f, delivered});
    }
    stats.clock = 125.0f;
    return stats;
}

// Every sample in one language; a status line, where one is given, shows where
// it lands below each panel's own lines.
bool writeSidePanels(Language language, const std::string& status, const std::filesystem::path& path)
{
    setLanguage(language);
    const std::vector<SidePanelSample> all = samples();
    const int columns = 6;
    const int rows = static_cast<int>(all.size() + columns - 1) / columns;
    Picture picture(columns * (PANEL_WIDTH + 20) + 10, rows * (PANEL_HEIGHT + 30) + 10);
    SDL_Renderer* r = picture.renderer();
    CargoTextures sprites{};
    const ProductionStats stats = sampledDeliveries();
    for (std::size_t i = 0; i < all.size(); ++i) {
        Game game;
        game.tiles.assign(TILE_COUNT, Tile{});
        LoopState state;
        MultiSelection selection;
        all[i].setUp(game, state, selection);
        state.interaction.statusText = status;
        const int x = 10 + static_cast<int>(i % columns) * (PANEL_WIDTH + 20);
        const int y = 30 + static_cast<int>(i / columns) * (PANEL_HEIGHT + 30);
        label(r, all[i].caption, x, y - 16);
        const SDL_Rect view{x, y, PANEL_WIDTH, PANEL_HEIGHT};
        SDL_RenderSetViewport(r, &view);
        drawSidePanel(r, PANEL_WIDTH, PANEL_HEIGHT, state, game, selection, sprites, nullptr, &stats);
        SDL_RenderSetViewport(r, nullptr);
    }
    setLanguage(GERMAN);
    return picture.save(path);
}

}  // namespace

bool writeSidePanelGallery(const std::filesystem::path& out)
{
    const bool german = writeSidePanels(GERMAN, "", out / "panel-side-panel.png");
    return writeSidePanels(ENGLISH, "GENERATOR, MAST ODER 5V-NETZTEIL WAEHLEN", out / "panel-side-panel-english.png") &&
           german;
}
