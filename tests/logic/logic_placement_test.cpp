#include <gtest/gtest.h>

#include <typeinfo>

#include "logic/logic_controls.h"
#include "world/control.h"
#include "world/game.h"

namespace {

constexpr ControlType LOGIC_TYPES[] = {LOGIC_AND,    LOGIC_OR,      LOGIC_XOR,     LOGIC_NOT,
                                       SIGNAL_LAMP,  LOGIC_COUNTER, LOGIC_TIMER,   LOGIC_CLOCK,
                                       LOGIC_SWITCH, LOGIC_BUTTON,  LOGIC_STEPPER, LOGIC_RS};

}  // namespace

TEST(LogicPlacement, EachTypeHasItsOwnClass)
{
    EXPECT_EQ(typeid(controlForType(LOGIC_AND)), typeid(AndControl));
    EXPECT_EQ(typeid(controlForType(SIGNAL_LAMP)), typeid(SignalLampControl));
    EXPECT_EQ(typeid(controlForType(LOGIC_CLOCK)), typeid(ClockControl));
    EXPECT_EQ(typeid(controlForType(LOGIC_RS)), typeid(RsControl));
}

TEST(LogicPlacement, BuildsWithTheDefaultsOfEachComponent)
{
    Game game;
    int x = 10;
    for (ControlType type : LOGIC_TYPES) {
        ASSERT_TRUE(controlForType(type).place(game, x, 20)) << type;
        const Tile& tile = game.tileAt(x, 20);
        EXPECT_EQ(tile.type, type);
        EXPECT_EQ(tile.dir, NONE);
        EXPECT_EQ(tile.thenAction, SWITCH_ON);
        EXPECT_EQ(tile.elseAction, type == LOGIC_COUNTER ? NO_CHANGE : SWITCH_OFF) << type;
        EXPECT_EQ(tile.limit, type == LOGIC_COUNTER ? 99999 : 3) << type;
        EXPECT_EQ(tile.switchPriority, 0);
        EXPECT_EQ(tile.stepperIndex, -1);
        EXPECT_EQ(tile.periodSeconds, 3);
        EXPECT_FALSE(tile.running);
        EXPECT_FALSE(tile.signalOut);
        EXPECT_EQ(tile.counterCount, 0);
        ++x;
    }
}

TEST(LogicPlacement, NeverTurnsAndNeverBuildsOverAnything)
{
    Game game;
    const Control& andGate = controlForType(LOGIC_AND);
    ASSERT_TRUE(andGate.place(game, 5, 5));
    const Tile placed = game.tileAt(5, 5);
    for (ControlType type : LOGIC_TYPES)
        EXPECT_FALSE(controlForType(type).place(game, 5, 5)) << type;
    EXPECT_EQ(game.tileAt(5, 5), placed);

    game.tileAt(6, 5).type = BELT;
    game.tileAt(7, 5).bridgePart = BRIDGE_DECK;
    game.items.emplace_back(8, 5, EAST, LOG);
    for (int x = 6; x <= 8; ++x)
        EXPECT_FALSE(andGate.place(game, x, 5)) << x;
    EXPECT_EQ(game.tileAt(6, 5).type, BELT);
    EXPECT_EQ(game.tileAt(7, 5).type, EMPTY);
    EXPECT_EQ(game.tileAt(8, 5).type, EMPTY);
    EXPECT_FALSE(andGate.place(game, -1, 5));
    EXPECT_FALSE(andGate.place(game, 80, 5));
}

TEST(LogicPlacement, RemoveLeavesTheTileToTheDemolishCommand)
{
    Game game;
    const Control& counter = controlForType(LOGIC_COUNTER);
    ASSERT_TRUE(counter.place(game, 4, 4));
    game.tileAt(4, 4).counterCount = 2;
    const Tile before = game.tileAt(4, 4);
    EXPECT_FALSE(counter.remove(game, 4, 4));
    EXPECT_EQ(game.tileAt(4, 4), before);
    EXPECT_FALSE(counter.canAccept(before, EAST, LOG));
}
