#include <gtest/gtest.h>

#include <array>
#include <numbers>

#include "machines/arm_control.h"
#include "support/world_builders.h"

namespace {

constexpr float PI = std::numbers::pi_v<float>;
constexpr float FRAME = 1.0f / 60.0f;

// A powered grab arm at (20, 20) between two east-bound belts, its hand
// pointing west at the pickup point (19, 20).
Game armBetweenBelts()
{
    Game game = emptyGame();
    layBeltRun(game, 16, 20, EAST, 4);
    layBeltRun(game, 21, 20, EAST, 3);
    Tile& arm = build(game, ARM, 20, 20);
    supplyPower(game, 20, 20);
    arm.armAngle = PI;
    return game;
}

// Runs the arms frame by frame until the item is at the drop side and counts
// the frames it spent in each carry phase.
std::array<int, 4> framesPerPhase(Game& game, int item)
{
    std::array<int, 4> frames{};
    for (int frame = 0; frame < 400 && game.items[static_cast<std::size_t>(item)].holdState != HOLD_AT_DROP; ++frame) {
        ++frames[static_cast<std::size_t>(game.items[static_cast<std::size_t>(item)].holdState)];
        game.rotateArms(FRAME);
    }
    return frames;
}

}  // namespace

TEST(ArmMotion, TurningHalfRoundTakesOnePointTwoSecondsBeforeItAims)
{
    Game game = emptyGame();
    Tile& arm = build(game, ARM, 20, 20);
    supplyPower(game, 20, 20);
    ArmControl::setArmState(arm, ArmControl::OPPOSITE);
    ASSERT_TRUE(arm.armHomePending);
    for (int frame = 0; frame < 71; ++frame)
        game.rotateArms(FRAME);
    EXPECT_TRUE(arm.armHomePending) << "still turning after 71 frames";
    game.rotateArms(FRAME);
    EXPECT_FALSE(arm.armHomePending) << "at its rest angle after 1.2 s";
    EXPECT_NEAR(arm.armAngle, PI, 1e-5f);
}

TEST(ArmMotion, AimsAtTheItemThatReachesAPickupPointFirst)
{
    struct Case {
        float westX;  // an item on the east-bound belt west of the arm
        float eastX;  // an item on the west-bound belt east of it
        bool turnsWest;
    };
    for (const Case& c : {Case{17, 22, false}, Case{18, 23, true}, Case{18, 22, true}}) {
        Game game = emptyGame();
        layBeltRun(game, 16, 20, EAST, 4);
        layBeltRun(game, 24, 20, WEST, 4);
        Tile& arm = build(game, ARM, 20, 20);
        supplyPower(game, 20, 20);
        arm.armAngle = PI / 2;
        itemAtPosition(game, c.westX, 20, EAST);
        itemAtPosition(game, c.eastX, 20, WEST);
        game.rotateArms(FRAME);
        EXPECT_EQ(arm.armAngle > PI / 2, c.turnsWest) << c.westX << " against " << c.eastX << "; ties to the first";
    }
}

TEST(ArmMotion, TakesOnlyAnItemAtItsPickupPointThatItMayTakeAgain)
{
    struct Case {
        float offset;  // how far short of the pickup point the item lies
        bool setDownHereBefore;
        bool taken;
    };
    for (const Case& c : {Case{0.14f, false, true}, Case{0.16f, false, false}, Case{0.0f, true, false}}) {
        Game game = armBetweenBelts();
        CargoItem& item = itemAtPosition(game, 19.0f - c.offset, 20, EAST);
        item.ejectSkipTile = tileIndex(19, 20);
        if (c.setDownHereBefore) item.targetTile = tileIndex(20, 20);
        game.pickUpItems();
        const CargoItem& after = game.items[0];
        EXPECT_EQ(after.carried, c.taken) << "offset " << c.offset;
        if (!c.taken) continue;
        EXPECT_EQ(after.x, 20);
        EXPECT_EQ(after.holdState, HOLD_SWINGING) << "no grip pause when taken from a belt";
        EXPECT_FLOAT_EQ(after.posX, 19.0f);
        EXPECT_EQ(after.ejectSkipTile, -1) << "it has left the belt tile";
    }
}

TEST(ArmMotion, KilnProductWaitsForTheArmThenIsGrippedAndSwungOver)
{
    Game game = emptyGame();
    kilnWithCoal(game, 10, 20, EAST);
    layBeltRun(game, 12, 20, EAST, 2);
    Tile& arm = build(game, ARM, 11, 20);
    supplyPower(game, 11, 20);
    ASSERT_FLOAT_EQ(arm.armAngle, 0.0f) << "built pointing at the belt";
    game.spawnMachineOutputs(OutputMachines::Producers);
    ASSERT_EQ(game.items.size(), 1u);
    ASSERT_EQ(game.items[0].holdState, HOLD_TURNING);

    const std::array<int, 4> frames = framesPerPhase(game, 0);
    EXPECT_NEAR(frames[HOLD_TURNING], 72, 1) << "1.2 s to turn by pi";
    EXPECT_NEAR(frames[HOLD_GRIPPING], 9, 1) << "0.15 s grip";
    EXPECT_NEAR(frames[HOLD_SWINGING], 72, 1) << "1.2 s swing";
    EXPECT_NEAR(game.items[0].posX, 12.0f, 1e-4f);
    EXPECT_NEAR(game.items[0].posY, 20.0f, 1e-4f);
}

TEST(ArmMotion, PowerCutFreezesTheSwingUntilPowerReturns)
{
    Game game = armBetweenBelts();
    itemAtPosition(game, 19, 20, EAST);
    game.pickUpItems();
    ASSERT_TRUE(game.items[0].carried);
    for (int frame = 0; frame < 30; ++frame)
        game.rotateArms(FRAME);

    game.tileAt(20, 20).powerSupplied = false;
    const CargoItem frozen = game.items[0];
    const float angle = game.tileAt(20, 20).armAngle;
    for (int frame = 0; frame < 20; ++frame)
        game.rotateArms(FRAME);
    EXPECT_EQ(game.items[0], frozen);
    EXPECT_FLOAT_EQ(game.tileAt(20, 20).armAngle, angle);

    supplyPower(game, 20, 20);
    const std::array<int, 4> frames = framesPerPhase(game, 0);
    EXPECT_NEAR(frames[HOLD_SWINGING], 72 - 30, 1) << "resumes where it stopped";
}
