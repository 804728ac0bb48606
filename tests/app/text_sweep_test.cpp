// Every panel, window, overview, inspector, tip, pop-up and menu page drawn in
// English with the text recorder on: no word of the German column may show
// (unless English uses it too), and no two texts of one drawing may touch.

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/hud_panels.h"
#include "app/map_interaction.h"
#include "app/side_panel_shell.h"
#include "editing/multi_selection.h"
#include "persistence/save_menu.h"
#include "render/bitmap_font.h"
#include "render/texture_caches.h"
#include "simulation/production_stats.h"
#include "support/software_canvas.h"
#include "support/world_builders.h"
#include "ui/sensor_section.h"
#include "ui/tool_palette.h"
#include "world/control.h"
#include "world/language.h"
#include "world/phrase_table.h"

namespace {

constexpr int WIDTH = 1280;
constexpr int HEIGHT = 800;
constexpr int AT = 10;  // the tile every control of a scene stands on

bool isWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

std::vector<std::string> words(std::string_view text)
{
    std::vector<std::string> found;
    std::string word;
    for (char c : std::string(text) + ' ') {
        if (isWordChar(c)) {
            word += c;
        } else if (!word.empty()) {
            found.push_back(std::move(word));
            word.clear();
        }
    }
    return found;
}

std::set<std::string> columnWords(std::string_view PhrasePair::*column)
{
    std::set<std::string> all;
    for (const PhrasePair& pair : PHRASES) {
        for (std::string& w : words(pair.*column))
            all.insert(std::move(w));
    }
    return all;
}

const std::set<std::string>& englishWords()
{
    static const std::set<std::string> english = columnWords(&PhrasePair::english);
    return english;
}

// Words of the German column that English never uses.
std::set<std::string> germanOnlyWords()
{
    std::set<std::string> german = columnWords(&PhrasePair::german);
    std::erase_if(german, [](const std::string& w) { return englishWords().contains(w); });
    return german;
}

// A word English may show: one of its column's, a number (the entry's "_"
// cursor included), or a mark that stands in every language: the pause and
// speed buttons, compass and hour letters, the gate names, the language names.
bool english(const std::string& word)
{
    static const std::set<std::string> marks = {"II", "1X", "2X",  "4X",      "1S",     "N",
                                                "W",  "H",  "XOR", "DEUTSCH", "ENGLISH"};
    return englishWords().contains(word) || marks.contains(word) ||
           word.find_first_not_of("0123456789_") == std::string::npos;
}

// Two texts touch when their lit boxes overlap or meet, edge or corner, with no
// blank pixel row or column between them; one blank line parts them enough.
bool touch(const SDL_Rect& a, const SDL_Rect& b)
{
    const SDL_Rect grown{a.x - 1, a.y - 1, a.w + 2, a.h + 2};
    return SDL_HasIntersection(&grown, &b) == SDL_TRUE;
}

// Built as its tool would; where the tool wants neighbours (a belt stroke, a
// shore, a belt to watch) laid as a map file holds it.
Tile& placed(Game& game, ControlType type)
{
    if (!controlForType(type).place(game, AT, AT)) setTile(game, AT, AT, type, EAST);
    return game.tileAt(AT, AT);
}

// A control in one of the states its panel or its tip shows other texts in.
struct Variant {
    std::string name;
    ControlType type;
    std::function<void(Game&, LoopState&, Tile&)> tweak = [](Game&, LoopState&, Tile&) {};
};

void wireInputs(Game& game, LoopState&, Tile&)
{
    build(game, LOGIC_SWITCH, AT - 2, AT);
    game.signalControlLinks.push_back({AT - 2, AT, AT, AT, 0, 0});
    game.signalControlLinks.push_back({AT - 2, AT, AT, AT, 1, 0});
}

std::vector<Variant> variants()
{
    std::vector<Variant> all;
    // Bridges and tunnels need a partner; the second tiles of pairs are no control of their own.
    for (ControlType type = BELT; type < CONTROL_TYPE_COUNT; ++type) {
        if (type != DISTRIBUTOR_SECOND && type != MIXER_SECOND && type != BRIDGE && type != TUNNEL &&
            type != TUNNEL_EXIT)
            all.push_back({"type " + std::to_string(type), type});
    }
    const auto add = [&](std::string name, ControlType type, std::function<void(Game&, LoopState&, Tile&)> tweak) {
        all.push_back({std::move(name), type, std::move(tweak)});
    };
    add("source on", SOURCE, [](Game&, LoopState&, Tile& t) { t.sourceRunning = true; });
    add("sink off", SINK, [](Game&, LoopState&, Tile& t) { t.sinkAccepting = false; });
    add("arm on signal", ARM, [](Game&, LoopState&, Tile& t) { t.armContinuous = true; });
    add("arm held by a switch wire", ARM, [](Game& g, LoopState& s, Tile& t) {
        wireInputs(g, s, t);
        t.powerConnected = t.powerSupplied = true;
    });
    add("storage output on", STORAGE, [](Game&, LoopState&, Tile& t) { t.storageOutputOn = true; });
    add("cargo rules", DISTRIBUTOR, [](Game&, LoopState&, Tile& t) { t.modeCargoRules = true; });
    add("signal lane B", DISTRIBUTOR, [](Game&, LoopState&, Tile& t) { t.modeSignal = t.signalSelectsB = true; });
    add("generator in use", COAL_GENERATOR,
        [](Game&, LoopState&, Tile& t) { t.generatorOn = t.generatorInUse = true; });
    add("molder on and powered", INJECTION_MOLDER,
        [](Game&, LoopState&, Tile& t) { t.molderOn = t.molderPowered = true; });
    add("supply powered", POWER_SUPPLY, [](Game&, LoopState&, Tile& t) { t.powerSupplied = t.dcSupplied = true; });
    add("ejector off", EJECTOR, [](Game&, LoopState&, Tile& t) { t.ejectorActive = false; });
    for (int direction = 0; direction < 8; ++direction) {
        add("sensor camera " + std::to_string(direction), SENSOR, [direction](Game&, LoopState&, Tile& t) {
            t.sensorTargetIndex = direction;
            t.thenAction = direction % 3;
            t.elseAction = (direction + 1) % 3;
            t.compareAbove = direction % 2;
            t.sensorWatchItems = t.sensorPerItem = direction % 2 == 0;
        });
    }
    for (ControlType type : {LOGIC_AND, LOGIC_NOT, LOGIC_RS, LOGIC_STEPPER})
        add("wired " + std::to_string(type), type, wireInputs);
    add("switch on", LOGIC_SWITCH, [](Game&, LoopState&, Tile& t) { t.switchOn = t.signalOut = true; });
    add("button pressed", LOGIC_BUTTON, [](Game&, LoopState&, Tile& t) { t.buttonPressed = true; });
    add("stepper at 2", LOGIC_STEPPER, [](Game&, LoopState&, Tile& t) { t.stepperIndex = 2, t.signalOut = true; });
    add("latch set", LOGIC_RS, [](Game&, LoopState&, Tile& t) { t.rsState = true; });
    add("timer running", LOGIC_TIMER, [](Game&, LoopState&, Tile& t) { t.running = true; });
    add("counter entry", LOGIC_COUNTER, [](Game&, LoopState& s, Tile&) { beginNumberEntry(s.numberEntry, 1000000); });
    add("counter entry error", LOGIC_COUNTER, [](Game&, LoopState& s, Tile&) {
        beginNumberEntry(s.numberEntry, 12);
        s.numberEntry.invalid = true;
    });
    add("counter near its end", LOGIC_COUNTER, [](Game&, LoopState&, Tile& t) {
        t.limit = 1000000;
        t.counterCount = 999999;
    });
    return all;
}

class TextSweep : public testing::Test {
  protected:
    void SetUp() override
    {
        setLanguage(ENGLISH);
        textureCaches().textRecorder = &recorder_;
        resizeView(state_, WIDTH, HEIGHT);
    }
    void TearDown() override
    {
        textureCaches().textRecorder = nullptr;
        for (const RecordedText& text : recorder_.texts) {
            for (const std::string& word : words(text.text)) {
                if (!english(word))
                    ADD_FAILURE() << (german_.contains(word) ? "German \"" : "Not English \"") << word << "\" in \""
                                  << text.text << "\" of " << text.panel;
            }
        }
    }

    // One drawing on a clear canvas; its texts must keep apart.
    void scene(const std::string& panel, const std::function<void(SDL_Renderer*)>& draw)
    {
        recorder_.panel = panel;
        const std::size_t first = recorder_.texts.size();
        canvas_.clear({0, 0, 0, 255});
        draw(canvas_.renderer());
        const std::vector<RecordedText>& texts = recorder_.texts;
        for (std::size_t i = first; i < texts.size(); ++i) {
            for (std::size_t j = i + 1; j < texts.size(); ++j) {
                if (touch(texts[i].rect, texts[j].rect))
                    ADD_FAILURE() << panel << ": \"" << texts[i].text << "\" " << texts[i].rect << " touches \""
                                  << texts[j].text << "\" " << texts[j].rect;
            }
        }
    }

    void sidePanel(const std::string& panel, Game& game, LoopState& state, const MultiSelection& selection,
                   const ProductionStats* stats = nullptr)
    {
        scene(panel, [&](SDL_Renderer* r) {
            drawSidePanel(r, WIDTH, HEIGHT, state, game, selection, sprites_, nullptr, stats);
            drawToolChoosers(r, state, WIDTH, HEIGHT);
        });
    }

    // The control's tile under the pointer, the map otherwise empty.
    void statusTip(const std::string& panel, const Game& game, LoopState& state)
    {
        const int tile = ZOOM_TILE_SIZES[state.camera.zoomIndex];
        const SDL_Point pointer{AT * tile + tile / 2 - state.camera.scrollX,
                                AT * tile + tile / 2 - state.camera.scrollY};
        scene(panel, [&](SDL_Renderer* r) { drawPointerOverlays(r, game, state, SaveMenu{}, pointer); });
    }

    TextRecorder recorder_;
    const std::set<std::string> german_ = germanOnlyWords();
    SoftwareCanvas canvas_{WIDTH, HEIGHT};
    CargoTextures sprites_{};
    LoopState state_;
};

}  // namespace

TEST_F(TextSweep, EveryInspectorAndInformationPanelInEachOfItsStates)
{
    for (const char* status : {"GENERATOR, MAST ODER 5V-NETZTEIL WAEHLEN",
                               "SENSOR UND SCHALT-CONTROL WAEHLEN; GLEICHES PAAR ENTFERNT DIE LEITUNG"}) {
        for (const Variant& variant : variants()) {
            Game game = emptyGame();
            LoopState state = state_;
            Tile& tile = placed(game, variant.type);
            ASSERT_TRUE(selectControlAt(state, game, AT, AT)) << variant.name;
            variant.tweak(game, state, tile);
            state.interaction.statusText = status;
            sidePanel(variant.name, game, state, MultiSelection{});
            statusTip("status tip of " + variant.name, game, state);
        }
    }
}

TEST_F(TextSweep, BridgeTunnelItemAndSelectionPanels)
{
    Game game = emptyGame();
    buildBridgeEast(game, AT, AT);
    layBelt(game, AT + 1, AT, EAST);
    layTunnel(game, AT, AT + 3, AT + 4, AT + 3, EAST);
    for (TilePoint tile : {TilePoint{AT + 1, AT}, TilePoint{AT + 4, AT + 3}}) {
        LoopState state = state_;
        ASSERT_TRUE(selectControlAt(state, game, tile.x, tile.y));
        state.interaction.statusText = "LEITUNG ANKLICKEN ZUM LOESCHEN; KACHEL LOESCHT CONTROL";
        sidePanel("bridge or tunnel at " + std::to_string(tile.x), game, state, MultiSelection{});
    }
    // The sensor's cargo page covers its whole panel: a panel of its own.
    Game withSensor = emptyGame();
    const Tile& sensor = placed(withSensor, SENSOR);
    scene("sensor cargo page",
          [&](SDL_Renderer* r) { drawCargoChoicePage(r, sidePanelContentRect(WIDTH, HEIGHT), sensor, sprites_); });
    for (CargoType cargo = 0; cargo < CARGO_TYPE_COUNT; ++cargo) {
        LoopState state = state_;
        state.itemPanelOpen = true;
        state.itemPanelCargo = cargo;
        sidePanel("item panel " + std::to_string(cargo), game, state, MultiSelection{});
    }
    for (ControlType type : {SOURCE, MIXER, DISTRIBUTOR, SINK}) {
        Game several = emptyGame();
        MultiSelection selection;
        for (int x : {AT, AT + 4}) {
            build(several, type, x, AT);
            selection.toggle(several, x, AT);
        }
        for (bool settings : {false, true}) {
            LoopState state = state_;
            state.selectionSettingsOpen = settings;
            state.interaction.statusText = "NUR GLEICHE CONTROL-TYPEN";
            sidePanel("multi-selection of " + std::to_string(type) + (settings ? " settings" : ""), several, state,
                      selection);
        }
    }
}

TEST_F(TextSweep, HelpPageOverviewsStatisticsAndChoosers)
{
    Game game = emptyGame();
    buildFuelledGenerator(game, AT, AT);
    build(game, POWER_POLE, AT + 3, AT);
    game.powerLinks.push_back({AT, AT, AT + 3, AT, 0, 0});
    int row = 0;
    for (ControlType type : {SOURCE, OVEN, SMELTER, FILLER, INJECTION_MOLDER, SHOP})
        build(game, type, AT + 5, row += 3);
    game.updateNetworks(0);
    ProductionStats stats;
    for (int second = 0; second < 3; ++second)
        stats.update(game, 1.0f);
    const std::vector<std::function<void(LoopState&)>> opens = {
        [](LoopState&) {},
        [](LoopState& s) {
            s.selectedTool = TOOL_SIGNAL_CONTROL_LINE;
            s.interaction.statusText = "SENSOR UND SCHALT-CONTROL WAEHLEN; GLEICHES PAAR ENTFERNT DIE LEITUNG";
        },
        [](LoopState& s) {
            s.diagnosticsVisible = true;
            s.interaction.statusText = "VORLAGE MIT LINKSKLICK EINFUEGEN";
            s.copyMessage = "KOPIERT. LINKSKLICK EINFUEGEN. ESC BEENDET";
        },
        [](LoopState& s) { s.powerOverviewVisible = true; },
        [](LoopState& s) { s.machineOverviewVisible = true; },
        [](LoopState& s) { s.statisticsVisible = true; },
        [](LoopState& s) { s.beltSpeedChooserOpen = true; },
        [](LoopState& s) { s.directionChooserOpen = true; },
    };
    Game empty = emptyGame();
    for (Game* shown : {&game, &empty}) {
        for (std::size_t i = 0; i < opens.size(); ++i) {
            LoopState state = state_;
            opens[i](state);
            sidePanel("side panel page " + std::to_string(i), *shown, state, MultiSelection{}, &stats);
        }
    }
}

TEST_F(TextSweep, PaletteBottomBarSettingsPopupsAndMenus)
{
    Game game = emptyGame();
    for (Tool group : {Tool{-1}, WATER_GROUP, POWER_GROUP, SIGNAL_GROUP, LOGIC_GROUP}) {
        scene("tool palette group " + std::to_string(group), [&](SDL_Renderer* r) {
            drawToolPanel(r, TOOL_SELECT, state_.toolPanelX, state_.toolPanelY, true, 4, group, WIDTH, HEIGHT,
                          PlateDrawing::Painted);
        });
    }
    for (bool open : {false, true}) {
        LoopState state = state_;
        state.paused = state.settingsWindowVisible = state.languagePopupOpen = state.languageStoreFailed = open;
        state.soundEnabled = game.sourcesEnabled = !open;
        state.quickSaveFeedbackUntil = LoopClock::time_point::max();
        state.quickSaveSucceeded = open;
        state.saleMarkers = {{5, 5, 120, 0.2f}, {5, 5, 35, 0.4f}};
        scene(open ? "bottom bar, settings and pop-up" : "bottom bar", [&](SDL_Renderer* r) {
            drawBottomBarAndSettings(r, game, state, SaveMenu{}, {});
            drawPointerOverlays(r, game, state, SaveMenu{}, {WIDTH / 2, HEIGHT / 2});
        });
        scene("sale markers", [&](SDL_Renderer* r) { drawSaleMarkers(r, state); });
    }
    for (int page = 1; page <= static_cast<int>(MenuState::ConfirmQuit); ++page) {
        for (bool saving : {false, true}) {
            SaveMenu menu;
            menu.services.saveDirectory = []() -> std::optional<std::filesystem::path> { return std::nullopt; };
            menu.state = static_cast<MenuState>(page);
            menu.saveMode = menu.error = saving;
            menu.slot = 3;
            menu.name = "STEEL";
            menu.status = saving ? "LADEN FEHLGESCHLAGEN. DATEI FEHLT ODER IST UNGUELTIG. DER AKTUELLE STAND BLEIBT "
                                   "ERHALTEN."
                                 : "SPIELSTAND GESPEICHERT";
            scene("menu page " + std::to_string(page) + (saving ? " saving" : ""),
                  [&](SDL_Renderer* r) { drawOpenMenu(r, WIDTH, HEIGHT, menu); });
        }
    }
}
