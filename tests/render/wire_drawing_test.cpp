#include <gtest/gtest.h>

#include "render/wire_drawing.h"
#include "support/software_canvas.h"
#include "support/world_builders.h"

namespace {

constexpr Rgba OUTLINE{17, 22, 27, 255};
constexpr Rgba BLACK{0, 0, 0, 255};
constexpr Rgba GREEN{83, 226, 101, 255};

const PackedColor GREEN_PACKED = packColor(GREEN.r, GREEN.g, GREEN.b);

// A sensor on (2, 2) measuring a sink on (6, 2): a straight wire along y = 80, x 80 .. 208.
Game measuredSink()
{
    Game game = emptyGame();
    setTile(game, 2, 2, SENSOR, EAST);
    setTile(game, 6, 2, SINK);
    game.signalMeasureLinks.push_back({2, 2, 6, 2, 0, 0});
    return game;
}

}  // namespace

TEST(WireDrawing, RoutesAreTwoPixelsWideInAnOutlineWithPinsAtTheEnds)
{
    SoftwareCanvas canvas(80, 80);
    const Route route{{10, 20}, {30, 20}, {30, 50}};
    drawLinkRoute(canvas.renderer(), {10, 20}, {30, 50}, GREEN_PACKED, 32, &route, false);
    EXPECT_EQ(canvas.pixel(20, 20), GREEN);
    EXPECT_EQ(canvas.pixel(20, 21), GREEN);
    EXPECT_EQ(canvas.pixel(20, 19), OUTLINE);
    EXPECT_EQ(canvas.pixel(20, 22), OUTLINE);
    EXPECT_EQ(canvas.pixel(31, 40), GREEN) << "steep segments widen sideways";
    EXPECT_EQ(canvas.pixel(29, 20), GREEN) << "the corner keeps its line: outlines go first";
    EXPECT_EQ(canvas.pixel(29, 21), GREEN);
    // Pins: a dark square round a ring of the wire's colour.
    EXPECT_EQ(canvas.pixel(10, 20), OUTLINE);
    EXPECT_EQ(canvas.pixel(9, 19), GREEN);
    EXPECT_EQ(canvas.pixel(8, 22), OUTLINE);
    EXPECT_EQ(canvas.pixel(31, 51), GREEN);
    EXPECT_EQ(canvas.paintedBounds(), (SDL_Rect{8, 18, 25, 35}));

    canvas.clear(BLACK);
    drawLinkRoute(canvas.renderer(), {10, 20}, {30, 50}, GREEN_PACKED, 32, &route, true);
    EXPECT_EQ(canvas.pixel(20, 20), BLACK) << "markers only";
    EXPECT_EQ(canvas.pixel(9, 19), GREEN);
    EXPECT_EQ(canvas.pixel(31, 51), GREEN);
}

TEST(WireDrawing, RoutesCoverThePixelsOfTheirTwoLinesAtEveryOffsetDrawnOneByOne)
{
    // Level, upright, slanted and empty segments, some cut by the clip.
    const Route routes[] = {{{10, 20}, {30, 20}, {30, 50}, {30, 50}},
                            {{70, 5}, {40, 5}, {40, 44}, {5, 70}},
                            {{3, 75}, {60, 60}, {60, 2}, {78, 2}}};
    const SDL_Rect clip{2, 3, 75, 70};
    for (const Route& route : routes) {
        SoftwareCanvas drawn(80, 80), byLine(80, 80);
        SDL_RenderSetClipRect(drawn.renderer(), &clip);
        SDL_RenderSetClipRect(byLine.renderer(), &clip);
        drawLinkRoute(drawn.renderer(), route.front(), route.back(), GREEN_PACKED, 32, &route, false);
        SDL_Renderer* r = byLine.renderer();
        const auto twoLines = [&](int spread) {
            for (std::size_t i = 1; i < route.size(); ++i) {
                const ScreenPoint p = route[i - 1], q = route[i];
                const bool steep = std::abs(q.y - p.y) > std::abs(q.x - p.x);
                for (int oy = -spread; oy <= spread; ++oy) {
                    for (int ox = -spread; ox <= spread; ++ox) {
                        SDL_RenderDrawLine(r, p.x + ox, p.y + oy, q.x + ox, q.y + oy);
                        SDL_RenderDrawLine(r, p.x + ox + (steep ? 1 : 0), p.y + oy + (steep ? 0 : 1),
                                           q.x + ox + (steep ? 1 : 0), q.y + oy + (steep ? 0 : 1));
                    }
                }
            }
        };
        SDL_SetRenderDrawColor(r, OUTLINE.r, OUTLINE.g, OUTLINE.b, 255);
        twoLines(1);
        SDL_SetRenderDrawColor(r, GREEN.r, GREEN.g, GREEN.b, 255);
        twoLines(0);
        for (const ScreenPoint pin : {route.front(), route.back()}) {
            SDL_SetRenderDrawColor(r, OUTLINE.r, OUTLINE.g, OUTLINE.b, 255);
            const SDL_Rect rim{pin.x - 2, pin.y - 2, 5, 5}, ring{pin.x - 1, pin.y - 1, 3, 3};
            SDL_RenderFillRect(r, &rim);
            SDL_SetRenderDrawColor(r, GREEN.r, GREEN.g, GREEN.b, 255);
            SDL_RenderDrawRect(r, &ring);
        }
        EXPECT_EQ(drawn.pixels(), byLine.pixels())
            << "route from (" << route.front().x << ", " << route.front().y << ")";
    }
}

TEST(WireDrawing, PassesDrawWiresUnderControlsAndPinsAndSelectedWiresOverThem)
{
    const Game game = measuredSink();
    SoftwareCanvas canvas(240, 120);
    const Rgba darkYellow{191, 158, 47, 255};
    const Rgba lightYellow{255, 233, 159, 255};
    struct Case {
        int pass;
        int selectedX;
        Rgba middle;  // on the wire, away from its pins
        Rgba pin;     // on the start pin's ring
    };
    const Case cases[] = {
        {WIRES_UNDER_CONTROLS, -1, darkYellow, darkYellow},
        {WIRES_OVER_CONTROLS, -1, BLACK, darkYellow},
        {WIRES_UNDER_CONTROLS, 6, BLACK, BLACK},
        {WIRES_OVER_CONTROLS, 6, lightYellow, lightYellow},
    };
    for (const Case& c : cases) {
        canvas.clear(BLACK);
        const WireDrawing wires{canvas.renderer(), game, {0, 0, 32}, c.selectedX, 2};
        wires.drawLinks(c.pass);
        EXPECT_EQ(canvas.pixel(150, 80), c.middle) << "pass " << c.pass << ", selected " << c.selectedX;
        EXPECT_EQ(canvas.pixel(79, 79), c.pin) << "pass " << c.pass << ", selected " << c.selectedX;
    }
}

TEST(WireDrawing, SwitchWiresShowTheirSourceOrTheMachineTheySwitch)
{
    Game game = emptyGame();
    Tile& stepper = setTile(game, 1, 1, LOGIC_STEPPER);
    setTile(game, 4, 1, LOGIC_NOT);
    Tile& sensor = setTile(game, 1, 3, SENSOR, EAST);
    Tile& ejector = setTile(game, 4, 3, EJECTOR, NORTH);
    Tile& arm = setTile(game, 5, 3, ARM, EAST);
    Tile& source = setTile(game, 6, 3, SOURCE, EAST);
    setTile(game, 7, 3, SIGNAL_LAMP);
    const Link stepTwo{1, 1, 4, 1, 0, 2};
    const Link toEjector{1, 3, 4, 3, 0, 0};
    const Link toArm{1, 3, 5, 3, 0, 0};
    const Link toSource{1, 3, 6, 3, 0, 0};
    const Link toLamp{1, 3, 7, 3, 0, 0};

    stepper.signalOut = true;
    stepper.stepperIndex = 1;
    EXPECT_FALSE(switchWireLit(game, stepTwo)) << "the stepper stands on another step";
    stepper.stepperIndex = 2;
    EXPECT_TRUE(switchWireLit(game, stepTwo));
    stepper.signalOut = false;
    EXPECT_FALSE(switchWireLit(game, stepTwo));

    // A sensor without its camera shows what the machines do.
    ejector.ejectorActive = true;
    sensor.signalOut = true;
    EXPECT_TRUE(switchWireLit(game, toEjector));
    EXPECT_FALSE(switchWireLit(game, toArm)) << "no job waiting";
    arm.armPendingJobs = 1;
    EXPECT_TRUE(switchWireLit(game, toArm));
    arm.armContinuous = true;
    EXPECT_FALSE(switchWireLit(game, toArm)) << "a continuous arm shows its signal";
    arm.armSignalOn = true;
    EXPECT_TRUE(switchWireLit(game, toArm));
    EXPECT_TRUE(switchWireLit(game, toLamp)) << "a logic input shows the sensor's output";

    // A watching sensor lights its ejector and arm wires only while it flashes on a match.
    sensor.sensorWatchItems = true;
    EXPECT_FALSE(switchWireLit(game, toEjector));
    sensor.sensorFlash = 0.2f;
    EXPECT_FALSE(switchWireLit(game, toArm));
    sensor.sensorSeenMatch = true;
    EXPECT_TRUE(switchWireLit(game, toEjector));
    EXPECT_TRUE(switchWireLit(game, toArm));
    EXPECT_FALSE(switchWireLit(game, toSource)) << "other machines still show themselves";
    source.sourceRunning = true;
    EXPECT_TRUE(switchWireLit(game, toSource));

    EXPECT_FALSE(switchWireLit(game, {1, 3, 90, 3, 0, 0})) << "an end off the map";
}
