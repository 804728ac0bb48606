// What the map shows of the pointer's next edit: whole frames drawn with and
// without an overlay's state, probed where the overlay must or must not show.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "app/frame_canvas.h"
#include "app/map_overlays.h"
#include "editing/multi_selection.h"
#include "render/bitmap_font.h"
#include "render/power_cables.h"
#include "support/world_builders.h"

namespace {

constexpr int T = 32;  // the start's zoom
constexpr int WINDOW_WIDTH = 1280;
constexpr int WINDOW_HEIGHT = 800;
constexpr int VIEW_HEIGHT = WINDOW_HEIGHT;
constexpr int MAP_SCROLL_LIMIT = 80 * T - (WINDOW_WIDTH - 320);  // the camera at the map's right edge

SDL_Point inTile(int x, int y, int dx = T / 2, int dy = T / 2) { return {x * T + dx, y * T + dy}; }
SDL_Rect tileSquare(int x, int y) { return {x * T, y * T, T, T}; }

Rgba rgba(PackedColor c) { return unpacked(c | 0xFF000000u); }

// A 3 x 1 blueprint of belts.
Blueprint threeBelts()
{
    Blueprint blueprint;
    blueprint.width = 3;
    blueprint.height = 1;
    Tile belt;
    belt.type = BELT;
    belt.dir = EAST;
    blueprint.tiles.assign(3, belt);
    return blueprint;
}

// A switch on (12, 10) that a drag has left for the pointer.
void dragFromSwitch(LoopState& state, bool dc)
{
    WireDrag& drag = state.interaction.wireDrag;
    drag = {12, 10, 0, 0, 0, 0, true, dc};
}

using WorldSetUp = void (*)(Game&);
using StateSetUp = void (*)(const Game&, LoopState&, MultiSelection&);

struct OverlayCase {
    const char* what;
    WorldSetUp world;
    StateSetUp state;
    SDL_Point pointer;
    SDL_Rect probe;              // where to look
    std::optional<Rgba> colour;  // none: anything other than the frame without the state
    bool drawn = true;
};

void noWorld(Game&) {}

void polesAndGenerator(Game& game)
{
    buildFuelledGenerator(game, 20, 10);
    build(game, POWER_POLE, 22, 10);
    game.powerLinks = {{20, 10, 22, 10}};
    game.updateNetworks(0.0f);
}

void switchNotAndSupply(Game& game)
{
    build(game, LOGIC_SWITCH, 12, 10);
    build(game, LOGIC_NOT, 16, 10);
    build(game, POWER_SUPPLY, 12, 12);
    game.updateNetworks(0.0f);
}

void threePoles(Game& game)
{
    build(game, POWER_POLE, 12, 10);
    build(game, POWER_POLE, 15, 10);
    build(game, POWER_POLE, 13, 12);
    game.powerLinks = {{12, 10, 15, 10}};
    game.updateNetworks(0.0f);
}

void supplyFeedingAGate(Game& game)
{
    build(game, POWER_SUPPLY, 12, 10);
    build(game, LOGIC_AND, 16, 10);
    game.dcLinks = {{12, 10, 16, 10}};
    game.updateNetworks(0.0f);
}

// An item on the last belt, which leads nowhere.
void waitingItem(Game& game)
{
    layBelt(game, 12, 10, EAST);
    CargoItem& item = itemAtPosition(game, 12.0f, 10.0f, EAST);
    item.id = {5, 1, ""};
}

const OverlayCase CASES[] = {
    {"pole placement 60 px above the view's bottom",
     noWorld,
     [](const Game&, LoopState& s, MultiSelection&) { s.selectedTool = TOOL_POWER_POLE; },
     {400, VIEW_HEIGHT - 60},
     {400, VIEW_HEIGHT - 150, 1, 1},
     std::nullopt},
    {"pole placement 50 px above the view's bottom",
     noWorld,
     [](const Game&, LoopState& s, MultiSelection&) { s.selectedTool = TOOL_POWER_POLE; },
     {400, VIEW_HEIGHT - 50},
     {400, VIEW_HEIGHT - 150, 1, 1},
     std::nullopt,
     false},
    {"pole placement over the palette",
     noWorld,
     [](const Game&, LoopState& s, MultiSelection&) { s.selectedTool = TOOL_POWER_POLE; },
     {220, 300},
     {300, 300, 1, 1},
     std::nullopt,
     false},
    {"paste of three tiles at column 78",
     noWorld,
     [](const Game&, LoopState& s, MultiSelection&) {
         s.camera.scrollX = MAP_SCROLL_LIMIT;
         s.clipboard = {threeBelts(), false, true};
     },
     {78 * T - MAP_SCROLL_LIMIT + 5, 9 * T + 5},
     {78 * T - MAP_SCROLL_LIMIT + 4, 9 * T, 1, 1},
     rgba(OVERLAY_INVALID)},
    {"paste of three tiles where they fit",
     noWorld,
     [](const Game&, LoopState& s, MultiSelection&) {
         s.clipboard = {threeBelts(), false, true};
     },
     inTile(10, 9),
     {10 * T + 4, 9 * T, 1, 1},
     rgba(OVERLAY_VALID)},
    {"copy rectangle",
     noWorld,
     [](const Game&, LoopState& s, MultiSelection&) {
         s.clipboard.copying = true;
         s.copyRect = {true, {11, 11}, {10, 10}};
     },
     inTile(11, 11),
     {10 * T + 4, 12 * T - 1, 1, 1},
     rgba(OVERLAY_VALID)},
    {"multi-selection",
     [](Game& g) { layBelt(g, 12, 8, EAST); },
     [](const Game& g, LoopState&, MultiSelection& m) { m.toggle(g, 12, 8); },
     {-1, -1},
     {12 * T + 3, 8 * T + 12, 1, 1},
     rgba(SELECTION_CYAN)},
    {"Ctrl rectangle, off the map's top edge",
     noWorld,
     [](const Game&, LoopState& s, MultiSelection&) {
         s.ctrlRect = {true, {12, 11}, {10, -3}};
     },
     {-1, -1},
     {10 * T + 1, 5 * T, 1, 1},
     rgba(SELECTION_CYAN)},
    {"stored tunnel entrance",
     noWorld,
     [](const Game&, LoopState& s, MultiSelection&) {
         s.tunnelEntrance = {14, 8};
     },
     {-1, -1},
     {14 * T + 3, 8 * T + 12, 1, 1},
     rgba(SELECTION_CYAN)},
    {"power view frame of a pole",
     polesAndGenerator,
     [](const Game&, LoopState& s, MultiSelection&) { s.powerOverviewVisible = true; },
     {-1, -1},
     {22 * T + 1, 10 * T + 20, 1, 1},
     unpacked(networkColor(0))},
    {"power cable from the pending pole",
     threePoles,
     [](const Game&, LoopState& s, MultiSelection&) {
         s.selectedTool = TOOL_POWER_LINE;
         s.interaction.pendingLinkEnd = {13, 12, 0, 0};
     },
     {600, 500},
     {13 * T + 2, 12 * T + 26, 1, 1},
     Rgba{238, 178, 68, 255}},
    {"measure wire from the pending sensor",
     [](Game& g) { setTile(g, 12, 10, SENSOR, EAST); },
     [](const Game&, LoopState& s, MultiSelection&) {
         s.selectedTool = TOOL_SIGNAL_MEASURE_LINE;
         s.interaction.pendingLinkEnd = {12, 10, 0, 0};
     },
     inTile(20, 14),
     {13 * T, 9 * T, 8 * T, 6 * T},
     Rgba{255, 211, 63, 255}},
    {"5V cable from the pending supply",
     supplyFeedingAGate,
     [](const Game&, LoopState& s, MultiSelection&) {
         s.selectedTool = TOOL_DC_LINE;
         s.interaction.pendingLinkEnd = {12, 10, 0, 0};
     },
     inTile(20, 3),
     {13 * T, 3 * T, 8 * T, 6 * T},
     Rgba{242, 66, 66, 255}},
    {"switch wire dragged onto a NOT gate",
     switchNotAndSupply,
     [](const Game&, LoopState& s, MultiSelection&) { dragFromSwitch(s, false); },
     inTile(16, 10),
     {13 * T, 9 * T, 3 * T, 3 * T},
     rgba(OVERLAY_VALID)},
    {"switch wire dragged onto free ground",
     switchNotAndSupply,
     [](const Game&, LoopState& s, MultiSelection&) { dragFromSwitch(s, false); },
     inTile(16, 13),
     {13 * T, 10 * T, 3 * T, 3 * T},
     rgba(OVERLAY_INVALID)},
    {"5V cable dragged onto the supply",
     switchNotAndSupply,
     [](const Game&, LoopState& s, MultiSelection&) { dragFromSwitch(s, true); },
     inTile(12, 12),
     {12 * T + 1, 12 * T + 12, 1, 1},
     rgba(OVERLAY_VALID)},
    {"5V cable dragged onto free ground",
     switchNotAndSupply,
     [](const Game&, LoopState& s, MultiSelection&) { dragFromSwitch(s, true); },
     inTile(14, 14),
     {14 * T + 1, 14 * T + 12, 1, 1},
     rgba(OVERLAY_INVALID)},
    {"cable end carried to a pole",
     threePoles,
     [](const Game&, LoopState& s, MultiSelection&) {
         s.interaction.linkEndDrag = {POWER_CABLE, 0, false};
     },
     inTile(13, 12),
     {13 * T + 1, 12 * T + 20, 1, 1},
     rgba(OVERLAY_VALID)},
    {"cable end carried to free ground",
     threePoles,
     [](const Game&, LoopState& s, MultiSelection&) {
         s.interaction.linkEndDrag = {POWER_CABLE, 0, false};
     },
     inTile(18, 12),
     {18 * T + 1, 12 * T + 20, 1, 1},
     rgba(OVERLAY_INVALID)},
    {"control carried to free ground",
     threePoles,
     [](const Game& g, LoopState& s, MultiSelection&) {
         s.moveDrag = {true, g.machineGroupAt(13, 12), {18, 13}};
     },
     inTile(18, 13),
     {18 * T + 1, 13 * T + 20, 1, 1},
     rgba(OVERLAY_VALID)},
    {"control carried onto another",
     threePoles,
     [](const Game& g, LoopState& s, MultiSelection&) {
         s.moveDrag = {true, g.machineGroupAt(13, 12), {15, 10}};
     },
     inTile(15, 10),
     {15 * T + 1, 10 * T + 20, 1, 1},
     rgba(OVERLAY_INVALID)},
    {"inspected control",
     threePoles,
     [](const Game&, LoopState& s, MultiSelection&) {
         s.interaction.selection.control = {13, 12, POWER_POLE};
         s.interaction.selection.panel = InspectorPanel::INFORMATION;
     },
     {-1, -1},
     {13 * T + 1, 12 * T + 20, 1, 1},
     rgba(OVERLAY_VALID)},
    {"5V cables of the selected supply",
     supplyFeedingAGate,
     [](const Game&, LoopState& s, MultiSelection&) {
         s.interaction.selection.control = {12, 10, POWER_SUPPLY};
         s.interaction.selection.panel = InspectorPanel::INFORMATION;
     },
     {-1, -1},
     {13 * T, 10 * T, 3 * T, T},
     std::nullopt},
    {"selected item",
     waitingItem,
     [](const Game&, LoopState& s, MultiSelection&) {
         s.itemPanelOpen = true;
         s.itemPanelRecord.id = {5, 1, ""};
     },
     {-1, -1},
     tileSquare(12, 10),
     rgba(OVERLAY_VALID)},
    {"blocked item with diagnostics",
     waitingItem,
     [](const Game&, LoopState& s, MultiSelection&) { s.diagnosticsVisible = true; },
     {-1, -1},
     {12 * T + 2, 10 * T + 20, 1, 1},
     Rgba{239, 91, 91, 255}},
};

// How many pixels of the area are the colour, or else differ from the other picture.
int matchingPixels(const std::vector<Rgba>& picture, const std::vector<Rgba>& without, const SDL_Rect& area,
                   std::optional<Rgba> colour)
{
    int count = 0;
    for (int y = area.y; y < area.y + area.h; ++y) {
        for (int x = area.x; x < area.x + area.w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * WINDOW_WIDTH + x);
            count += (colour ? picture[i] == *colour : picture[i] != without[i]) ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

TEST(MapOverlays, EachShowsWhereItsStateSaysAndNowhereElse)
{
    for (const OverlayCase& c : CASES) {
        Game game = emptyGame();
        c.world(game);
        Frame plain(WINDOW_WIDTH, WINDOW_HEIGHT, START_ZOOM_INDEX);
        Frame overlaid(WINDOW_WIDTH, WINDOW_HEIGHT, START_ZOOM_INDEX);
        MultiSelection selection;
        c.state(game, overlaid.state, selection);
        plain.state.camera = overlaid.state.camera;
        const std::vector<Rgba> without = plain.draw(game, nullptr, c.pointer).pixels();
        const std::vector<Rgba> with = overlaid.draw(game, &selection, c.pointer).pixels();
        const int found = matchingPixels(with, without, c.probe, c.colour);
        if (c.drawn) {
            EXPECT_GT(found, 0) << c.what;
        } else {
            EXPECT_EQ(matchingPixels(with, without, c.probe, std::nullopt), 0) << c.what;
        }
    }
}

TEST(MapOverlays, SwitchWireToolMarksTheInputUnderThePointer)
{
    struct Case {
        ControlType type;
        int row;  // pointer row inside the tile
        bool pending;
        SDL_Rect frame;
        char mark;
    };
    // The gate stands on tile (1, 1) of a 32 px map: its square starts at (32, 32).
    const Case cases[] = {
        {LOGIC_AND, 15, false, {32, 32, 32, 16}, 'A'},    {LOGIC_AND, 16, false, {32, 48, 32, 16}, 'B'},
        {LOGIC_RS, 31, false, {32, 48, 32, 16}, 'B'},     {LOGIC_NOT, 20, false, {32, 32, 32, 16}, 'A'},
        {LOGIC_STEPPER, 17, false, {48, 48, 16, 8}, '3'}, {LOGIC_STEPPER, 31, false, {48, 56, 16, 8}, '4'},
        {LOGIC_STEPPER, 17, true, {32, 32, 32, 16}, 'A'},  // the wire's source is chosen already
        {LOGIC_SWITCH, 5, false, {0, 0, 0, 0}, 0},        {BELT, 5, false, {0, 0, 0, 0}, 0},
    };
    const Rgba gold = rgba(MARKER_GOLD);
    for (const Case& c : cases) {
        Game game = emptyGame();
        setTile(game, 1, 1, c.type, EAST);
        if (c.pending) setTile(game, 0, 0, LOGIC_CLOCK);
        const FrameFacts facts(game);
        SoftwareCanvas canvas(96, 96);
        LoopState state;
        state.viewWidth = state.viewHeight = 96;
        state.toolPanelX = 2000;  // out of the way
        state.selectedTool = TOOL_SIGNAL_CONTROL_LINE;
        if (c.pending) state.interaction.pendingLinkEnd = {0, 0, 0, 0};
        const MapView map{.renderer = canvas.renderer(),
                          .game = game,
                          .facts = facts,
                          .cargoTextures = CargoTextures{},
                          .armTextures = ArmTextures{},
                          .camera = Camera{},
                          .viewWidth = 96,
                          .viewHeight = 96};
        const MapOverlays overlays{.map = map, .state = state, .pointer = {40, 32 + c.row}};
        overlays.drawInputMarker();
        EXPECT_EQ(canvas.boundsOf(gold), c.frame) << "type " << c.type << ", row " << c.row;
        if (c.mark == 0) continue;
        const bool digit = c.type == LOGIC_STEPPER && !c.pending;
        const int left = c.frame.x + (digit ? 1 : 2), top = c.frame.y + (digit ? 0 : 2);
        int wrong = 0;
        // A stepper's number stands on its frame's top line, which the
        // glyph's first row shares.
        for (int row = digit ? 1 : 0; row < GLYPH_HEIGHT; ++row) {
            for (int column = 0; column < GLYPH_WIDTH; ++column) {
                const bool lit = canvas.pixel(left + column, top + row) == gold;
                wrong += lit != glyphPixelLit(static_cast<unsigned char>(c.mark), column, row) ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0) << "mark " << c.mark;
    }
}

TEST(MapOverlays, ThePowerViewDrawsEveryPolesRangeOnce)
{
    Game game = emptyGame();
    polesAndGenerator(game);
    build(game, POWER_POLE, 12, 4);
    const SDL_Point inRange = inTile(23, 8);  // near the pole on (22, 10), off every frame
    const auto probe = [&game, inRange](bool powerView, bool poleSelected, Tool tool = TOOL_BELT) {
        Frame frame(WINDOW_WIDTH, WINDOW_HEIGHT, START_ZOOM_INDEX);
        frame.state.powerOverviewVisible = powerView;
        frame.state.selectedTool = tool;
        if (poleSelected) frame.state.interaction.selection = {{22, 10, POWER_POLE}, InspectorPanel::INFORMATION};
        return frame.draw(game, nullptr, SDL_Point{-1, -1}).pixel(inRange.x, inRange.y);
    };
    const Rgba bare = probe(false, false);
    const Rgba byNetwork = probe(true, false);
    EXPECT_NE(byNetwork, bare);
    EXPECT_EQ(probe(true, true), byNetwork) << "the selected pole is not drawn a second time";
    const Rgba selected = probe(false, true);
    EXPECT_NE(selected, bare);
    EXPECT_NE(selected, byNetwork) << "in the plain blue, not the network's colour";
    EXPECT_EQ(probe(false, true, TOOL_POWER_LINE), selected) << "the cable tool shows every pole once too";
}
