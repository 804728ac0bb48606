#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "editing/direction_painting.h"
#include "editing/rotation.h"
#include "editing/test_session.h"
#include "world/control.h"

namespace {

// A press with the DIRECTION tool, as the shell makes it.
void pressDirection(EditSession& session, Direction dir, int x, int y)
{
    UndoGuard guard(session.history, session.game);
    beginDirectionStroke(session.stroke, guard, session.game, x, y, dir);
}

struct Turn {
    const char* name;
    ControlType type;
    Direction before;
    bool turns;
    Direction after;
};

}  // namespace

TEST(Rotation, EachControlTurnsByItsOwnRule)
{
    const Turn turns[] = {
        {"a new belt starts east", BELT, NONE, true, EAST},
        {"a belt turns clockwise", BELT, WEST, true, NORTH},
        {"a new sensor starts south", SENSOR, NONE, true, SOUTH},
        {"a sensor turns clockwise", SENSOR, EAST, true, SOUTH},
        {"a tunnel exit turns clockwise", TUNNEL_EXIT, SOUTH, true, WEST},
        {"a tunnel exit without a direction keeps none", TUNNEL_EXIT, NONE, true, NONE},
        {"smelter", SMELTER, EAST, true, SOUTH},
        {"molder", INJECTION_MOLDER, EAST, true, SOUTH},
        {"storage", STORAGE, EAST, true, SOUTH},
        {"shop", SHOP, EAST, true, SOUTH},
        {"an arm stands up", ARM, EAST, true, NORTH},
        {"a long arm lies down", LONG_ARM, NORTH, true, EAST},
        {"ejector", EJECTOR, NORTH, true, EAST},
        {"sink", SINK, EAST, false, EAST},
        {"coal generator", COAL_GENERATOR, NONE, false, NONE},
        {"AND gate", LOGIC_AND, NONE, false, NONE},
        {"power pole", POWER_POLE, NONE, false, NONE},
        {"5V supply", POWER_SUPPLY, NONE, false, NONE},
        {"tunnel entrance", TUNNEL, NONE, false, NONE},
        {"water pipe", WATER_PIPE, NONE, false, NONE},
        {"free ground", EMPTY, NONE, false, NONE},
    };
    // Every case on one map, three tiles apart.
    Game game = emptyGame();
    int x = 2;
    for (const Turn& t : turns) {
        if (t.type == TUNNEL) {
            layTunnel(game, x, 20, x, 25, EAST);
        } else if (t.type == TUNNEL_EXIT) {
            layTunnel(game, x, 25, x, 20, t.before);
        } else if (controlForType(t.type).place(game, x, 20)) {
            game.tileAt(x, 20).dir = t.before;
        } else {
            setTile(game, x, 20, t.type, t.before);
        }
        const Tile before = game.tileAt(x, 20);
        const std::uint64_t nextId = game.nextMachineId;
        EXPECT_EQ(rotateAt(game, x, 20), t.turns) << t.name;
        EXPECT_EQ(game.tileAt(x, 20).type, t.type) << t.name;
        EXPECT_EQ(game.tileAt(x, 20).dir, t.after) << t.name;
        if (!t.turns) {
            EXPECT_EQ(game.tileAt(x, 20), before) << t.name;
            EXPECT_EQ(game.nextMachineId, nextId) << t.name;
        }
        EXPECT_EQ(pressRotateButton(game, x, 20), t.turns ? "" : ROTATE_REFUSED_TEXT) << t.name;
        x += 3;
    }
    EXPECT_FALSE(rotateAt(game, -1, 0));
    EXPECT_FALSE(rotateAt(game, 80, 59));
    expectMapReadsBack(game);
}

TEST(Rotation, SourcesTakeAnIdAndPairsAndBridgesTurnAsAWhole)
{
    Game game = emptyGame();
    setTile(game, 10, 10, SOURCE, EAST);
    const std::uint64_t next = game.nextMachineId;
    game.titleDirty = false;
    EXPECT_TRUE(rotateAt(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10).dir, SOUTH);
    EXPECT_EQ(game.tileAt(10, 10).machineId, next);
    EXPECT_EQ(game.nextMachineId, next + 1);
    EXPECT_TRUE(game.titleDirty);
    EXPECT_TRUE(rotateAt(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10).machineId, next) << "a turn keeps the id";

    build(game, MIXER, 30, 30);
    ASSERT_EQ(game.tileAt(30, 31).type, MIXER_SECOND);
    EXPECT_TRUE(rotateAt(game, 30, 31)) << "the second tile turns the mixer";
    EXPECT_EQ(game.tileAt(30, 30).dir, SOUTH);
    EXPECT_EQ(game.tileAt(29, 30).type, MIXER_SECOND);
    EXPECT_EQ(game.tileAt(30, 31).type, EMPTY);

    buildBridgeEast(game, 50, 20);
    EXPECT_TRUE(rotateAt(game, 49, 20)) << "a ramp turns its bridge";
    EXPECT_EQ(game.tileAt(50, 19).bridgePart, BRIDGE_ENTRY_RAMP);
    EXPECT_EQ(game.tileAt(50, 20).bridgeDir, SOUTH);
    EXPECT_EQ(game.deckTiles[tileIndex(50, 20)].dir, SOUTH);
    EXPECT_TRUE(game.tileAt(49, 20).isFree());
    expectMapReadsBack(game);
}

TEST(Rotation, TheRotateButtonIsOneUndoStep)
{
    EditSession session;
    build(session.game, SMELTER, 20, 20);
    {
        UndoGuard guard(session.history, session.game);
        EXPECT_EQ(pressRotateButton(session.game, 20, 20), "");
    }
    EXPECT_EQ(session.game.tileAt(20, 20).dir, SOUTH);
    ASSERT_EQ(session.history.size(), 1u);
    {
        UndoGuard guard(session.history, session.game);
        EXPECT_EQ(pressRotateButton(session.game, 21, 20), ROTATE_REFUSED_TEXT);
    }
    EXPECT_EQ(session.history.size(), 1u) << "a refused turn records nothing";
    EXPECT_TRUE(session.history.undo(session.game));
    EXPECT_EQ(session.game.tileAt(20, 20).dir, EAST);
}

TEST(DirectionPainting, AStrokeOverTenBeltsIsOneStep)
{
    EditSession session;
    layBeltRun(session.game, 20, 20, EAST, 10);
    setTile(session.game, 30, 20, BELT, NONE);
    pressDirection(session, NORTH, 20, 20);
    session.drag(25, 20);
    session.drag(30, 20);
    session.release();
    for (int x = 20; x <= 30; ++x)
        EXPECT_EQ(session.game.tileAt(x, 20).dir, NORTH) << x;
    ASSERT_EQ(session.history.size(), 1u);
    expectMapReadsBack(session.game);

    pressDirection(session, NORTH, 20, 20);
    session.drag(30, 20);
    session.release();
    EXPECT_EQ(session.history.size(), 1u) << "belts already facing north record nothing";

    EXPECT_TRUE(session.history.undo(session.game));
    for (int x = 20; x < 30; ++x)
        EXPECT_EQ(session.game.tileAt(x, 20).dir, EAST) << x;
}

TEST(DirectionPainting, ControlsTurnUntilTheyFaceTheDirection)
{
    Game game = emptyGame();
    build(game, ARM, 10, 10);
    EXPECT_FALSE(alignAlongLine(game, 10, 10, 10, 10, WEST)) << "a horizontal arm already lies west-east";
    EXPECT_TRUE(alignAlongLine(game, 10, 10, 10, 10, SOUTH));
    EXPECT_EQ(game.tileAt(10, 10).dir, NORTH);
    EXPECT_TRUE(alignAlongLine(game, 10, 10, 10, 10, WEST));
    EXPECT_EQ(game.tileAt(10, 10).dir, EAST);

    build(game, MIXER, 30, 30);
    EXPECT_TRUE(alignAlongLine(game, 30, 31, 30, 31, NORTH)) << "painted at its second tile";
    EXPECT_EQ(game.tileAt(30, 30).type, MIXER);
    EXPECT_EQ(game.tileAt(30, 30).dir, NORTH);
    EXPECT_EQ(game.tileAt(31, 30).type, MIXER_SECOND);

    build(game, SMELTER, 40, 10);
    EXPECT_TRUE(alignAlongLine(game, 40, 10, 40, 10, NORTH)) << "three turns";
    EXPECT_EQ(game.tileAt(40, 10).dir, NORTH);

    buildBridgeEast(game, 50, 20);
    EXPECT_TRUE(alignAlongLine(game, 51, 20, 51, 20, NORTH)) << "painted at its exit ramp";
    EXPECT_EQ(game.tileAt(50, 20).bridgeDir, NORTH);
    EXPECT_EQ(game.tileAt(50, 21).bridgePart, BRIDGE_ENTRY_RAMP);

    layTunnel(game, 60, 40, 64, 40, NONE);
    EXPECT_FALSE(alignAlongLine(game, 60, 40, 64, 40, SOUTH)) << "a tunnel exit without a direction stays so";
    expectMapReadsBack(game);
}

// A row of controls painted north from east to west: a sink, an arm, a belt,
// a distributor that cannot face north (a belt stands where its second tile
// would go on the way), a mixer facing west whose turn north needs the tile
// the distributor's second tile passed over, and a smelter.
Game rowOfControls()
{
    Game game = emptyGame();
    setTile(game, 47, 40, SINK, EAST);
    build(game, ARM, 46, 40);
    layBelt(game, 44, 40, EAST);
    build(game, DISTRIBUTOR, 40, 40);
    layBelt(game, 40, 39, EAST);
    build(game, MIXER, 38, 40);
    for (int turn = 0; turn < 2; ++turn)
        rotateAt(game, 38, 40);
    build(game, SMELTER, 35, 40);
    return game;
}

TEST(DirectionPainting, AControlThatCannotGetThereStaysAsItWas)
{
    Game game = emptyGame();
    build(game, DISTRIBUTOR, 40, 40);
    layBelt(game, 40, 39, EAST);
    const std::string before = mapText(game);
    EXPECT_FALSE(alignAlongLine(game, 40, 40, 40, 40, WEST)) << "south turns, west is blocked";
    EXPECT_EQ(mapText(game), before);
    EXPECT_FALSE(alignAlongLine(game, 40, 39, 40, 39, NONE));
    EXPECT_FALSE(alignAlongLine(game, -5, -5, -1, -1, NORTH));

    // One line turns each control as painting it alone would.
    Game painted = rowOfControls();
    ASSERT_EQ(painted.tileAt(38, 40).dir, WEST);
    EXPECT_TRUE(alignAlongLine(painted, 47, 40, 34, 40, NORTH));
    Game tileByTile = rowOfControls();
    for (int x = 47; x >= 34; --x)
        alignAlongLine(tileByTile, x, 40, x, 40, NORTH);
    EXPECT_EQ(mapText(painted), mapText(tileByTile));
    EXPECT_EQ(painted.tileAt(47, 40).dir, EAST) << "sinks do not turn";
    EXPECT_EQ(painted.tileAt(46, 40).dir, NORTH);
    EXPECT_EQ(painted.tileAt(44, 40).dir, NORTH);
    EXPECT_EQ(painted.tileAt(40, 40).dir, EAST);
    EXPECT_EQ(painted.tileAt(38, 40).dir, NORTH);
    EXPECT_EQ(painted.tileAt(39, 40).type, MIXER_SECOND);
    EXPECT_EQ(painted.tileAt(35, 40).dir, NORTH);
    expectMapReadsBack(painted);
}
