#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "app/frame_update.h"
#include "app/map_pointer.h"
#include "app/shell_fixture.h"
#include "demo/demo_event_marks.h"
#include "editing/demolishing.h"
#include "support/world_builders.h"
#include "ui/hud_layout.h"
#include "ui/information_panel.h"

namespace {

constexpr int TILE = 32;  // the start zoom's tile size

// A shell on an empty map at 1024 x 768 with the tool panel moved off the
// map's top left corner, where the tests press.
struct PointerFixture : ShellFixture {
    PointerFixture()
    {
        game = emptyGame();
        game.sound = &sound;
        state.toolPanelX = 480;
        state.toolPanelY = 20;
    }

    int pixelOf(int tile, int scroll) const { return tile * TILE + TILE / 2 - scroll; }

    void send(SDL_Event event) { dispatchEvent(shell, event); }

    void button(Uint32 type, Uint8 which, int px, int py, Uint32 mark = 0)
    {
        SDL_Event event{};
        event.type = type;
        event.button.button = which;
        event.button.which = mark;
        event.button.x = px;
        event.button.y = py;
        send(event);
    }

    void motion(int px, int py, Uint32 held, int dx = 0, int dy = 0)
    {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.state = held;
        event.motion.x = px;
        event.motion.y = py;
        event.motion.xrel = dx;
        event.motion.yrel = dy;
        send(event);
    }

    void wheel(int amount, int px, int py)
    {
        SDL_Event event{};
        event.type = SDL_MOUSEWHEEL;
        event.wheel.y = amount;
        event.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
        event.wheel.mouseX = px;
        event.wheel.mouseY = py;
        send(event);
    }

    int tileX(int x) const { return pixelOf(x, state.camera.scrollX); }
    int tileY(int y) const { return pixelOf(y, state.camera.scrollY); }

    void pressTile(int x, int y, Uint8 which = SDL_BUTTON_LEFT, Uint32 mark = 0)
    {
        button(SDL_MOUSEBUTTONDOWN, which, tileX(x), tileY(y), mark);
    }
    void releaseTile(int x, int y, Uint8 which = SDL_BUTTON_LEFT, Uint32 mark = 0)
    {
        button(SDL_MOUSEBUTTONUP, which, tileX(x), tileY(y), mark);
    }
    void clickTile(int x, int y, Uint8 which = SDL_BUTTON_LEFT, Uint32 mark = 0)
    {
        pressTile(x, y, which, mark);
        releaseTile(x, y, which, mark);
    }
    void dragTo(int x, int y, Uint32 held = SDL_BUTTON_LMASK) { motion(tileX(x), tileY(y), held); }

    std::string mapText() const
    {
        std::string text;
        EXPECT_TRUE(UndoHistory::snapshot(game, text));
        return text;
    }

    // One Ctrl+Z takes the world back to the text; nothing is left to undo after it.
    void expectOneUndoRestores(const std::string& before)
    {
        ASSERT_EQ(undoHistory.size(), 1u);
        ASSERT_TRUE(undoHistory.undo(game));
        EXPECT_EQ(mapText(), before);
    }

    ControlType typeAt(int x, int y) const { return game.tileAt(x, y).type; }
};

struct ToolCase {
    const char* name;
    Tool tool;
    std::function<void(PointerFixture&)> setup;
    Uint32 mark;  // the demo's Shift or Ctrl mark on the press, or 0
    std::function<bool(const PointerFixture&)> sees;
    std::size_t records;  // undo steps the click leaves
};

bool builtAt(const PointerFixture& f, ControlType type) { return f.typeAt(6, 6) == type; }

std::function<bool(const PointerFixture&)> builds(ControlType type)
{
    return [type](const PointerFixture& f) { return builtAt(f, type); };
}

void smelterThere(PointerFixture& f) { build(f.game, SMELTER, 6, 6); }

bool smelterSelected(const PointerFixture& f)
{
    const ControlPick& pick = f.state.interaction.selection.control;
    return pick.x == 6 && pick.y == 6 && pick.type == SMELTER;
}

}  // namespace

TEST(MapPointer, AClickWithEachToolIsOneUndoStep)
{
    const auto nothing = [](PointerFixture&) {};
    const std::vector<ToolCase> cases = {
        {"source", TOOL_SOURCE, nothing, 0, builds(SOURCE), 1},
        {"sink", TOOL_SINK, nothing, 0, builds(SINK), 1},
        {"arm", TOOL_ARM, nothing, 0, builds(ARM), 1},
        {"long arm", TOOL_LONG_ARM, nothing, 0, builds(LONG_ARM), 1},
        {"distributor", TOOL_DISTRIBUTOR, nothing, 0, builds(DISTRIBUTOR), 1},
        {"mixer", TOOL_MIXER, nothing, 0, builds(MIXER), 1},
        {"kiln", TOOL_OVEN, nothing, 0, builds(OVEN), 1},
        {"smelter", TOOL_SMELTER, nothing, 0, builds(SMELTER), 1},
        {"bottling plant", TOOL_FILLER, nothing, 0, builds(FILLER), 1},
        {"injection molder", TOOL_INJECTION_MOLDER, nothing, 0, builds(INJECTION_MOLDER), 1},
        {"storage", TOOL_STORAGE, nothing, 0, builds(STORAGE), 1},
        {"shop", TOOL_SHOP, nothing, 0, builds(SHOP), 1},
        {"ejector", TOOL_EJECTOR, nothing, 0, builds(EJECTOR), 1},
        {"coal generator", TOOL_COAL_GENERATOR, nothing, 0, builds(COAL_GENERATOR), 1},
        {"power pole", TOOL_POWER_POLE, nothing, 0, builds(POWER_POLE), 1},
        {"5V supply", TOOL_POWER_SUPPLY, nothing, 0, builds(POWER_SUPPLY), 1},
        {"water source", TOOL_WATER_SOURCE, nothing, 0, builds(WATER_SOURCE), 1},
        {"water pipe, a stroke of one tile", TOOL_WATER_PIPE, nothing, 0, builds(WATER_PIPE), 1},
        {"bridge", TOOL_BRIDGE, nothing, 0, [](const PointerFixture& f) { return f.game.tileAt(6, 6).bridgePart >= 0; },
         1},
        {"sensor, a recorded command inside the press", TOOL_SENSOR, nothing, 0, builds(SENSOR), 1},
        {"AND gate, recorded", TOOL_LOGIC_AND, nothing, 0, builds(LOGIC_AND), 1},
        {"lamp", TOOL_SIGNAL_LAMP, nothing, 0, builds(SIGNAL_LAMP), 1},
        {"RS latch", TOOL_LOGIC_RS, nothing, 0, builds(LOGIC_RS), 1},
        {"belt, a stroke of one tile", TOOL_BELT, nothing, 0, builds(BELT), 1},
        {"a building tool on a control selects it", TOOL_BELT, smelterThere, 0, smelterSelected, 0},
        {"SELECT selects", TOOL_SELECT, smelterThere, 0, smelterSelected, 0},
        {"SELECT on free ground does nothing", TOOL_SELECT, nothing, 0,
         [](const PointerFixture& f) { return !f.state.interaction.selection.selected() && builtAt(f, EMPTY); }, 0},
        {"Shift builds over the selection: the smelter turns", TOOL_SMELTER, smelterThere, DEMO_SHIFT_MARK,
         [](const PointerFixture& f) { return f.game.tileAt(6, 6).dir != NORTH; }, 1},
        {"DELETE demolishes", TOOL_DELETE, smelterThere, 0, builds(EMPTY), 1},
        {"belt speed paints the chosen level", TOOL_BELT_SPEED,
         [](PointerFixture& f) {
             layBelt(f.game, 6, 6, EAST);
             f.state.paintBeltSpeed = 5;
         },
         0, [](const PointerFixture& f) { return f.game.tileAt(6, 6).beltSpeed == 5; }, 1},
        {"direction paints the chosen direction", TOOL_DIRECTION,
         [](PointerFixture& f) {
             layBelt(f.game, 6, 6, NORTH);
             f.state.paintDirection = WEST;
         },
         0, [](const PointerFixture& f) { return f.game.tileAt(6, 6).dir == WEST; }, 1},
        {"Ctrl adds the control to the multi-selection", TOOL_BELT, smelterThere, DEMO_CTRL_MARK,
         [](const PointerFixture& f) { return f.selection.entries.size() == 1; }, 0},
        {"a wire tool, which selects nothing, shows a cargo item", TOOL_SIGNAL_MEASURE_LINE,
         [](PointerFixture& f) {
             layBelt(f.game, 6, 6, EAST);
             f.game.items.emplace_back(6, 6, EAST, COAL).id = {12, 5, "OFEN"};
             f.game.nextMachineId = 13;
         },
         0,
         [](const PointerFixture& f) {
             return f.state.itemPanelOpen && f.state.itemPanelCargo == COAL &&
                    f.state.itemPanelRecord.id == f.game.items.front().id &&
                    !f.state.interaction.pendingLinkEnd.pending();
         },
         0},
        {"a switch flips under a building tool", TOOL_SOURCE,
         [](PointerFixture& f) { setTile(f.game, 6, 6, LOGIC_SWITCH); }, 0,
         [](const PointerFixture& f) { return f.game.tileAt(6, 6).switchOn; }, 1},
        {"a switch stays under the direction tool", TOOL_DIRECTION,
         [](PointerFixture& f) { setTile(f.game, 6, 6, LOGIC_SWITCH); }, 0,
         [](const PointerFixture& f) { return !f.game.tileAt(6, 6).switchOn; }, 0},
    };
    for (const ToolCase& c : cases) {
        SCOPED_TRACE(c.name);
        PointerFixture f;
        c.setup(f);
        f.state.selectedTool = c.tool;
        const std::string before = f.mapText();
        f.clickTile(6, 6, SDL_BUTTON_LEFT, c.mark);
        EXPECT_TRUE(c.sees(f));
        expectMapReadsBack(f.game);
        if (c.records == 0) {
            EXPECT_TRUE(f.undoHistory.empty());
            EXPECT_EQ(f.mapText(), before);
        } else {
            f.expectOneUndoRestores(before);
        }
    }
}

TEST(MapPointer, PressesOnThePanelsNeverReachTheMap)
{
    PointerFixture f;
    f.state.selectedTool = TOOL_SOURCE;
    f.button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, f.state.toolPanelX + 30, f.state.toolPanelY + 60);
    f.button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, f.state.viewWidth + 40, 300);
    f.button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, f.state.viewWidth - 40, f.state.viewHeight - 40);  // the minimap
    f.button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 100, f.state.viewHeight - 30);                     // the bottom bar
    for (int y = 0; y < GRID_HEIGHT; ++y)
        for (int x = 0; x < GRID_WIDTH; ++x)
            ASSERT_EQ(f.typeAt(x, y), EMPTY) << x << ", " << y;
    EXPECT_TRUE(f.undoHistory.empty());
}

TEST(MapPointer, ABeltStrokeLaysItsTilesAsOneUndoStep)
{
    PointerFixture f;
    const std::string before = f.mapText();
    f.pressTile(2, 2);
    f.dragTo(5, 4);
    const std::vector<TilePoint> belts = {{2, 2}, {3, 2}, {4, 2}, {4, 3}, {5, 3}, {5, 4}};
    int count = 0;
    for (int y = 0; y < GRID_HEIGHT; ++y)
        for (int x = 0; x < GRID_WIDTH; ++x)
            count += f.typeAt(x, y) == BELT;
    EXPECT_EQ(count, 6);
    for (const TilePoint& belt : belts)
        EXPECT_EQ(f.typeAt(belt.x, belt.y), BELT) << belt.x << ", " << belt.y;
    EXPECT_TRUE(f.undoHistory.empty()) << "the stroke is recorded at the release";
    f.releaseTile(5, 4);
    expectMapReadsBack(f.game);
    f.expectOneUndoRestores(before);
}

TEST(MapPointer, ARefusedBeltStepKeepsTheStrokeAtItsLastTile)
{
    PointerFixture f;
    build(f.game, POWER_POLE, 4, 2);
    f.pressTile(2, 2);
    f.dragTo(3, 2);
    f.dragTo(4, 2);  // a pole takes no belt
    EXPECT_EQ(f.state.stroke.lastX, 3);
    EXPECT_EQ(f.state.stroke.kind, StrokeKind::BELT);
    f.dragTo(3, 4);
    EXPECT_EQ(f.typeAt(3, 4), BELT) << "the stroke goes on from its last tile";
    f.releaseTile(3, 4);
    EXPECT_EQ(f.undoHistory.size(), 1u);
    expectMapReadsBack(f.game);
}

TEST(MapPointer, ATunnelOfTwoClicksIsOneUndoStep)
{
    PointerFixture f;
    f.state.selectedTool = TOOL_TUNNEL;
    const std::string before = f.mapText();
    f.clickTile(10, 10);
    EXPECT_EQ(f.typeAt(10, 10), EMPTY);
    f.clickTile(14, 10);
    EXPECT_EQ(f.typeAt(10, 10), TUNNEL);
    EXPECT_EQ(f.typeAt(14, 10), TUNNEL_EXIT);
    expectMapReadsBack(f.game);
    f.expectOneUndoRestores(before);
}

TEST(MapPointer, ABridgePanelStaysOpenUntilTheBridgeGoes)
{
    const ControlPick bridge{4, 8, BRIDGE};
    for (const Tool tool : {TOOL_SELECT, TOOL_BELT})
        for (int x = 3; x <= 5; ++x) {
            SCOPED_TRACE(testing::Message() << "tool " << tool << ", tile " << x);
            PointerFixture f;
            setTile(f.game, 4, 8, BELT, EAST);
            buildBridgeEast(f.game, 4, 8);
            f.state.selectedTool = tool;
            f.clickTile(x, 8);
            // Thirty frames of 20 ms each.
            LoopClock::time_point now = f.state.lastFrameTime;
            for (int frame = 0; frame < 30; ++frame)
                updateFrame(f.shell, now += std::chrono::milliseconds(20));
            EXPECT_EQ(f.state.interaction.selection.control, bridge);
            if (tool != TOOL_BELT || x != 5) continue;

            const ScreenRect panel = sidePanelContentRect(1024, 768);
            const ScreenRect slow = bridgeSpeedRect(panel, 1);
            f.button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, slow.left + 4, slow.top + 4);
            EXPECT_EQ(f.game.tileAt(4, 8).beltSpeed, 1) << "the belt under the deck";
            demolish(f.game, 3, 8);
            updateFrame(f.shell, now += std::chrono::milliseconds(20));
            EXPECT_FALSE(f.state.interaction.selection.selected());
        }
}

TEST(MapPointer, DeletingA5VCableNamesItInTheNextFrame)
{
    PointerFixture f;
    setTile(f.game, 3, 5, POWER_SUPPLY);
    setTile(f.game, 9, 5, SIGNAL_LAMP);
    f.game.dcLinks.push_back({3, 5, 9, 5, 0, 0});
    f.game.updateNetworks(0.0f);
    f.state.selectedTool = TOOL_DELETE;
    const std::string before = f.mapText();
    f.clickTile(6, 5);
    updateFrame(f.shell, LoopClock::now());
    EXPECT_EQ(f.state.interaction.statusText, "SCHALTLEITUNG ENTFERNT");
    EXPECT_TRUE(f.game.dcLinks.empty());
    EXPECT_EQ(f.typeAt(3, 5), POWER_SUPPLY);
    EXPECT_EQ(f.typeAt(9, 5), SIGNAL_LAMP);
    expectMapReadsBack(f.game);
    f.expectOneUndoRestores(before);
}

TEST(MapPointer, DemolishStrokesWithDeleteAndShiftRight)
{
    for (const bool shiftRight : {false, true}) {
        SCOPED_TRACE(shiftRight ? "Shift and the right button" : "DELETE");
        PointerFixture f;
        layBeltRun(f.game, 2, 8, EAST, 6);
        build(f.game, SMELTER, 4, 10);
        f.state.selectedTool = shiftRight ? TOOL_BELT : TOOL_DELETE;
        const Uint8 which = shiftRight ? SDL_BUTTON_RIGHT : SDL_BUTTON_LEFT;
        const Uint32 mark = shiftRight ? DEMO_SHIFT_MARK : 0;
        const std::string before = f.mapText();
        f.pressTile(2, 8, which, mark);
        f.dragTo(5, 8, shiftRight ? SDL_BUTTON_RMASK : SDL_BUTTON_LMASK);
        f.releaseTile(5, 8, which, mark);
        for (int x = 2; x <= 5; ++x)
            EXPECT_EQ(f.typeAt(x, 8), EMPTY) << x;
        EXPECT_EQ(f.typeAt(6, 8), BELT);
        EXPECT_EQ(f.typeAt(4, 10), SMELTER);
        expectMapReadsBack(f.game);
        f.expectOneUndoRestores(before);
    }
}

TEST(MapPointer, TheRightButtonMovesAControlThatStillStandsAtTheRelease)
{
    PointerFixture f;
    f.state.selectedTool = TOOL_SMELTER;
    f.clickTile(6, 6);
    ASSERT_EQ(f.typeAt(6, 6), SMELTER);
    const std::string placed = f.mapText();

    f.pressTile(6, 6, SDL_BUTTON_RIGHT);
    EXPECT_TRUE(f.state.moveDrag.active);
    f.dragTo(9, 7, SDL_BUTTON_RMASK);
    f.releaseTile(9, 7, SDL_BUTTON_RIGHT);
    EXPECT_EQ(f.typeAt(6, 6), EMPTY);
    EXPECT_EQ(f.typeAt(9, 7), SMELTER);
    EXPECT_FALSE(f.state.moveDrag.active);
    ASSERT_EQ(f.undoHistory.size(), 2u);
    ASSERT_TRUE(f.undoHistory.undo(f.game));
    EXPECT_EQ(f.mapText(), placed);

    // Undone while carried: the smelter is gone, so the release moves nothing and records nothing.
    f.pressTile(6, 6, SDL_BUTTON_RIGHT);
    ASSERT_TRUE(f.state.moveDrag.active);
    ASSERT_TRUE(f.undoHistory.undo(f.game));
    const std::string undone = f.mapText();
    f.dragTo(12, 12, SDL_BUTTON_RMASK);
    f.releaseTile(12, 12, SDL_BUTTON_RIGHT);
    EXPECT_EQ(f.mapText(), undone);
    EXPECT_TRUE(f.undoHistory.empty());
    expectMapReadsBack(f.game);
}

TEST(MapPointer, CtrlFramesSelectAndTheMiddleButtonPans)
{
    PointerFixture f;
    build(f.game, SMELTER, 3, 3);
    build(f.game, OVEN, 5, 4);
    f.pressTile(2, 2, SDL_BUTTON_LEFT, DEMO_CTRL_MARK);
    f.dragTo(6, 6);
    f.releaseTile(6, 6, SDL_BUTTON_LEFT, DEMO_CTRL_MARK);
    EXPECT_EQ(f.selection.entries.size(), 2u);
    EXPECT_FALSE(f.state.ctrlRect.active);

    f.button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 300, 300);
    f.motion(250, 280, SDL_BUTTON_MMASK, -50, -20);
    EXPECT_EQ(f.state.camera.scrollX, 50);
    EXPECT_EQ(f.state.camera.scrollY, 20);
    f.button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 250, 280);
    f.motion(200, 200, 0, -50, -80);
    EXPECT_EQ(f.state.camera.scrollX, 50) << "the pan ended at the release";
    EXPECT_TRUE(f.undoHistory.empty());
}

TEST(MapPointer, TheWheelZoomsAboutThePointer)
{
    PointerFixture f;
    f.state.camera = {10, 10, 2};
    f.wheel(+1, 101, 57);
    EXPECT_EQ(f.state.camera.zoomIndex, 3);
    EXPECT_EQ(f.state.camera.scrollX, 37);
    EXPECT_EQ(f.state.camera.scrollY, 26);
    f.wheel(-1, 101, 57);
    EXPECT_EQ(f.state.camera.zoomIndex, 2);
    EXPECT_EQ(f.state.camera.scrollX, 9);
    EXPECT_EQ(f.state.camera.scrollY, 9);

    f.state.camera = {200, 100, 6};
    f.wheel(+1, 101, 57);
    EXPECT_EQ(f.state.camera.zoomIndex, 6);
    EXPECT_EQ(f.state.camera.scrollX, 200);
    EXPECT_EQ(f.state.camera.scrollY, 100);

    // Over the tool panel, the minimap or the side panel the wheel leaves the camera.
    for (const TilePoint pointer :
         {TilePoint{f.state.toolPanelX + 20, f.state.toolPanelY + 40},
          TilePoint{f.state.viewWidth - 30, f.state.viewHeight - 30}, TilePoint{f.state.viewWidth + 30, 300}}) {
        f.wheel(-1, pointer.x, pointer.y);
        EXPECT_EQ(f.state.camera.zoomIndex, 6);
    }
    f.state.machineOverviewVisible = true;
    f.state.machineOverviewScroll = 2;
    f.wheel(+5, f.state.viewWidth + 30, 300);
    EXPECT_EQ(f.state.machineOverviewScroll, 0);
    f.wheel(-3, f.state.viewWidth + 30, 300);
    EXPECT_EQ(f.state.machineOverviewScroll, 3);
    // The power overview, when shown, is the one that scrolls; over the map the wheel zooms.
    f.state.powerOverviewVisible = true;
    f.wheel(-4, f.state.viewWidth + 5, 300);
    EXPECT_EQ(f.state.powerOverviewScroll, 4);
    EXPECT_EQ(f.state.machineOverviewScroll, 3);
    f.wheel(-4, 300, 300);
    EXPECT_EQ(f.state.powerOverviewScroll, 4);
    EXPECT_EQ(f.state.camera.zoomIndex, 5);
}

TEST(MapPointer, SwitchesFlipAtTheReleaseAndButtonsLetGoOffTheirTile)
{
    PointerFixture f;
    setTile(f.game, 4, 4, LOGIC_SWITCH);
    setTile(f.game, 8, 4, LOGIC_BUTTON);
    f.game.updateNetworks(0.0f);
    f.state.selectedTool = TOOL_BELT;

    f.pressTile(4, 4);
    EXPECT_FALSE(f.game.tileAt(4, 4).switchOn) << "a press on a switch may still become a wire drag";
    f.releaseTile(4, 4);
    EXPECT_TRUE(f.game.tileAt(4, 4).switchOn);
    EXPECT_EQ(f.undoHistory.size(), 1u);

    f.pressTile(8, 4);
    EXPECT_TRUE(f.game.tileAt(8, 4).buttonPressed);
    f.dragTo(8, 4);
    EXPECT_TRUE(f.game.tileAt(8, 4).buttonPressed) << "held while the pointer stays on it";
    f.dragTo(9, 4);
    EXPECT_FALSE(f.game.tileAt(8, 4).buttonPressed);
    f.releaseTile(9, 4);
    EXPECT_EQ(f.typeAt(9, 4), EMPTY) << "neither a belt nor a wire";
    EXPECT_EQ(f.undoHistory.size(), 1u);
    expectMapReadsBack(f.game);
}

TEST(MapPointer, LeftDragsLayWiresAndRightDragsMoveTheirEnds)
{
    PointerFixture f;
    setTile(f.game, 4, 4, LOGIC_SWITCH);
    setTile(f.game, 8, 4, SIGNAL_LAMP);
    setTile(f.game, 8, 8, SIGNAL_LAMP);
    f.game.updateNetworks(0.0f);
    f.state.selectedTool = TOOL_SELECT;
    const std::string before = f.mapText();

    f.pressTile(4, 4);
    f.dragTo(6, 4);
    f.dragTo(8, 4);
    f.releaseTile(8, 4);
    ASSERT_EQ(f.game.signalControlLinks.size(), 1u);
    EXPECT_EQ(f.game.signalControlLinks[0].x1, 8);
    EXPECT_FALSE(f.game.tileAt(4, 4).switchOn) << "a drag does not flip the switch";
    ASSERT_EQ(f.undoHistory.size(), 1u);

    // The wire's end near the lamp moves to the other lamp.
    f.pressTile(7, 4, SDL_BUTTON_RIGHT);
    ASSERT_TRUE(f.state.interaction.linkEndDrag.active());
    f.dragTo(8, 8, SDL_BUTTON_RMASK);
    f.releaseTile(8, 8, SDL_BUTTON_RIGHT);
    ASSERT_EQ(f.game.signalControlLinks.size(), 1u);
    EXPECT_EQ(f.game.signalControlLinks[0].y1, 8);
    EXPECT_FALSE(f.state.interaction.linkEndDrag.active());
    EXPECT_EQ(f.undoHistory.size(), 2u);
    expectMapReadsBack(f.game);
    ASSERT_TRUE(f.undoHistory.undo(f.game));
    ASSERT_TRUE(f.undoHistory.undo(f.game));
    EXPECT_EQ(f.mapText(), before);
}

TEST(MapPointer, CopyDragsFillTheClipboardAndPastesNeedFreeGround)
{
    PointerFixture f;
    build(f.game, SMELTER, 3, 3);
    layBelt(f.game, 4, 3, EAST);
    f.state.clipboard.copying = true;
    f.pressTile(3, 3);
    f.dragTo(4, 3);
    f.releaseTile(4, 3);
    EXPECT_TRUE(f.state.clipboard.pasting);
    EXPECT_EQ(f.state.copyMessage, "KOPIERT. LINKSKLICK EINFUEGEN. ESC BEENDET");
    EXPECT_EQ(f.typeAt(3, 3), SMELTER) << "the copy press selects nothing and builds nothing";

    const std::string before = f.mapText();
    f.clickTile(4, 3);
    EXPECT_EQ(f.state.copyMessage, "BEREICH IST NICHT FREI");
    EXPECT_EQ(f.mapText(), before);
    EXPECT_TRUE(f.state.clipboard.pasting) << "the paste mode stays on";

    f.clickTile(3, 8);
    EXPECT_EQ(f.state.copyMessage, "VORLAGE EINGEFUEGT");
    EXPECT_EQ(f.typeAt(3, 8), SMELTER);
    EXPECT_EQ(f.typeAt(4, 8), BELT);
    expectMapReadsBack(f.game);
    f.expectOneUndoRestores(before);
}

TEST(MapPointer, ANumberEntryTakesThePressesWhileOpen)
{
    PointerFixture f;
    build(f.game, LOGIC_COUNTER, 6, 6);
    f.state.selectedTool = TOOL_SOURCE;
    f.clickTile(6, 6);
    ASSERT_TRUE(f.state.interaction.selection.selected());
    const int right = f.state.viewWidth + SIDE_PANEL_WIDTH;
    const int row = SIDE_PANEL_TOP_BAR_HEIGHT + 140;
    struct Case {
        const char* name;
        Uint8 which;
        int x;
        int y;
        bool open;  // the entry is still open after the press
        int limit;  // the counter's target after the press
        const char* typed = "";
    };
    const int start = f.game.tileAt(6, 6).limit;
    const std::vector<Case> cases = {
        {"the middle button does nothing", SDL_BUTTON_MIDDLE, 100, 100, true, start},
        {"the entry field does nothing", SDL_BUTTON_LEFT, right - 100, row, true, start},
        {"a press on the map cancels and builds nothing", SDL_BUTTON_LEFT, f.tileX(2), f.tileY(2), false, start},
        {"the right button cancels", SDL_BUTTON_RIGHT, 100, 100, false, start},
        {"OK keeps 0, which is no target, open", SDL_BUTTON_LEFT, right - 60, row, true, start, "0"},
        {"OK commits", SDL_BUTTON_LEFT, right - 60, row, false, 42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        beginNumberEntry(f.state.numberEntry, 42);
        typeIntoNumberEntry(f.state.numberEntry, c.typed);
        f.button(SDL_MOUSEBUTTONDOWN, c.which, c.x, c.y);
        f.button(SDL_MOUSEBUTTONUP, c.which, c.x, c.y);
        EXPECT_EQ(f.state.numberEntry.active, c.open);
        EXPECT_EQ(f.game.tileAt(6, 6).limit, c.limit);
        EXPECT_EQ(f.typeAt(2, 2), EMPTY);
    }
    EXPECT_EQ(f.undoHistory.size(), 1u);
    expectMapReadsBack(f.game);
}
