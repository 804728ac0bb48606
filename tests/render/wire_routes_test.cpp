#include <gtest/gtest.h>

#include <cstdlib>

#include "render/screen_point_print.h"
#include "render/wire_routes.h"
#include "support/world_builders.h"

namespace {

const MapScroll AT_32{0, 0, 32};

// Every segment of a route runs across, down or at 45 degrees.
bool onlyRightAnglesAndChamfers(const Route& route)
{
    for (std::size_t i = 1; i < route.size(); ++i) {
        const int dx = std::abs(route[i].x - route[i - 1].x);
        const int dy = std::abs(route[i].y - route[i - 1].y);
        if (dx != 0 && dy != 0 && dx != dy) return false;
    }
    return true;
}

}  // namespace

TEST(WireRoutes, SwitchWireBetweenTwoGatesLeavesRightAndEntersTheUpperInput)
{
    Game game = emptyGame();
    setTile(game, 2, 5, LOGIC_AND);
    setTile(game, 6, 5, LOGIC_AND);
    const Link wire{2, 5, 6, 5, 0, 0};
    const LinkEnds ends = buildSignalLinkPath(game, wire, AT_32);
    EXPECT_EQ(ends.start, (ScreenPoint{93, 176}));
    EXPECT_EQ(ends.end, (ScreenPoint{195, 168}));
    const Route expected{{93, 176}, {134, 176}, {138, 172}, {138, 172}, {142, 168}, {195, 168}};
    EXPECT_EQ(buildLinkRoute(game, wire, AT_32), expected);
    EXPECT_EQ(buildSignalLinkPath(game, {2, 5, 6, 5, 1, 0}, AT_32).end, (ScreenPoint{195, 184})) << "input B below";
}

TEST(WireRoutes, PinsByTheTypesAtTheEnds)
{
    Game game = emptyGame();
    setTile(game, 1, 1, LOGIC_STEPPER);
    setTile(game, 4, 1, LOGIC_NOT);
    setTile(game, 1, 3, LOGIC_COUNTER);
    setTile(game, 4, 3, LOGIC_COUNTER);
    setTile(game, 1, 5, POWER_SUPPLY);
    setTile(game, 4, 5, SENSOR);
    setTile(game, 6, 5, SINK);
    setTile(game, 1, 7, POWER_POLE);
    struct Case {
        const char* what;
        Link link;
        LinkEnds ends;
    };
    const Case cases[] = {
        {"stepper step 2 to a one-input gate", {1, 1, 4, 1, 0, 2}, {{61, 52}, {131, 48}}},
        {"counter to counter, low on both", {1, 3, 4, 3, 0, 0}, {{61, 124}, {131, 124}}},
        {"5V supply terminal to a sensor's centre", {1, 5, 4, 5, 0, 0}, {{61, 186}, {144, 176}}},
        {"sensor to a machine: centres", {4, 5, 6, 5, 0, 0}, {{144, 176}, {208, 176}}},
    };
    for (const Case& c : cases) {
        const LinkEnds ends = buildSignalLinkPath(game, c.link, AT_32);
        EXPECT_EQ(ends.start, c.ends.start) << c.what;
        EXPECT_EQ(ends.end, c.ends.end) << c.what;
    }
    EXPECT_EQ(buildSignalLinkPath(game, {1, 3, 4, 3, 0, 0}, {0, 0, 48}).start, (ScreenPoint{92, 186}))
        << "a counter's pin sits ts / 8 up from 40 pixels on";

    EXPECT_EQ(linkAnchorPoint(game, 1, 7, AT_32), (ScreenPoint{48, 231})) << "a pole's insulator";
    EXPECT_EQ(linkAnchorPoint(game, 1, 5, {10, 20, 32}), (ScreenPoint{25, 166})) << "a 5V supply's terminal";
    EXPECT_EQ(linkAnchorPoint(game, 6, 5, AT_32), (ScreenPoint{208, 176}));
    EXPECT_EQ(linkAnchorPoint(game, -3, 90, AT_32), (ScreenPoint{-80, 2896})) << "off the map: a centre";
}

TEST(WireRoutes, RoutesTurnStaggerLoopBackAndCutTheirCorners)
{
    // Ends a quarter tile apart in height turn at another fraction of the span.
    EXPECT_EQ(computeLinkRoute({0, 100}, {300, 100}, 32), (Route{{0, 100}, {300, 100}}));
    const Route level = computeLinkRoute({0, 100}, {300, 96}, 32);
    const Route lower = computeLinkRoute({0, 100}, {300, 116}, 32);
    EXPECT_EQ(level[2].x, 100);
    EXPECT_EQ(lower[2].x, 166);

    // A target left of the source: out right, above the row and back in from the left.
    const Route loop{{100, 100}, {105, 100}, {110, 95}, {110, 85}, {105, 80},
                     {45, 80},   {40, 85},   {40, 95},  {45, 100}, {50, 100}};
    EXPECT_EQ(computeLinkRoute({100, 100}, {50, 100}, 32), loop);
    const Route across = computeLinkRoute({100, 100}, {50, 160}, 32);
    EXPECT_EQ(across[4].y, 130) << "runs back at mid-height";

    // Two stubs meeting on one vertical line lose the joint between them.
    EXPECT_EQ(computeLinkRoute({100, 100}, {120, 140}, 32),
              (Route{{100, 100}, {105, 100}, {110, 105}, {110, 135}, {115, 140}, {120, 140}}));
    // Short segments are cut by at most half their length.
    EXPECT_EQ(computeLinkRoute({0, 0}, {30, 4}, 32), (Route{{0, 0}, {8, 0}, {10, 2}, {10, 2}, {12, 4}, {30, 4}}));

    for (const Route& route : {level, lower, loop, across})
        EXPECT_TRUE(onlyRightAnglesAndChamfers(route));
    EXPECT_EQ(computeLinkRoute({7, 7}, {7, 7}, 32).size(), 1u) << "a route of one point draws nothing";

    // 5V cables run four pixels to the left of their direction of travel.
    const Route offset = computeOffsetLinkRoute({0, 100}, {300, 100}, 32);
    EXPECT_EQ(offset, (Route{{0, 104}, {300, 104}}));
    EXPECT_EQ(computeOffsetLinkRoute({50, 0}, {50, 200}, 32).front(), (ScreenPoint{46, 0}));
}

TEST(WireRoutes, WiresRiseOverTheFirstSignalLampInTheirWay)
{
    Game game = emptyGame();
    setTile(game, 2, 5, LOGIC_AND);
    setTile(game, 8, 5, LOGIC_AND);
    setTile(game, 5, 5, SIGNAL_LAMP);
    const Link wire{2, 5, 8, 5, 0, 0};
    const Route expected{{93, 176},  {147, 176}, {152, 171}, {152, 157}, {157, 152}, {200, 152},
                         {227, 152}, {232, 157}, {232, 163}, {237, 168}, {259, 168}};
    EXPECT_EQ(buildLinkRoute(game, wire, AT_32), expected);

    // A lamp right beside the source lies behind the wire's start: no detour.
    setTile(game, 5, 5, EMPTY);
    setTile(game, 3, 5, SIGNAL_LAMP);
    const LinkEnds ends = buildSignalLinkPath(game, wire, AT_32);
    EXPECT_EQ(buildLinkRoute(game, wire, AT_32), computeLinkRoute(ends.start, ends.end, 32));
}
