#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/map_interaction.h"
#include "app/shell_fixture.h"
#include "demo/demo_event_marks.h"
#include "editing/map_content.h"
#include "support/world_builders.h"
#include "ui/hud_layout.h"
#include "ui/inspector_widgets.h"

namespace {

// The small world every press meets. The pointer crosses the second sink
// after every release with no button held: a stroke left open would take it.
constexpr TilePoint SINK_TILE{40, 30};
constexpr TilePoint SECOND_SINK{44, 30};
constexpr TilePoint BELT_TILE{38, 26};
constexpr TilePoint ITEM_TILE{40, 26};  // a belt carrying a cargo item
constexpr TilePoint GATE{36, 30};
constexpr TilePoint GENERATOR{32, 34};
constexpr TilePoint POLE{38, 34};
constexpr TilePoint CABLE{35, 34};  // on the power cable between them
constexpr TilePoint SMELTER_TILE{44, 26};
constexpr TilePoint SENSOR_TILE{34, 24};
constexpr TilePoint FREE{34, 28};
constexpr TilePoint NO_DRAG{-1, -1};
// Off the map's tiles: "DREHEN" and the iron ore cell of the sensor's cargo page, in the side panel.
constexpr TilePoint ROTATE{-2, 0};
constexpr TilePoint ORE_CELL{-3, 0};

// Bit sets of the table's dimensions.
enum Button : unsigned { LEFT = 1, RIGHT = 2, MIDDLE = 4, EXTRA = 8 };
enum Mod : unsigned { PLAIN = 1, SHIFT = 2, CTRL = 4, ANY_MOD = 7 };
enum Menu : unsigned { CLOSED = 1, OPEN = 2 };
// Nothing open; the smelter selected; the generator as a pending cable end; the
// smelter's label being typed; the second sink in the multi-selection; the
// sensor's cargo page open.
enum Start : unsigned { IDLE = 1, SELECTED = 2, PENDING = 4, LABEL = 8, MULTI = 16, CARGO_PAGE = 32, EVERY = 31 };

enum class Was { START, NONE, TARGET };  // a part of the interaction after the press: as before, gone, the target
enum class Ground { KEPT, TOOLS_CONTROL, CLEARED };

struct Expect {
    Ground ground = Ground::KEPT;  // what the target tile holds after
    TilePoint movedTo = NO_DRAG;   // where the target's control went
    int records = 0;               // undo steps left by the press, its release and the motion after
    int cables = 1;
    Was selected = Was::START;
    bool labelEnds = false;
    Was pending = Was::START;
    Was multi = Was::START;  // TARGET: the target joins the multi-selection
    bool itemPanel = false;
    bool pageCloses = false;
    const char* status = "";
    TilePoint changedToo = NO_DRAG;  // a tile the drag changed after the click in between
};

struct Row {
    const char* rule;
    std::vector<Tool> tools;
    unsigned buttons;
    unsigned mods;
    unsigned menus;
    unsigned starts;
    TilePoint target;
    Expect expect;
    TilePoint dragTo = NO_DRAG;     // a motion with the button held before the release
    TilePoint releaseAt = NO_DRAG;  // where the release is reported, when not where the pointer is
    unsigned between = 0;           // buttons, each clicked in a case of its own after the drag's motion
    TilePoint dragOn = NO_DRAG;     // a motion with the button still held after that click
};

std::vector<Tool> tools(std::initializer_list<std::vector<Tool>> groups)
{
    std::vector<Tool> all;
    for (const std::vector<Tool>& group : groups)
        all.insert(all.end(), group.begin(), group.end());
    return all;
}

// The tools that select first, show a cargo item next, and else build.
// clang-format off
const std::vector<Tool> PLACING = {
    TOOL_SOURCE, TOOL_SINK, TOOL_BELT, TOOL_ARM, TOOL_LONG_ARM, TOOL_DISTRIBUTOR, TOOL_MIXER, TOOL_OVEN, TOOL_SMELTER,
    TOOL_FILLER, TOOL_BRIDGE, TOOL_STORAGE, TOOL_SHOP, TOOL_COAL_GENERATOR, TOOL_POWER_POLE, TOOL_INJECTION_MOLDER,
    TOOL_WATER_SOURCE, TOOL_SENSOR, TOOL_EJECTOR, TOOL_LOGIC_AND, TOOL_LOGIC_OR, TOOL_LOGIC_XOR, TOOL_LOGIC_NOT,
    TOOL_SIGNAL_LAMP, TOOL_LOGIC_COUNTER, TOOL_LOGIC_TIMER, TOOL_LOGIC_CLOCK, TOOL_LOGIC_SWITCH, TOOL_LOGIC_BUTTON,
    TOOL_LOGIC_STEPPER, TOOL_LOGIC_RS, TOOL_POWER_SUPPLY};
// clang-format on
const std::vector<Tool> SELECTING = tools({PLACING, {TOOL_TUNNEL, TOOL_SELECT}});
const std::vector<Tool> WIRES = {TOOL_SIGNAL_MEASURE_LINE, TOOL_SIGNAL_CONTROL_LINE};
const std::vector<Tool> ALL = tools(
    {SELECTING, WIRES, {TOOL_DELETE, TOOL_BELT_SPEED, TOOL_DIRECTION, TOOL_WATER_PIPE, TOOL_POWER_LINE, TOOL_DC_LINE}});

// Where a rule that names no tool leaves a step, which costs a whole map text,
// a tool of each kind stands for all; the cheaper rows run every tool.
const std::vector<Tool> SOME = {TOOL_BELT,   TOOL_SMELTER,    TOOL_SELECT,
                                TOOL_DELETE, TOOL_POWER_LINE, TOOL_SIGNAL_CONTROL_LINE};

const char* const MEASURE_FIRST = "SENSOR UND MESS-CONTROL WAEHLEN; GLEICHES PAAR ENTFERNT DIE LEITUNG";
const char* const SWITCH_FIRST = "AUSGANG DANN ZIEL WAEHLEN. LOGIK: OBEN A, UNTEN B. GLEICHES PAAR ENTFERNT.";
const char* const PICK_POWER = "GENERATOR, MAST ODER 5V-NETZTEIL WAEHLEN";
const char* const PICK_5V = "5V-NETZTEIL ODER SIGNALBAUSTEIN WAEHLEN";

const Expect RESET{.selected = Was::NONE, .labelEnds = true};
const Expect LEFT_ON_MAP{.multi = Was::NONE};  // a left press on the map empties the multi-selection
const Expect RESET_ALL{.selected = Was::NONE, .labelEnds = true, .multi = Was::NONE};
const Expect SELECTS{.selected = Was::TARGET, .labelEnds = true, .multi = Was::NONE};

// clang-format off
const std::vector<Row> ROWS = {
    {"with the menu open a left press is the menu's",
     ALL, LEFT, ANY_MOD, OPEN, EVERY, SINK_TILE, LEFT_ON_MAP},
    {"with the menu open no other press reaches the map",
     ALL, RIGHT | MIDDLE, ANY_MOD, OPEN, EVERY, SINK_TILE, {}},
    {"the middle button pans, and does nothing else",
     ALL, MIDDLE, ANY_MOD, CLOSED, EVERY, SINK_TILE, {}},
    {"right on a control picks it up; put down where it stood, nothing changes",
     ALL, RIGHT, PLAIN | CTRL, CLOSED, EVERY, SINK_TILE, RESET_ALL},
    {"a carried control lands on the tile of the last motion",
     {TOOL_BELT}, RIGHT, PLAIN, CLOSED, IDLE, SINK_TILE,
     {.ground = Ground::CLEARED, .movedTo = {40, 32}, .records = 1, .selected = Was::NONE, .labelEnds = true},
     {40, 32}, {40, 33}},
    {"right on a cable grabs its end; dropped where no end may go, nothing changes",
     ALL, RIGHT, PLAIN | CTRL, CLOSED, EVERY, CABLE, RESET},
    {"right on free ground does nothing",
     ALL, RIGHT, PLAIN | CTRL, CLOSED, EVERY, FREE, {}},
    {"Shift+right demolishes, resets and empties the multi-selection",
     ALL, RIGHT, SHIFT, CLOSED, EVERY, FREE, RESET_ALL},
    {"Shift+right demolishes a control, one step",
     SOME, RIGHT, SHIFT, CLOSED, EVERY, SINK_TILE,
     {.ground = Ground::CLEARED, .records = 1, .selected = Was::NONE, .labelEnds = true, .multi = Was::NONE}},
    {"Shift+right on a cable takes the cable, with no status",
     SOME, RIGHT, SHIFT, CLOSED, EVERY, CABLE, {.records = 1, .cables = 0, .selected = Was::NONE, .labelEnds = true}},
    {"Ctrl+left frames a machine into the multi-selection",
     ALL, LEFT, CTRL, CLOSED, EVERY, SINK_TILE, {.selected = Was::NONE, .labelEnds = true, .multi = Was::TARGET}},
    {"Ctrl+left on a logic component toggles it and drops the pending end",
     ALL, LEFT, CTRL, CLOSED, EVERY, GATE,
     {.selected = Was::NONE, .labelEnds = true, .pending = Was::NONE, .multi = Was::TARGET}},
    {"Ctrl+left on free ground frames nothing",
     ALL, LEFT, CTRL, CLOSED, EVERY, FREE, RESET},
    {"a placing tool builds on free ground, one step; a label goes on being typed",
     tools({PLACING, {TOOL_WATER_PIPE}}), LEFT, PLAIN | SHIFT, CLOSED, IDLE | LABEL, FREE,
     {.ground = Ground::TOOLS_CONTROL, .records = 1, .multi = Was::NONE}},
    {"TUNNEL, SELECT and painting on free ground change nothing",
     {TOOL_TUNNEL, TOOL_SELECT, TOOL_BELT_SPEED, TOOL_DIRECTION}, LEFT, PLAIN | SHIFT, CLOSED, EVERY, FREE,
     LEFT_ON_MAP},
    {"DELETE on free ground demolishes nothing and resets",
     {TOOL_DELETE}, LEFT, PLAIN | SHIFT, CLOSED, EVERY, FREE, RESET_ALL},
    {"POWER_LINE off a connector asks for one",
     {TOOL_POWER_LINE}, LEFT, PLAIN | SHIFT, CLOSED, EVERY, FREE, {.multi = Was::NONE, .status = PICK_POWER}},
    {"DC_LINE off a connector asks for one",
     {TOOL_DC_LINE}, LEFT, PLAIN | SHIFT, CLOSED, EVERY, FREE, {.multi = Was::NONE, .status = PICK_5V}},
    {"the measure wire starts anywhere",
     {TOOL_SIGNAL_MEASURE_LINE}, LEFT, PLAIN | SHIFT, CLOSED, EVERY & ~PENDING, FREE,
     {.pending = Was::TARGET, .multi = Was::NONE, .status = MEASURE_FIRST}},
    {"the switch wire starts anywhere",
     {TOOL_SIGNAL_CONTROL_LINE}, LEFT, PLAIN | SHIFT, CLOSED, EVERY & ~PENDING, FREE,
     {.pending = Was::TARGET, .multi = Was::NONE, .status = SWITCH_FIRST}},
    {"a measure wire from a generator is refused",
     {TOOL_SIGNAL_MEASURE_LINE}, LEFT, PLAIN | SHIFT, CLOSED, PENDING, FREE,
     {.pending = Was::NONE, .status = "SENSOR UND MESS-CONTROL AUSWAEHLEN"}},
    {"a switch wire into free ground is refused",
     {TOOL_SIGNAL_CONTROL_LINE}, LEFT, PLAIN | SHIFT, CLOSED, PENDING, FREE,
     {.pending = Was::NONE, .status = "VERBINDUNG UNGUELTIG: EINGANG BELEGT ODER RUECKKOPPLUNG"}},
    {"POWER_LINE with the generator pending takes the cable away",
     {TOOL_POWER_LINE}, LEFT, PLAIN | SHIFT, CLOSED, PENDING, POLE,
     {.records = 1, .cables = 0, .pending = Was::NONE, .status = "STROMLEITUNG ENTFERNT"}},
    {"a selecting tool on a machine selects it and builds nothing",
     SELECTING, LEFT, PLAIN, CLOSED, EVERY, SINK_TILE, SELECTS},
    {"a selecting tool on a logic component selects it; the click lays no wire",
     SELECTING, LEFT, PLAIN, CLOSED, EVERY, GATE, SELECTS},
    {"select first comes before the item: the belt under it is selected",
     SELECTING, LEFT, PLAIN, CLOSED, EVERY, ITEM_TILE, SELECTS},
    {"with Shift a tool builds over a machine, which takes nothing",
     tools({SELECTING, {TOOL_WATER_PIPE}}), LEFT, SHIFT, CLOSED, EVERY, SINK_TILE, LEFT_ON_MAP},
    {"DELETE demolishes where a wire drag starts, and the release ends the stroke",
     {TOOL_DELETE}, LEFT, PLAIN | SHIFT, CLOSED, EVERY, SINK_TILE,
     {.ground = Ground::CLEARED, .records = 1, .selected = Was::NONE, .labelEnds = true, .multi = Was::NONE},
     {40, 33}},
    {"a middle or right click leaves a left stroke running: it lays on, one step",
     {TOOL_BELT}, LEFT, PLAIN, CLOSED, IDLE, FREE,
     {.ground = Ground::TOOLS_CONTROL, .records = 1, .multi = Was::NONE, .changedToo = {34, 31}},
     {34, 29}, NO_DRAG, MIDDLE | RIGHT, {34, 31}},
    {"a middle click leaves the Shift+right demolish stroke running",
     {TOOL_BELT}, RIGHT, SHIFT, CLOSED, IDLE, SINK_TILE,
     {.ground = Ground::CLEARED, .records = 1, .selected = Was::NONE, .labelEnds = true, .multi = Was::NONE,
      .changedToo = GATE},
     {40, 31}, NO_DRAG, MIDDLE, GATE},
    {"DELETE on a cable takes it and names it",
     {TOOL_DELETE}, LEFT, PLAIN | SHIFT, CLOSED, EVERY, CABLE,
     {.records = 1, .cables = 0, .selected = Was::NONE, .labelEnds = true, .multi = Was::NONE,
      .status = "STROMLEITUNG ENTFERNT"}},
    {"BELT_SPEED and DIRECTION paint a belt, one step",
     {TOOL_BELT_SPEED, TOOL_DIRECTION}, LEFT, PLAIN | SHIFT, CLOSED, EVERY, BELT_TILE,
     {.records = 1, .multi = Was::NONE}},
    {"the signal wires show the cargo item",
     WIRES, LEFT, PLAIN, CLOSED, EVERY, ITEM_TILE,
     {.selected = Was::NONE, .labelEnds = true, .multi = Was::NONE, .itemPanel = true}},
    {"POWER_LINE works the tile under an item",
     {TOOL_POWER_LINE}, LEFT, PLAIN, CLOSED, EVERY, ITEM_TILE, {.multi = Was::NONE, .status = PICK_POWER}},
    {"DC_LINE works the tile under an item",
     {TOOL_DC_LINE}, LEFT, PLAIN, CLOSED, EVERY, ITEM_TILE, {.multi = Was::NONE, .status = PICK_5V}},
    {"WATER_PIPE works the tile under an item",
     {TOOL_WATER_PIPE}, LEFT, PLAIN, CLOSED, EVERY, ITEM_TILE, LEFT_ON_MAP},
    {"DREHEN turns the selected control and ends its label unsaved",
     SOME, LEFT, PLAIN, CLOSED, SELECTED | LABEL, ROTATE, {.records = 1, .labelEnds = true}},
    {"a cargo cell picks the sensor's cargo, one step, the page open",
     SOME, LEFT, PLAIN, CLOSED, CARGO_PAGE, ORE_CELL, {.records = 1}},
    {"the middle and extra buttons do nothing on the cargo page",
     ALL, MIDDLE | EXTRA, PLAIN, CLOSED, CARGO_PAGE, ORE_CELL, {}},
    {"a right press closes the cargo page",
     ALL, RIGHT, PLAIN, CLOSED, CARGO_PAGE, ORE_CELL, {.pageCloses = true}},
};
// clang-format on

// One shell for all the cases of a row; each case starts from the world and
// with an undo history of its own.
struct PressTable : ShellFixture {
    Game world = emptyGame();
    MapContent original;
    std::string originalText;
    std::optional<UndoHistory> history;
    std::optional<Shell> caseShell;
    bool worldChanged = true;

    PressTable()
    {
        layBeltRun(world, BELT_TILE.x, BELT_TILE.y, EAST, 4);
        world.items.emplace_back(ITEM_TILE.x, ITEM_TILE.y, EAST, COAL);
        build(world, SINK, SINK_TILE.x, SINK_TILE.y);
        build(world, SINK, SECOND_SINK.x, SECOND_SINK.y);
        build(world, LOGIC_AND, GATE.x, GATE.y);
        build(world, COAL_GENERATOR, GENERATOR.x, GENERATOR.y);
        build(world, POWER_POLE, POLE.x, POLE.y);
        world.powerLinks.push_back({GENERATOR.x, GENERATOR.y, POLE.x, POLE.y, 0, 0});
        build(world, SMELTER, SMELTER_TILE.x, SMELTER_TILE.y);
        setTile(world, SENSOR_TILE.x, SENSOR_TILE.y, SENSOR, EAST);
        world.updateNetworks(0.0f);
        world.sound = &sound;
        original = mapContentOf(world);
        UndoHistory::snapshot(world, originalText);
    }

    void begin(unsigned start, bool menuOpen)
    {
        // Copying the world for every case would cost more than all the presses.
        if (worldChanged) game = Game(world);
        worldChanged = false;
        history.emplace();
        caseShell.emplace(Shell{options, directory, game, screen, sound, *history, demoPlayer, stats, selection,
                                saveMenu, windowSize, state});
        state = LoopState{};
        state.menu = &saveMenu;
        resizeView(state, 1024, 768);
        state.camera = {736, 640, START_ZOOM_INDEX};  // tiles 23..44 from the tool panel's right edge on
        state.minimapVisible = false;
        state.paintBeltSpeed = 5;
        state.paintDirection = SOUTH;
        selection.clear();
        saveMenu.state = MenuState::Closed;
        if (start & (SELECTED | LABEL)) selectControlAt(state, game, SMELTER_TILE.x, SMELTER_TILE.y);
        if (start & LABEL) {
            beginLabelEdit(state.interaction.label, game, SMELTER_TILE.x, SMELTER_TILE.y);
            state.interaction.label.buffer = "TYPED";
        }
        if (start & PENDING) state.interaction.pendingLinkEnd = {GENERATOR.x, GENERATOR.y, 0, 0};
        if (start & MULTI) selection.toggle(game, SECOND_SINK.x, SECOND_SINK.y);
        if (start & CARGO_PAGE) {
            selectControlAt(state, game, SENSOR_TILE.x, SENSOR_TILE.y);
            state.cargoChoiceOpen = true;
        }
        if (menuOpen) saveMenu.openMainMenu();
    }

    TilePoint pixelOf(TilePoint spot) const
    {
        const ScreenRect content = sidePanelContentRect(state.viewWidth + SIDE_PANEL_WIDTH, state.viewHeight);
        const int size = tileSize(state.camera);
        ScreenRect box{spot.x * size - state.camera.scrollX, spot.y * size - state.camera.scrollY, size, size};
        if (spot == ROTATE) box = rotateButtonRect(content);
        if (spot == ORE_CELL) box = choiceGridCellRect(content, IRON_ORE);
        return {box.left + box.width / 2, box.top + box.height / 2};
    }

    void key(Uint32 type, SDL_Keycode code, Uint16 mod) { dispatchEvent(*caseShell, keyEvent(type, code, mod)); }

    void mouse(Uint32 type, Uint8 button, TilePoint spot, Uint32 mark, Uint32 held = 0)
    {
        const TilePoint at = pixelOf(spot);
        SDL_Event event{};
        event.type = type;
        if (type == SDL_MOUSEMOTION) {
            event.motion = {SDL_MOUSEMOTION, 0, 0, mark, held, at.x, at.y, 0, 0};
        } else {
            event.button = {type, 0, 0, mark, button, 0, 1, 0, at.x, at.y};
        }
        dispatchEvent(*caseShell, event);
    }
};

Uint8 sdlButton(unsigned button)
{
    switch (button) {
    case LEFT:
        return SDL_BUTTON_LEFT;
    case RIGHT:
        return SDL_BUTTON_RIGHT;
    case MIDDLE:
        return SDL_BUTTON_MIDDLE;
    default:
        return SDL_BUTTON_X1;
    }
}

Uint32 sdlMask(unsigned button) { return SDL_BUTTON(sdlButton(button)); }

Uint32 markOf(unsigned mod) { return mod == SHIFT ? DEMO_SHIFT_MARK : mod == CTRL ? DEMO_CTRL_MARK : 0; }

bool holdsToolsControl(const Game& game, TilePoint spot, Tool tool)
{
    const Tile& tile = game.tileAt(spot.x, spot.y);
    return tool == TOOL_BRIDGE ? tile.bridgePart >= 0 : tile.type == toolControlType(tool);
}

std::set<std::pair<int, int>> anchors(const MultiSelection& selection)
{
    std::set<std::pair<int, int>> all;
    for (const SelectedControl& entry : selection.entries)
        all.insert({entry.anchorX, entry.anchorY});
    return all;
}

void checkOutcome(PressTable& f, const Row& row, Tool tool, unsigned start, const Interaction& before,
                  const MultiSelection& multiBefore)
{
    const Expect& e = row.expect;
    const Interaction& now = f.state.interaction;
    if (f.game.inBounds(row.target.x, row.target.y)) {
        const ControlType was = f.world.tileAt(row.target.x, row.target.y).type;
        const bool holds = e.ground == Ground::KEPT ? f.game.tileAt(row.target.x, row.target.y).type == was
                           : e.ground == Ground::TOOLS_CONTROL
                               ? holdsToolsControl(f.game, row.target, tool)
                               : f.game.tileAt(row.target.x, row.target.y).type == EMPTY;
        EXPECT_TRUE(holds) << "the target tile";
    }
    EXPECT_TRUE(e.movedTo.x < 0 || f.game.tileAt(e.movedTo.x, e.movedTo.y).type == SINK) << "the carried sink";
    EXPECT_EQ(static_cast<int>(f.history->size()), e.records);
    EXPECT_EQ(static_cast<int>(f.game.powerLinks.size()), e.cables);
    ControlPick target;
    controlPickAt(f.world, row.target.x, row.target.y, target);
    const ControlPick selected = e.selected == Was::START    ? before.selection.control
                                 : e.selected == Was::TARGET ? target
                                                             : ControlPick{};
    EXPECT_EQ(now.selection.control, selected);
    EXPECT_EQ(now.label.active, (start & LABEL) != 0 && !e.labelEnds);
    EXPECT_EQ(f.game.tileAt(SMELTER_TILE.x, SMELTER_TILE.y).label, "") << "no press commits a label";
    const TilePoint pending = e.pending == Was::START    ? TilePoint{before.pendingLinkEnd.x, before.pendingLinkEnd.y}
                              : e.pending == Was::TARGET ? row.target
                                                         : NO_DRAG;
    EXPECT_EQ((TilePoint{now.pendingLinkEnd.x, now.pendingLinkEnd.y}), pending);
    auto multi = anchors(e.multi == Was::NONE ? MultiSelection{} : multiBefore);
    if (e.multi == Was::TARGET) multi.insert({row.target.x, row.target.y});
    EXPECT_EQ(anchors(f.selection), multi);
    EXPECT_EQ(f.state.itemPanelOpen, e.itemPanel);
    EXPECT_EQ(f.state.cargoChoiceOpen, (start & CARGO_PAGE) != 0 && !e.pageCloses);
    EXPECT_EQ(now.statusText, e.status);
    if (e.changedToo.x >= 0) {
        EXPECT_NE(f.game.tileAt(e.changedToo.x, e.changedToo.y).type,
                  f.world.tileAt(e.changedToo.x, e.changedToo.y).type)
            << "the stroke went on after the click in between";
    }
}

// One press, a motion with the button held where the row drags, a click of
// another button and a further motion where the row asks for them, the
// release, then a motion over the second sink with no button held.
void runCase(PressTable& f, const Row& row, Tool tool, unsigned button, unsigned mod, unsigned menu, unsigned start,
             unsigned between)
{
    SCOPED_TRACE(testing::Message() << row.rule << ": tool " << TOOL_KEYWORDS[static_cast<std::size_t>(tool)]
                                    << ", button " << button << ", mod " << mod << ", menu " << menu << ", start "
                                    << start << ", between " << between);
    f.begin(start, menu == OPEN);
    f.state.selectedTool = tool;
    const Interaction before = f.state.interaction;
    const MultiSelection multiBefore = f.selection;
    const Uint32 mark = markOf(mod);
    f.mouse(SDL_MOUSEBUTTONDOWN, sdlButton(button), row.target, mark);
    TilePoint pointer = row.target;
    if (row.dragTo.x >= 0) {
        pointer = row.dragTo;
        f.mouse(SDL_MOUSEMOTION, 0, pointer, mark, sdlMask(button));
    }
    if (between != 0) {
        f.mouse(SDL_MOUSEBUTTONDOWN, sdlButton(between), pointer, mark);
        f.mouse(SDL_MOUSEBUTTONUP, sdlButton(between), pointer, mark);
        EXPECT_NE(f.state.stroke.kind, StrokeKind::NONE) << "another button's release leaves the stroke";
        pointer = row.dragOn;
        f.mouse(SDL_MOUSEMOTION, 0, pointer, mark, sdlMask(button));
    }
    f.mouse(SDL_MOUSEBUTTONUP, sdlButton(button), row.releaseAt.x >= 0 ? row.releaseAt : pointer, mark);
    EXPECT_EQ(f.state.stroke.kind, StrokeKind::NONE) << "the release of its button ends the stroke";
    EXPECT_FALSE(f.state.interaction.wireDrag.active());
    EXPECT_FALSE(f.state.panning);
    f.mouse(SDL_MOUSEMOTION, 0, SECOND_SINK, 0);
    EXPECT_EQ(f.game.tileAt(SECOND_SINK.x, SECOND_SINK.y).type, SINK) << "no button held, nothing goes";
    checkOutcome(f, row, tool, start, before, multiBefore);
    if (f.history->empty()) {
        f.worldChanged = !sameMapContent(f.original, f.game);
        EXPECT_FALSE(f.worldChanged) << "no step, no change";
        return;
    }
    f.worldChanged = true;
    // Undo reads the record back as map files are read, which their own tests cover.
    EXPECT_TRUE(f.history->newest() == f.originalText) << "one undo brings back the world from before the press";
}

std::vector<unsigned> bitsOf(unsigned set)
{
    std::vector<unsigned> bits;
    for (unsigned bit = 1; bit <= set; bit <<= 1) {
        if (set & bit) bits.push_back(bit);
    }
    return bits;
}

template <typename Run> void forEachCase(const Row& row, Run&& run)
{
    const std::vector<unsigned> betweens = row.between != 0 ? bitsOf(row.between) : std::vector<unsigned>{0};
    for (const Tool tool : row.tools)
        for (const unsigned button : bitsOf(row.buttons))
            for (const unsigned mod : bitsOf(row.mods))
                for (const unsigned menu : bitsOf(row.menus))
                    for (const unsigned start : bitsOf(row.starts))
                        for (const unsigned between : betweens)
                            run(tool, button, mod, menu, start, between);
}

class PressTableRow : public testing::TestWithParam<std::size_t> {};

}  // namespace

// Every tool with every button, modifier, menu and start of the interaction,
// as the event loop hands the presses to the shell, one row of rules at a time.
TEST_P(PressTableRow, EveryPressDoesWhatItsRuleSays)
{
    PressTable f;
    const Row& row = ROWS[GetParam()];
    forEachCase(row, [&](Tool tool, unsigned button, unsigned mod, unsigned menu, unsigned start, unsigned between) {
        runCase(f, row, tool, button, mod, menu, start, between);
    });
}

INSTANTIATE_TEST_SUITE_P(Rows, PressTableRow, testing::Range<std::size_t>(0, ROWS.size()));

// The grid is whole: no tool, button, modifier, menu or start is left out.
TEST(PressTable, TheRowsCoverEveryPress)
{
    std::set<std::tuple<Tool, unsigned, unsigned, unsigned, unsigned>> covered;
    for (const Row& row : ROWS)
        forEachCase(row, [&](Tool tool, unsigned button, unsigned mod, unsigned menu, unsigned start, unsigned) {
            covered.insert({tool, button, mod, menu, start});
        });
    for (const Tool tool : ALL)
        for (const unsigned button : {LEFT, RIGHT, MIDDLE})
            for (const unsigned mod : bitsOf(ANY_MOD))
                for (const unsigned menu : {CLOSED, OPEN})
                    for (const unsigned start : bitsOf(EVERY))
                        EXPECT_TRUE(covered.contains({tool, button, mod, menu, start}))
                            << tool << " " << button << " " << mod << " " << menu << " " << start;
}

// The keys held at a press are those of the key events queued before it, in
// one frame's events as the loop takes them, not SDL's state at the frame's end.
TEST(PressTable, ModifierKeysCountAsTheyStoodAtThePress)
{
    enum Order { KEYS_AROUND_CLICK, CLICK_THEN_KEY, FOCUS_GAINED };
    struct Case {
        const char* rule;
        Order order;
        SDL_Keycode key;
        Uint16 mod;
        Tool tool;
        Uint8 button;
        TilePoint target;
        std::function<bool(const PressTable&)> sees;
    };
    const auto bridged = [](const PressTable& f) { return f.game.tileAt(BELT_TILE.x, BELT_TILE.y).bridgePart >= 0; };
    const std::vector<Case> cases = {
        {"Shift + click builds the bridge over the belt", KEYS_AROUND_CLICK, SDLK_LSHIFT, KMOD_LSHIFT, TOOL_BRIDGE,
         SDL_BUTTON_LEFT, BELT_TILE, bridged},
        {"Shift + right press demolishes", KEYS_AROUND_CLICK, SDLK_RSHIFT, KMOD_RSHIFT, TOOL_BELT, SDL_BUTTON_RIGHT,
         SINK_TILE, [](const PressTable& f) { return f.game.tileAt(SINK_TILE.x, SINK_TILE.y).type == EMPTY; }},
        {"Ctrl + click takes the sink into the multi-selection", KEYS_AROUND_CLICK, SDLK_LCTRL, KMOD_LCTRL, TOOL_BELT,
         SDL_BUTTON_LEFT, SINK_TILE, [](const PressTable& f) { return f.selection.entries.size() == 1; }},
        {"a plain click before Shift selects the belt", CLICK_THEN_KEY, SDLK_LSHIFT, KMOD_LSHIFT, TOOL_BRIDGE,
         SDL_BUTTON_LEFT, BELT_TILE,
         [&](const PressTable& f) { return !bridged(f) && f.state.interaction.selection.control.type == BELT; }},
        {"keys pressed in another window count from the focus on", FOCUS_GAINED, SDLK_LSHIFT, KMOD_LSHIFT, TOOL_BRIDGE,
         SDL_BUTTON_LEFT, BELT_TILE, bridged},
    };
    PressTable f;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        f.begin(IDLE, false);
        f.state.selectedTool = c.tool;
        if (c.order == KEYS_AROUND_CLICK) f.key(SDL_KEYDOWN, c.key, c.mod);
        if (c.order == FOCUS_GAINED) {
            SDL_SetModState(static_cast<SDL_Keymod>(c.mod));
            dispatchEvent(*f.caseShell, windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
            SDL_SetModState(KMOD_NONE);
        }
        f.mouse(SDL_MOUSEBUTTONDOWN, c.button, c.target, 0);
        f.mouse(SDL_MOUSEBUTTONUP, c.button, c.target, 0);
        if (c.order == KEYS_AROUND_CLICK) f.key(SDL_KEYUP, c.key, KMOD_NONE);
        if (c.order == CLICK_THEN_KEY) f.key(SDL_KEYDOWN, c.key, c.mod);
        EXPECT_TRUE(c.sees(f));
        f.worldChanged = true;
    }
}
