#include <gtest/gtest.h>

#include "support/world_builders.h"

namespace {

bool valid(const Game& game, const std::vector<Link>& wires)
{
    std::vector<int> order;
    return Game::validateSignalLinks(game.tiles, wires, order);
}

Link wire(int x0, int y0, int x1, int y1, int input = 0, int param = 0) { return Link{x0, y0, x1, y1, input, param}; }

}  // namespace

TEST(SignalLinks, OnlySignalSourcesDriveAndOnlyInputsAreDriven)
{
    Game game = emptyGame();
    setTile(game, 1, 1, LOGIC_SWITCH);
    setTile(game, 2, 1, LOGIC_AND);
    setTile(game, 3, 1, LOGIC_BUTTON);
    setTile(game, 4, 1, SIGNAL_LAMP);
    setTile(game, 5, 1, LOGIC_NOT);
    EXPECT_TRUE(valid(game, {wire(1, 1, 2, 1)}));
    EXPECT_FALSE(valid(game, {wire(2, 1, 1, 1)}));     // into a switch
    EXPECT_FALSE(valid(game, {wire(2, 1, 3, 1)}));     // into a button
    EXPECT_FALSE(valid(game, {wire(4, 1, 5, 1)}));     // out of a lamp
    EXPECT_FALSE(valid(game, {wire(2, 1, 2, 1)}));     // onto itself
    EXPECT_FALSE(valid(game, {wire(1, 1, 5, 1, 1)}));  // a NOT has no input B
    EXPECT_FALSE(valid(game, {wire(1, 1, 2, 1, 2)}));
    EXPECT_FALSE(valid(game, {wire(1, 1, 2, 1, -1)}));
    EXPECT_FALSE(valid(game, {wire(-1, 1, 2, 1)}));
    EXPECT_FALSE(valid(game, {wire(1, 1, 80, 1)}));
}

TEST(SignalLinks, EachLogicInputHasOneDriver)
{
    Game game = emptyGame();
    setTile(game, 1, 1, LOGIC_SWITCH);
    setTile(game, 1, 2, LOGIC_SWITCH);
    setTile(game, 2, 1, LOGIC_AND);
    EXPECT_FALSE(valid(game, {wire(1, 1, 2, 1), wire(1, 2, 2, 1)}));
    EXPECT_TRUE(valid(game, {wire(1, 1, 2, 1, 0), wire(1, 1, 2, 1, 1)}));
    EXPECT_TRUE(valid(game, {wire(1, 1, 2, 1, 0), wire(1, 2, 2, 1, 1)}));
}

TEST(SignalLinks, AStepperReachesAMachineThroughOneOutputOnly)
{
    Game game = emptyGame();
    setTile(game, 1, 1, LOGIC_STEPPER);
    setTile(game, 5, 5, STORAGE, EAST);
    setTile(game, 7, 5, STORAGE, EAST);
    EXPECT_FALSE(valid(game, {wire(1, 1, 5, 5, 0, 0), wire(1, 1, 5, 5, 0, 1)}));
    EXPECT_TRUE(valid(game, {wire(1, 1, 5, 5, 0, 0), wire(1, 1, 7, 5, 0, 1)}));
    EXPECT_TRUE(valid(game, {wire(1, 1, 5, 5, 0, 3)}));
    EXPECT_FALSE(valid(game, {wire(1, 1, 5, 5, 0, 4)}));

    // Outputs other than 0 belong to steppers alone.
    setTile(game, 1, 2, LOGIC_SWITCH);
    EXPECT_FALSE(valid(game, {wire(1, 2, 5, 5, 0, 1)}));
}

TEST(SignalLinks, MachinesOutsideTheSwitchTableAreNoTargets)
{
    Game game = emptyGame();
    setTile(game, 1, 1, SENSOR);
    setTile(game, 2, 2, BELT, EAST);
    setTile(game, 3, 3, SHOP);
    setTile(game, 4, 4, WATER_PIPE);
    setTile(game, 5, 5, EJECTOR, EAST);
    EXPECT_FALSE(valid(game, {wire(1, 1, 2, 2)}));
    EXPECT_FALSE(valid(game, {wire(1, 1, 3, 3)}));
    EXPECT_FALSE(valid(game, {wire(1, 1, 4, 4)}));
    EXPECT_TRUE(valid(game, {wire(1, 1, 5, 5)}));
}

TEST(SignalLinks, FeedbackIsRefused)
{
    Game game = emptyGame();
    setTile(game, 1, 1, LOGIC_NOT);
    setTile(game, 2, 1, LOGIC_OR);
    EXPECT_FALSE(valid(game, {wire(1, 1, 2, 1), wire(2, 1, 1, 1)}));
}

TEST(SignalLinks, OrderPutsSourcesBeforeWhatTheyDrive)
{
    Game game = emptyGame();
    setTile(game, 70, 50, SENSOR);
    setTile(game, 1, 1, LOGIC_NOT);  // driven by the sensor, last in the chain
    setTile(game, 2, 1, LOGIC_OR);
    setTile(game, 3, 1, LOGIC_AND);
    setTile(game, 10, 10, LOGIC_SWITCH);   // unwired
    setTile(game, 20, 20, SMELTER, EAST);  // machines are no nodes
    const std::vector<Link> wires = {wire(2, 1, 1, 1), wire(3, 1, 2, 1), wire(70, 50, 3, 1), wire(70, 50, 3, 1, 1),
                                     wire(1, 1, 20, 20)};
    std::vector<int> order;
    ASSERT_TRUE(Game::validateSignalLinks(game.tiles, wires, order));
    EXPECT_EQ(order, (std::vector<int>{tileIndex(10, 10), tileIndex(70, 50), tileIndex(3, 1), tileIndex(2, 1),
                                       tileIndex(1, 1)}));

    Game blank = emptyGame();
    EXPECT_TRUE(Game::validateSignalLinks(blank.tiles, {}, order));
    EXPECT_TRUE(order.empty());
}
