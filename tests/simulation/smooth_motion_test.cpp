#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "allocation_counter.h"
#include "audio/sound_engine.h"
#include "support/world_builders.h"

namespace {

constexpr float SUB_STEP = 0.016666668f;
constexpr float GLIDE = 1.7f;

// An item on its way to the centre of (toX, y), which is its tile.
CargoItem& glidingItem(Game& game, float x, float y, int toX)
{
    CargoItem& item = itemAtPosition(game, x, y, EAST);
    item.x = toX;
    item.path.push_back(PathPoint{toX, static_cast<int>(y), GLIDE, EAST, false});
    return item;
}

struct MachineSound {
    bool mixer;
    std::uint32_t id;
    float x;
    float y;
    friend bool operator==(const MachineSound&, const MachineSound&) = default;
};

struct RecordingSound : SoundEngine {
    std::vector<MachineSound> played;
    void playMixer(std::uint32_t id, float x, float y) override { played.push_back({true, id, x, y}); }
    void playDistributor(std::uint32_t id, float x, float y) override { played.push_back({false, id, x, y}); }
};

}  // namespace

TEST(SmoothMotion, LongStepsAreCutIntoSubStepsEachFollowedByARefresh)
{
    Game game = emptyGame();
    layBeltRun(game, 10, 10, EAST, 8);
    CargoItem expected = glidingItem(game, 10, 10, 15);
    for (float step : {SUB_STEP, SUB_STEP, 0.016666664f})
        expected.advance(step);

    // Only a refresh takes away the distributor's power and holds the item bound for it.
    build(game, DISTRIBUTOR, 30, 10);
    supplyPower(game, 30, 10);
    CargoItem afterOneSubStep = glidingItem(game, 29, 10, 30);
    afterOneSubStep.advance(SUB_STEP);

    const std::vector<CargoItem> before = game.items;
    game.moveItems(0.0f);
    game.moveItems(-1.0f);
    EXPECT_EQ(game.items, before);
    EXPECT_TRUE(game.tileAt(30, 10).powerSupplied) << "no refresh without a step";

    game.moveItems(0.05f);
    EXPECT_EQ(game.items[0].posX, expected.posX);
    EXPECT_EQ(game.items[1].posX, afterOneSubStep.posX);
    EXPECT_FALSE(game.tileAt(30, 10).powerSupplied);
}

TEST(SmoothMotion, LineOfItemsMovesAsOneEvenWhenTheLeaderComesLast)
{
    Game game = emptyGame();
    layBeltRun(game, 10, 10, EAST, 10);
    for (int x = 10; x < 15; ++x)
        glidingItem(game, static_cast<float>(x), 10, x + 1);
    game.moveItems(SUB_STEP);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FLOAT_EQ(game.items[static_cast<std::size_t>(i)].posX, 10.0f + static_cast<float>(i) + GLIDE * SUB_STEP);
    }
}

TEST(SmoothMotion, FollowerClosesUpButMakesNoTinyMoves)
{
    // The leader stands held halfway along (12.5, 10); the follower may come
    // until the leader is less than 0.998 ahead on its route, at 11.502.
    constexpr float CLOSEST = 11.502f;
    struct Case {
        float room;
        bool moves;
    };
    // 0.02 of a sub-step at 1.7 tiles per second is 0.00057 tiles.
    for (const Case& c : {Case{0.02f, true}, Case{0.0003f, false}}) {
        Game game = emptyGame();
        layBeltRun(game, 10, 10, EAST, 6);
        const float start = CLOSEST - c.room;
        glidingItem(game, start, 10, 12);
        itemAtPosition(game, 12.5f, 10, EAST);
        game.moveItems(SUB_STEP);
        const float reached = game.items[0].posX;
        EXPECT_LE(reached, CLOSEST) << "room " << c.room;
        if (c.moves) {
            EXPECT_GT(reached, CLOSEST - 1e-4f) << "as close as the bisection finds";
        } else {
            EXPECT_EQ(reached, start);
        }
    }
}

TEST(SmoothMotion, JumpWaitsForAnOccupiedPointAndCostsNoBudget)
{
    struct Case {
        float otherY;  // an item beside the jump point (21, 10)
        bool jumps;
    };
    for (const Case& c : {Case{10.99f, false}, Case{10.9995f, true}}) {
        Game game = emptyGame();
        CargoItem& jumper = itemAtPosition(game, 20, 10, EAST);
        jumper.x = 22;
        jumper.path.push_back(PathPoint{21, 10, JUMP_SPEED, EAST, false});
        jumper.path.push_back(PathPoint{22, 10, GLIDE, EAST, false});
        itemAtPosition(game, 21, c.otherY, EAST);
        game.moveItems(SUB_STEP);
        const CargoItem& after = game.items[0];
        if (c.jumps) {
            EXPECT_FLOAT_EQ(after.posX, 21.0f + GLIDE * SUB_STEP) << "a full glide after the jump";
        } else {
            EXPECT_EQ(after.posX, 20.0f);
            EXPECT_EQ(after.path.size(), 2u);
        }
    }
}

TEST(SmoothMotion, CrossingADistributorOrMixerCentreSoundsAtTheMachinesMiddle)
{
    struct Case {
        ControlType machine;
        int laneY;  // 10 the main tile, 11 the second tile
        std::vector<MachineSound> expected;
    };
    const Case cases[] = {
        {DISTRIBUTOR, 11, {{false, static_cast<std::uint32_t>(tileIndex(20, 10)), 20.0f, 10.5f}}},
        {MIXER, 10, {{true, static_cast<std::uint32_t>(tileIndex(20, 10)), 20.0f, 10.5f}}},
        {MIXER, 11, {}},
    };
    for (const Case& c : cases) {
        Game game = emptyGame();
        RecordingSound sound;
        game.sound = &sound;
        build(game, c.machine, 20, 10);
        supplyPower(game, 20, 10);
        supplyPower(game, 20, 11);
        layBelt(game, 21, c.laneY, EAST);
        glidingItem(game, 19.99f, static_cast<float>(c.laneY), 21);
        game.moveItems(SUB_STEP);
        ASSERT_GT(game.items[0].posX, 20.005f);
        EXPECT_EQ(sound.played, c.expected) << "machine " << c.machine << " lane " << c.laneY;
    }
}

TEST(SmoothMotion, SteadyStateAllocatesNothing)
{
    Game game = emptyGame();
    layBeltLoop(game, 10, 10);
    itemAtPosition(game, 10, 10, EAST, COAL);
    itemAtPosition(game, 11, 10, EAST, LOG);
    itemAtPosition(game, 12, 12, WEST, IRON_ORE);
    long allocations = 0;
    float glided = 0.0f;
    for (int cycle = 0; cycle < 24; ++cycle) {
        for (BeltPass pass : {BeltPass::Full, BeltPass::FollowUp, BeltPass::FollowUp})
            game.stepItems(pass);
        const CargoItem before = game.items[0];
        if (cycle == 12) allocations = 0;  // the tables have reached their sizes
        startCountingAllocations();
        game.moveItems(0.6f);
        allocations += stopCountingAllocations();
        glided += std::hypot(game.items[0].posX - before.posX, game.items[0].posY - before.posY);
    }
    EXPECT_EQ(allocations, 0);
    EXPECT_GT(glided, 20.0f);
}
