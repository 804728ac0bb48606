#include <gtest/gtest.h>

#include "world/control.h"
#include "world/game.h"

namespace {

struct PairPlace {
    Direction dir;
    int secondX;
    int secondY;
};

void expectPair(const Game& game, int x, int y, ControlType main, ControlType second, const PairPlace& where)
{
    EXPECT_EQ(game.tileAt(x, y).type, main);
    EXPECT_EQ(game.tileAt(x, y).dir, where.dir);
    EXPECT_EQ(game.tileAt(where.secondX, where.secondY).type, second);
    EXPECT_EQ(game.tileAt(where.secondX, where.secondY).dir, where.dir);
}

int countOfType(const Game& game, ControlType type)
{
    int count = 0;
    for (const Tile& tile : game.tiles)
        count += tile.type == type ? 1 : 0;
    return count;
}

}  // namespace

TEST(Distributor, BuiltFacingEastWithItsSecondTileSouth)
{
    Game game;
    ASSERT_TRUE(controlForType(DISTRIBUTOR).place(game, 10, 5));
    expectPair(game, 10, 5, DISTRIBUTOR, DISTRIBUTOR_SECOND, {EAST, 10, 6});
    EXPECT_FALSE(controlForType(DISTRIBUTOR).place(game, 20, 59));
    EXPECT_EQ(game.tileAt(20, 59).type, EMPTY);
}

TEST(Distributor, TurnsAboutItsMainTileKeepingItsRouting)
{
    Game game;
    const Control& distributor = controlForType(DISTRIBUTOR);
    ASSERT_TRUE(distributor.place(game, 10, 5));
    Tile& main = game.tileAt(10, 5);
    main.modeCargoRules = true;
    main.cargoRuleMask = (1u << COAL) | (1u << LOG);
    main.signalSelectsB = true;
    main.label = "SORTIER";
    main.machineId = 12;

    const PairPlace turns[] = {{SOUTH, 9, 5}, {WEST, 10, 4}, {NORTH, 11, 5}, {EAST, 10, 6}};
    for (const PairPlace& where : turns) {
        ASSERT_TRUE(distributor.place(game, 10, 5));
        expectPair(game, 10, 5, DISTRIBUTOR, DISTRIBUTOR_SECOND, where);
        EXPECT_EQ(countOfType(game, DISTRIBUTOR_SECOND), 1);
    }
    EXPECT_TRUE(main.modeCargoRules);
    EXPECT_EQ(main.cargoRuleMask, (1u << COAL) | (1u << LOG));
    EXPECT_TRUE(main.signalSelectsB);
    EXPECT_TRUE(main.label.empty());
    EXPECT_EQ(main.machineId, 0u);

    ASSERT_TRUE(distributor.place(game, 10, 6)) << "a click on the second tile turns the pair";
    expectPair(game, 10, 5, DISTRIBUTOR, DISTRIBUTOR_SECOND, {SOUTH, 9, 5});
    EXPECT_FALSE(controlForType(MIXER).place(game, 9, 5));
}

TEST(Distributor, RefusesASecondTileThatIsNotFreeForBuilding)
{
    Game game;
    const Control& distributor = controlForType(DISTRIBUTOR);
    game.tileAt(10, 6).bridgePart = BRIDGE_DECK;
    game.tileAt(10, 6).bridgeDir = EAST;
    const Tile marked = game.tileAt(10, 6);
    EXPECT_FALSE(distributor.place(game, 10, 5));
    EXPECT_EQ(game.tileAt(10, 5), Tile{});
    EXPECT_EQ(game.tileAt(10, 6), marked);

    game.items.emplace_back(20, 6, EAST, LOG);
    EXPECT_FALSE(distributor.place(game, 20, 5));
    EXPECT_EQ(game.tileAt(20, 5), Tile{});

    game.tileAt(30, 6).type = BELT;
    EXPECT_FALSE(distributor.place(game, 30, 5));
    EXPECT_EQ(game.tileAt(30, 5), Tile{});
}

TEST(Distributor, TurnFailsOntoAnOccupiedTileOrWithItemsOnThePair)
{
    Game game;
    const Control& distributor = controlForType(DISTRIBUTOR);
    ASSERT_TRUE(distributor.place(game, 10, 5));

    game.tileAt(9, 5).type = BELT;
    EXPECT_FALSE(distributor.place(game, 10, 5));
    game.tileAt(9, 5) = Tile{};
    game.tileAt(9, 5).bridgePart = BRIDGE_DECK;
    EXPECT_FALSE(distributor.place(game, 10, 5));
    game.tileAt(9, 5) = Tile{};
    game.items.emplace_back(9, 5, EAST, LOG);
    EXPECT_FALSE(distributor.place(game, 10, 5));
    game.items.clear();

    game.items.emplace_back(10, 6, EAST, LOG);
    EXPECT_FALSE(distributor.place(game, 10, 5));
    game.items.clear();
    game.items.emplace_back(10, 5, EAST, LOG);
    EXPECT_FALSE(distributor.place(game, 10, 5));
    expectPair(game, 10, 5, DISTRIBUTOR, DISTRIBUTOR_SECOND, {EAST, 10, 6});

    game.tileAt(10, 5).dir = NONE;  // only a damaged map holds this
    const Tile odd = game.tileAt(10, 5);
    game.items.clear();
    EXPECT_FALSE(distributor.place(game, 10, 5));
    EXPECT_EQ(game.tileAt(10, 5), odd);
}

TEST(Distributor, TakesOnlyItemsTravellingItsWayOnTheMainTile)
{
    Game game;
    const Control& distributor = controlForType(DISTRIBUTOR);
    ASSERT_TRUE(distributor.place(game, 10, 5));
    EXPECT_TRUE(distributor.canAccept(game.tileAt(10, 5), EAST, LOG));
    EXPECT_FALSE(distributor.canAccept(game.tileAt(10, 5), SOUTH, LOG));
    EXPECT_FALSE(distributor.canAccept(game.tileAt(10, 6), EAST, LOG));
}

TEST(Distributor, RemovedFromEitherTileWithItsItems)
{
    Game game;
    const Control& distributor = controlForType(DISTRIBUTOR);
    ASSERT_TRUE(distributor.place(game, 10, 5));
    game.items.emplace_back(10, 5, EAST, LOG);
    game.items.emplace_back(10, 6, EAST, LOG);
    EXPECT_FALSE(controlForType(MIXER).remove(game, 10, 6));
    EXPECT_TRUE(distributor.remove(game, 10, 6));
    EXPECT_EQ(game.tileAt(10, 5), Tile{});
    EXPECT_EQ(game.tileAt(10, 6), Tile{});
    EXPECT_TRUE(game.items.empty());
    EXPECT_FALSE(distributor.remove(game, 10, 5));
}

TEST(Distributor, RemoveLeavesAForeignTileWhereTheSecondShouldBe)
{
    Game game;
    game.tileAt(10, 59).type = DISTRIBUTOR;  // damaged map: second tile would lie off the map
    game.tileAt(10, 59).dir = EAST;
    EXPECT_TRUE(controlForType(DISTRIBUTOR).remove(game, 10, 59));
    EXPECT_EQ(game.tileAt(10, 59), Tile{});

    game.tileAt(20, 5).type = DISTRIBUTOR;
    game.tileAt(20, 5).dir = EAST;
    game.tileAt(20, 6).type = BELT;
    EXPECT_TRUE(controlForType(DISTRIBUTOR).remove(game, 20, 5));
    EXPECT_EQ(game.tileAt(20, 6).type, BELT);
}

TEST(Mixer, TurnsKeepingItsRatioAndCyclePosition)
{
    Game game;
    const Control& mixer = controlForType(MIXER);
    ASSERT_TRUE(mixer.place(game, 10, 5));
    expectPair(game, 10, 5, MIXER, MIXER_SECOND, {EAST, 10, 6});
    Tile& main = game.tileAt(10, 5);
    main.ratioA = 3;
    main.ratioB = 2;
    main.ratioPos = 4;
    main.lastSideB = true;

    ASSERT_TRUE(mixer.place(game, 10, 6));
    expectPair(game, 10, 5, MIXER, MIXER_SECOND, {SOUTH, 9, 5});
    EXPECT_EQ(main.ratioA, 3);
    EXPECT_EQ(main.ratioB, 2);
    EXPECT_EQ(main.ratioPos, 4);
    EXPECT_FALSE(main.lastSideB);

    main.ratioPos = 7;  // beyond the cycle, as a damaged map may hold
    ASSERT_TRUE(mixer.place(game, 10, 5));
    EXPECT_EQ(main.ratioPos, 2);
}

TEST(Mixer, BothTilesTakeItemsTravellingItsWay)
{
    Game game;
    const Control& mixer = controlForType(MIXER);
    ASSERT_TRUE(mixer.place(game, 10, 5));
    for (CargoType cargo : {LOG, WATER, PLASTIC_GEAR}) {
        EXPECT_TRUE(mixer.canAccept(game.tileAt(10, 5), EAST, cargo));
        EXPECT_TRUE(mixer.canAccept(game.tileAt(10, 6), EAST, cargo));
        EXPECT_FALSE(mixer.canAccept(game.tileAt(10, 6), SOUTH, cargo));
    }
    EXPECT_FALSE(mixer.canAccept(game.tileAt(11, 5), EAST, LOG));
    EXPECT_TRUE(mixer.remove(game, 10, 6));
    EXPECT_EQ(countOfType(game, MIXER) + countOfType(game, MIXER_SECOND), 0);
}
