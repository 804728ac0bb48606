#include <gtest/gtest.h>

#include "render/link_hit.h"
#include "support/world_builders.h"

namespace {

const MapScroll AT_32{0, 0, 32};

// A sensor on (2, 5) measuring a sink on (8, 5): a straight wire along y = 176
// from x = 80 to x = 272; poles on (2, 10) and (8, 10) with a cable between them.
Game wiredWorld()
{
    Game game = emptyGame();
    setTile(game, 2, 5, SENSOR, EAST);
    setTile(game, 8, 5, SINK);
    setTile(game, 2, 10, POWER_POLE);
    setTile(game, 8, 10, POWER_POLE);
    game.signalMeasureLinks.push_back({2, 5, 8, 5, 0, 0});
    game.powerLinks.push_back({2, 10, 8, 10, 0, 0});
    return game;
}

LinkHit hitAt(const Game& game, int px, int py, int selectedX = -1, int selectedY = -1)
{
    return linkAtPoint(game, px, py, AT_32, selectedX, selectedY);
}

}  // namespace

TEST(LinkAtPoint, PicksWithinReachByKindAndListOrder)
{
    Game game = wiredWorld();
    struct Case {
        int px;
        int py;
        LinkKind kind;
    };
    // Reach at ts 32 is 0.28 x 32 = 8.96 pixels.
    const Case cases[] = {
        {176, 176, MEASURE_WIRE}, {176, 184, MEASURE_WIRE},
        {176, 186, NO_LINK},      {176, 339, POWER_CABLE},  // on the lower strand, sagging 9 below its line
        {176, 327, POWER_CABLE},                            // between the strands
        {176, 350, NO_LINK},      {500, 176, NO_LINK},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hitAt(game, c.px, c.py).kind, c.kind) << c.px << "," << c.py;

    // The same wire as a switch wire ties with the measure wire: the later kind wins,
    // and of two equal switch wires the earlier one.
    game.signalControlLinks.push_back({2, 5, 8, 5, 0, 0});
    game.signalControlLinks.push_back({2, 5, 8, 5, 0, 0});
    const LinkHit tie = hitAt(game, 176, 178);
    EXPECT_EQ(tie.kind, SWITCH_WIRE);
    EXPECT_EQ(tie.index, 0);
    game.dcLinks.push_back({2, 5, 8, 5, 0, 0});  // runs 4 pixels below, nearer to y = 180
    EXPECT_EQ(hitAt(game, 176, 180).kind, DC_CABLE);
    EXPECT_EQ(hitAt(game, 176, 174).kind, SWITCH_WIRE);
}

TEST(LinkAtPoint, OverOtherControlsOnlyPinsCountUnlessTheWireIsSelected)
{
    Game game = wiredWorld();
    layBelt(game, 5, 5, EAST);
    EXPECT_EQ(hitAt(game, 176, 176).kind, NO_LINK) << "crossing a belt";
    EXPECT_EQ(hitAt(game, 176, 176, 8, 5).kind, MEASURE_WIRE) << "the selected sink's wire";
    EXPECT_EQ(hitAt(game, 176, 176, 5, 5).kind, NO_LINK) << "the belt is no end of it";

    const LinkHit pin = hitAt(game, 82, 178);  // over the sensor, within 3 pixels of the pin
    EXPECT_EQ(pin.kind, MEASURE_WIRE);
    EXPECT_TRUE(pin.nearStart);
    EXPECT_EQ(hitAt(game, 84, 178).kind, NO_LINK) << "4 pixels off the pin";

    // 5V cables over a control: only their ends within ts / 8.
    game.signalMeasureLinks.clear();
    game.dcLinks.push_back({2, 5, 8, 5, 0, 0});
    EXPECT_EQ(hitAt(game, 176, 180).kind, NO_LINK);
    EXPECT_EQ(hitAt(game, 270, 182).kind, DC_CABLE);
    EXPECT_EQ(hitAt(game, 267, 182).kind, NO_LINK);
}

TEST(LinkAtPoint, NearStartComparesTheEnds)
{
    const Game game = wiredWorld();
    EXPECT_TRUE(hitAt(game, 176, 176).nearStart) << "exactly halfway";
    EXPECT_TRUE(hitAt(game, 120, 176).nearStart);
    EXPECT_FALSE(hitAt(game, 177, 176).nearStart);
    // A cable measures from its anchors, the poles' insulators at y = 327.
    EXPECT_TRUE(hitAt(game, 100, 330).nearStart);
    EXPECT_FALSE(hitAt(game, 250, 330).nearStart);
    EXPECT_EQ(hitAt(game, 250, 330).index, 0);
}
