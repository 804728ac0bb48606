// The map view as a player sees it: whole frames drawn by the software
// renderer, with cargo and arm sprites of one plain colour each (the frame
// fixture's), so a probe tells which layer lies on top.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

#include "app/frame_canvas.h"
#include "app/map_view.h"
#include "app/render_phase.h"
#include "app/tile_marks.h"
#include "render/bitmap_font.h"
#include "render/no_power_bolt.h"
#include "render/water_pipe_sprite.h"
#include "support/software_canvas.h"
#include "support/world_builders.h"
#include "ui/hud_layout.h"
#include "ui/menu_overlay.h"
#include "ui/status_tip.h"
#include "world/language.h"
#include "world/tile_warning.h"

namespace {

const Rgba BACKDROP{BACKDROP_RGB[0], BACKDROP_RGB[1], BACKDROP_RGB[2], 255};

// Pixels inside the area that are not the backdrop, leaving out one rectangle.
int paintedPixels(SoftwareCanvas& canvas, const SDL_Rect& area, const SDL_Rect& spared = {})
{
    const std::vector<Rgba> pixels = canvas.pixels();
    int painted = 0;
    for (int y = area.y; y < area.y + area.h; ++y) {
        for (int x = area.x; x < area.x + area.w; ++x) {
            const SDL_Point p{x, y};
            const Rgba& pixel = pixels[static_cast<std::size_t>(y * canvas.width() + x)];
            if (!SDL_PointInRect(&p, &spared) && pixel != BACKDROP) ++painted;
        }
    }
    return painted;
}

const CargoTextures NO_CARGO{};
const ArmTextures NO_ARMS;

// The map view over the whole canvas at 32 px, without sprites.
MapView viewOn(SoftwareCanvas& canvas, const Game& game, const FrameFacts& facts, float time)
{
    return {.renderer = canvas.renderer(),
            .game = game,
            .facts = facts,
            .cargoTextures = NO_CARGO,
            .armTextures = NO_ARMS,
            .camera = Camera{},
            .viewWidth = canvas.width(),
            .viewHeight = canvas.height(),
            .time = time};
}

// Belts full of items, long arms holding items past their tile, a bridge, a
// power cable, a measure wire and a full storage, around columns 14 and 78.
Game edgeWorld()
{
    Game game = emptyGame();
    for (int x = 10; x < GRID_WIDTH; ++x) {
        layBelt(game, x, 5, EAST);
        itemAtPosition(game, static_cast<float>(x), 5.0f, EAST);
    }
    for (const int x : {14, 78}) {
        setTile(game, x, 8, LONG_ARM, EAST);
        CargoItem& held = itemAtPosition(game, static_cast<float>(x + 2), 8.0f, EAST);
        held.x = x;
        held.carried = true;
        held.holdState = HOLD_SWINGING;
        layBelt(game, x, 12, EAST);
        buildBridgeEast(game, x, 12);
        Tile& storage = setTile(game, x, 20, STORAGE);
        for (int unit = 0; unit < 120; ++unit)
            storage.storageCargo.push_back(LOG);
    }
    build(game, POWER_POLE, 12, 15);
    build(game, POWER_POLE, 19, 15);
    build(game, POWER_POLE, 76, 15);
    build(game, POWER_POLE, 79, 15);
    game.powerLinks = {{12, 15, 19, 15}, {76, 15, 79, 15}};
    setTile(game, 13, 18, SENSOR, EAST).sensorWatchItems = true;
    build(game, SINK, 18, 18);
    game.signalMeasureLinks = {{13, 18, 18, 18}};
    game.updateNetworks(0.0f);
    return game;
}

}  // namespace

TEST(RenderPhase, NothingOfTheMapReachesPastTheViewport)
{
    struct Case {
        const char* what;
        int width;
        int height;
        int zoomIndex;
    };
    const Case cases[] = {
        {"smallest zoom on a large window: the whole map and room beside it", 2560, 1440, 0},
        {"largest zoom: the view cuts through the map", 1280, 800, 6},
    };
    for (const Case& c : cases) {
        Game game = edgeWorld();
        Frame frame(c.width, c.height, c.zoomIndex);
        SoftwareCanvas& canvas = frame.draw(game);
        const int viewWidth = frame.state.viewWidth;
        const int mapWidth = GRID_WIDTH * ZOOM_TILE_SIZES[c.zoomIndex];
        EXPECT_EQ(paintedPixels(canvas, {viewWidth, 0, c.width - viewWidth, c.height}), 0) << c.what;
        EXPECT_GT(paintedPixels(canvas, {0, 0, std::min(viewWidth, mapWidth), c.height}), 0) << c.what;
        if (mapWidth + 80 < viewWidth) {
            // Beyond the map's edge and whatever hangs over it, only the minimap
            // is drawn, with the frame of a view wider than the map.
            const ScreenRect m = minimapRect(viewWidth, frame.state.viewHeight);
            const SDL_Rect beyond{mapWidth + 80, 0, viewWidth - mapWidth - 80, c.height};
            EXPECT_EQ(paintedPixels(canvas, beyond, {m.left, m.top, viewWidth - m.left, m.height}), 0) << c.what;
            EXPECT_EQ(canvas.pixel(mapWidth + 200, 200), BACKDROP) << c.what;
        }
    }
}

TEST(RenderPhase, AFrameCoversEveryPixelOfTheWindowWhateverLayThere)
{
    // Every kind of control, two rows of them, at the map's far corner too:
    // the map's tiles leave nothing of the last frame, and the backdrop the rest.
    Game game = emptyGame();
    for (int type = 1; type < CONTROL_TYPE_COUNT; ++type) {
        setTile(game, type, 3, static_cast<ControlType>(type), EAST);
        setTile(game, GRID_WIDTH - type, GRID_HEIGHT - 1, static_cast<ControlType>(type), SOUTH);
    }
    struct Case {
        int width;
        int height;
        int zoomIndex;
        bool farCorner;
    };
    const Case cases[] = {{2560, 1440, 0, false}, {1280, 800, 2, false}, {1280, 800, 6, true}, {900, 700, 3, true}};
    const Rgba stale{1, 2, 3, 255};
    for (const Case& c : cases) {
        Frame frame(c.width, c.height, c.zoomIndex);
        if (c.farCorner) {
            const int t = ZOOM_TILE_SIZES[c.zoomIndex];
            frame.state.camera.scrollX = GRID_WIDTH * t - frame.state.viewWidth;
            frame.state.camera.scrollY = GRID_HEIGHT * t - frame.state.viewHeight;
        }
        frame.draw(game).clear(stale);
        EXPECT_EQ(frame.draw(game).countPixels(stale), 0) << c.width << " x " << c.height << " at zoom " << c.zoomIndex;
    }
}

TEST(WarningBadge, SizePlaceLetterAndColourByWarning)
{
    const Rgba RED{211, 67, 67, 245};
    const Rgba AMBER{230, 164, 62, 245};
    const Rgba LETTER{255, 250, 235, 255};
    struct Case {
        unsigned warnings;
        Rgba fill;
        char letter;
    };
    const Case cases[] = {
        {STORAGE_FULL | COAL_MISSING, RED, 'F'},
        {COAL_MISSING, AMBER, 'K'},
        {COAL_MISSING | OUTPUT_BLOCKED, RED, 'K'},
        {OUTPUT_BLOCKED | INPUT_RESTRICTED, RED, 'A'},
        {INPUT_RESTRICTED, AMBER, 'X'},
    };
    for (const int t : {32, 64}) {
        const int s = t == 64 ? 21 : 10;
        EXPECT_EQ(warningBadgeSize(t), s);
        for (const Case& c : cases) {
            SoftwareCanvas canvas(t, t);
            drawWarningBadge(canvas.renderer(), c.warnings, {0, 0, t, t});
            const SDL_Rect badge{t - s - 1, 1, s, s};
            EXPECT_EQ(canvas.boundsOf(c.fill), badge) << t << " px, " << c.letter;
            const int left = badge.x + (s - GLYPH_WIDTH) / 2, top = badge.y + 2;
            int wrong = 0;
            for (int row = 0; row < GLYPH_HEIGHT; ++row) {
                for (int column = 0; column < GLYPH_WIDTH; ++column) {
                    const bool lit = canvas.pixel(left + column, top + row) == LETTER;
                    wrong += lit != glyphPixelLit(static_cast<unsigned char>(c.letter), column, row) ? 1 : 0;
                }
            }
            EXPECT_EQ(wrong, 0) << t << " px, letter " << c.letter;
        }
    }
    // The badges of a frame come from the world's warnings: a full storage shows one.
    Game game = edgeWorld();
    Frame frame(1280, 800, 2);
    EXPECT_EQ(frame.draw(game).pixel(14 * 32 + 32 - 10 - 1, 20 * 32 + 1), RED);
}

TEST(SensorHead, SizeAndAimByZoomAndDirection)
{
    const Rgba BODY_RIM{17, 29, 41, 255};
    const Rgba LENS_RIM{10, 24, 35, 255};
    struct Case {
        int t;
        int target;
        Direction facing;
        SDL_Rect body;
        SDL_Rect lensRim;
    };
    // At 24 px the centre is (12, 12), the set-back 1 and the lens 6.
    const Case cases[] = {
        {24, 2, NONE, {4, 7, 15, 10}, {17, 8, 8, 8}},
        {24, -1, NONE, {4, 7, 15, 10}, {17, 8, 8, 8}},     // no direction: east
        {24, -1, WEST, {6, 7, 15, 10}, {-1, 8, 8, 8}},     // follows its facing
        {24, 4, EAST, {7, 4, 10, 15}, {8, 17, 8, 8}},      // the stored target wins
        {64, 2, NONE, {8, 18, 40, 28}, {47, 23, 18, 18}},  // 64 px: set-back 4, lens 16
    };
    for (const Case& c : cases) {
        SoftwareCanvas canvas(c.t + 8, c.t + 8);
        Tile sensor;
        sensor.type = SENSOR;
        sensor.dir = c.facing;
        sensor.sensorTargetIndex = c.target;
        drawSensorHead(canvas.renderer(), sensor, {0, 0, c.t, c.t});
        EXPECT_EQ(canvas.boundsOf(BODY_RIM), c.body) << c.t << " px, target " << c.target << ", facing " << c.facing;
        SDL_Rect lens = c.lensRim;
        if (lens.x < 0) {
            // The canvas starts at the tile's corner: a lens out west is cut there.
            lens.w += lens.x;
            lens.x = 0;
        }
        EXPECT_EQ(canvas.boundsOf(LENS_RIM), lens) << c.t << " px, target " << c.target;
    }
}

TEST(StatusMarks, BoltsForUnpoweredControlsAndTheMoldersWaterGauge)
{
    const float time = 0.3f;
    struct Case {
        const char* what;
        ControlType type;
        bool powered;
        bool bolt;
    };
    const Case cases[] = {
        {"arm without power", ARM, false, true},
        {"arm with power", ARM, true, false},
        {"distributor's second tile", DISTRIBUTOR_SECOND, false, false},
        {"AND gate without 5V", LOGIC_AND, false, true},
        {"5V supply without 5V", POWER_SUPPLY, false, true},
        {"ejector", EJECTOR, false, false},
    };
    for (const Case& c : cases) {
        Game game = emptyGame();
        Tile& tile = setTile(game, 0, 0, c.type, EAST);
        tile.powerConnected = tile.powerSupplied = tile.dcSupplied = c.powered;
        const FrameFacts facts(game);
        SoftwareCanvas marks(32, 32), expected(32, 32);
        const MapView map = viewOn(marks, game, facts, time);
        map.drawStatusMarks();
        if (c.bolt) drawNoPowerBolt(expected.renderer(), 0, 0, 32, 32, time);
        EXPECT_TRUE(marks.pixels() == expected.pixels()) << c.what;
    }

    // A molder without water shows a red gauge; one fed by a pipe a blue one.
    Game game = emptyGame();
    setTile(game, 2, 0, INJECTION_MOLDER, EAST);
    const auto gaugeLevel = [&game] {
        const FrameFacts facts(game);
        SoftwareCanvas canvas(128, 32);
        const MapView map = viewOn(canvas, game, facts, 0.0f);
        map.drawStatusMarks();
        return canvas.pixel(2 * 32 + 24, 4);
    };
    EXPECT_EQ(gaugeLevel(), (Rgba{115, 57, 55, 255}));
    setTile(game, 0, 0, WATER_SOURCE);
    setTile(game, 1, 0, WATER_PIPE);
    EXPECT_EQ(gaugeLevel(), (Rgba{34, 112, 225, 255}));
}

TEST(WaterPipes, WaterFlowsFromTheSourceTowardTheMolder)
{
    Game game = emptyGame();
    setTile(game, 2, 2, WATER_SOURCE);
    setTile(game, 3, 2, WATER_PIPE);
    setTile(game, 4, 2, WATER_PIPE);
    setTile(game, 4, 3, WATER_PIPE);  // a branch that carries water on to nowhere
    setTile(game, 5, 2, INJECTION_MOLDER, EAST);
    const FrameFacts facts(game);
    SoftwareCanvas drawn(256, 160), expected(256, 160);
    const MapView map = viewOn(drawn, game, facts, 0.4f);
    map.drawWaterPipes();
    const int WE = PIPE_WEST | PIPE_EAST;
    drawWaterPipe(expected.renderer(), 96, 64, 32, 32, WE, PIPE_WEST, PIPE_EAST, 0.4f, 0);
    drawWaterPipe(expected.renderer(), 128, 64, 32, 32, WE | PIPE_SOUTH, PIPE_WEST, PIPE_EAST | PIPE_SOUTH, 0.4f, 1);
    drawWaterPipe(expected.renderer(), 128, 96, 32, 32, PIPE_NORTH, PIPE_NORTH, 0, 0.4f, 2);
    EXPECT_TRUE(drawn.pixels() == expected.pixels());
}

TEST(ItemLayers, DeckItemsOverBridgesAndHeldItemsOverTheHand)
{
    Game game = emptyGame();
    layBeltRun(game, 2, 4, EAST, 3);
    layBelt(game, 6, 4, SOUTH);
    buildBridgeEast(game, 6, 4);
    itemAtPosition(game, 6.0f, 4.0f, EAST);                     // on the deck
    itemAtPosition(game, 6.0f, 4.0f, SOUTH, COAL);              // on the belt under it
    CargoItem& held = itemAtPosition(game, 10.0f, 4.0f, EAST);  // in the hand of the arm on (9, 4)
    setTile(game, 9, 4, ARM, EAST);
    held.x = 9;
    held.carried = true;
    held.holdState = HOLD_GRIPPING;
    game.updateNetworks(0.0f);

    Frame frame(1280, 800, 2);
    frame.state.toolPanelX = 600;  // dragged aside, off the probed tiles
    frame.state.toolPanelY = 400;
    SoftwareCanvas& canvas = frame.draw(game);
    // The deck lifts its item 6 pixels at 32 px; the item stands on the bridge.
    EXPECT_EQ(canvas.pixel(6 * 32 + 16, 4 * 32 + 10), CARGO_COLOUR) << "item on the deck";
    EXPECT_EQ(canvas.pixel(10 * 32 + 16, 4 * 32 + 16), CARGO_COLOUR) << "held item over the hand";
    EXPECT_EQ(canvas.pixel(9 * 32 + 16, 4 * 32 + 16), ARM_COLOURS[ARM_BASE_HORIZONTAL]);

    // Without its item on top, the gripping hand shows closed; an empty one open.
    held.posX = 9.0f;
    EXPECT_EQ(frame.draw(game).pixel(10 * 32 + 16, 4 * 32 + 16), ARM_COLOURS[ARM_HAND_CLOSED]);
    game.items.pop_back();
    EXPECT_EQ(frame.draw(game).pixel(10 * 32 + 16, 4 * 32 + 16), ARM_COLOURS[ARM_HAND_OPEN]);
}

TEST(RenderPhase, TheLastLayersFollowWhatTheShellHasOpen)
{
    Game game = emptyGame();
    Tile& smelter = build(game, SMELTER, 12, 9);
    smelter.smelterInputCargo.push_back(IRON_ORE);
    smelter.smelterCoal = 4;
    const SDL_Point overSmelter{12 * 32 + 10, 9 * 32 + 10};
    SaveMenu menu;
    Frame frame(1280, 800, 2);
    frame.state.paused = true;
    // What the pointer at a point changes of the frame: the tip beside it, or nothing.
    const auto changedBy = [&](SDL_Point pointer) {
        const std::vector<Rgba> without = frame.draw(game, menu, SDL_Point{-1, -1}).pixels();
        const std::vector<Rgba> with = frame.draw(game, menu, pointer).pixels();
        return SoftwareCanvas::markedBounds(1280, 800, [&](int x, int y) {
            return with[static_cast<std::size_t>(y * 1280 + x)] != without[static_cast<std::size_t>(y * 1280 + x)];
        });
    };
    const ScreenRect tip = statusTipAt("SCHMILZT", true, overSmelter.x, overSmelter.y, 960, 800)->box;
    EXPECT_EQ(changedBy(overSmelter), (SDL_Rect{tip.left, tip.top, tip.width, tip.height}));
    EXPECT_EQ(changedBy({5 * 32, 20 * 32}), (SDL_Rect{0, 0, 0, 0})) << "empty tile";

    // An open menu over the dimmed window, under the bottom bar, and no tip.
    menu.openMainMenu();
    EXPECT_EQ(changedBy(overSmelter), (SDL_Rect{0, 0, 0, 0}));
    SoftwareCanvas& withMenu = frame.draw(game, menu, overSmelter);
    SoftwareCanvas menuAlone(1280, 800);
    drawMenuOverlay(menuAlone.renderer(), 1280, 800, menu);
    const ScreenRect dialog = dialogRect(1280, 800);
    EXPECT_EQ(withMenu.pixel(dialog.left + 40, dialog.top + 30), menuAlone.pixel(dialog.left + 40, dialog.top + 30));
    const ScreenRect bar = bottomBarRect(960, 800);
    EXPECT_NE(withMenu.pixel(bar.left + 2, bar.top + 2), menuAlone.pixel(bar.left + 2, bar.top + 2));

    // The language pop-up over the bar: the row of the language in use lit.
    menu.state = MenuState::Closed;
    frame.state.languagePopupOpen = true;
    const ScreenRect row = languagePopupRowRect(960, 800, language());
    EXPECT_EQ(frame.draw(game).pixel(row.left, row.top), (Rgba{111, 215, 115, 255}));
}

TEST(MapView, TheSelectedControlsWiresShowLightenedOverTheControlsTheyCross)
{
    // A switch wire from (12, 14) to a lamp on (16, 14) runs over an AND gate on (14, 14).
    Game game = emptyGame();
    setTile(game, 12, 14, LOGIC_SWITCH);
    setTile(game, 14, 14, LOGIC_AND);
    setTile(game, 16, 14, SIGNAL_LAMP);
    game.signalControlLinks = {{12, 14, 16, 14, 0, 0}};
    const Rgba lit{147, 179, 154, 255};  // the dark switch wire's green halfway to white
    Frame frame(1280, 800, 2);
    frame.state.toolPanelX = 600;
    frame.state.toolPanelY = 100;
    const int gateCentre = 14 * 32 + 16;

    frame.state.interaction.selection = {{12, 14, LOGIC_SWITCH}, InspectorPanel::INFORMATION};
    SoftwareCanvas& selected = frame.draw(game);
    const SDL_Rect wire = selected.boundsOf(lit);
    EXPECT_LT(wire.x, 14 * 32);
    EXPECT_GT(wire.x + wire.w, 15 * 32);
    EXPECT_EQ(selected.pixel(gateCentre, wire.y + 1), lit) << "whole over the gate";

    frame.state.interaction.selection = {};
    EXPECT_NE(frame.draw(game).pixel(gateCentre, wire.y + 1), lit) << "under the gate";
}
