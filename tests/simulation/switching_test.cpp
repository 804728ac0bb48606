#include <gtest/gtest.h>

#include "support/signal_bench.h"

// Sensors with nothing measured read 0, below their default limit 3, so their
// output is on and they send their THEN action.

TEST(Switching, TheLowerTileIndexWinsATieWhateverTheWireOrder)
{
    SignalBench bench;
    Tile& first = bench.onSensor(1, 1);
    Tile& second = bench.onSensor(2, 1);
    first.thenAction = SWITCH_OFF;
    Tile& source = setTile(bench.game, 10, 10, SOURCE, EAST);
    source.sourceRunning = true;
    bench.wire(2, 1, 10, 10);
    bench.wire(1, 1, 10, 10);
    bench.refresh();
    EXPECT_FALSE(source.sourceRunning);

    first.thenAction = SWITCH_ON;
    second.thenAction = SWITCH_OFF;
    bench.refresh();
    EXPECT_TRUE(source.sourceRunning);
}

TEST(Switching, HigherPriorityBeatsTileOrder)
{
    SignalBench bench;
    Tile& logic = bench.onLogic(LOGIC_SWITCH, 1, 1);
    logic.switchOn = true;
    Tile& sensor = bench.onSensor(5, 5);
    sensor.thenAction = SWITCH_OFF;
    sensor.switchPriority = 1;
    Tile& generator = buildFuelledGenerator(bench.game, 20, 20);
    bench.wire(1, 1, 20, 20);
    bench.wire(5, 5, 20, 20);
    bench.refresh();
    EXPECT_FALSE(generator.generatorOn);

    sensor.switchPriority = 0;
    bench.refresh();
    EXPECT_TRUE(generator.generatorOn);
}

TEST(Switching, KilnsAndSmeltersGetTheirBuiltMasksBackOrNothing)
{
    SignalBench bench;
    Tile& sensor = bench.onSensor(1, 1);
    sensor.thenAction = SWITCH_OFF;
    Tile& kiln = build(bench.game, OVEN, 10, 10);
    Tile& smelter = build(bench.game, SMELTER, 12, 10);
    kiln.ovenAcceptMask = 1;  // the player took planks out
    bench.wire(1, 1, 10, 10);
    bench.wire(1, 1, 12, 10);
    bench.refresh();
    EXPECT_EQ(kiln.ovenAcceptMask, 0u);
    EXPECT_EQ(smelter.smelterAcceptMask, 0u);

    sensor.thenAction = SWITCH_ON;
    bench.refresh();
    EXPECT_EQ(kiln.ovenAcceptMask, 3u);
    EXPECT_EQ(smelter.smelterAcceptMask, 28u);
}

TEST(Switching, ASingleJobArmGainsAJobPerRisingEdge)
{
    SignalBench bench;
    Tile& logic = bench.onLogic(LOGIC_SWITCH, 1, 1);
    Tile& arm = build(bench.game, ARM, 10, 10);
    bench.wire(1, 1, 10, 10);
    bench.refresh();
    logic.switchOn = true;
    for (int i = 0; i < 10; ++i)
        bench.refresh();
    EXPECT_EQ(arm.armPendingJobs, 1);
    EXPECT_TRUE(arm.armSignalOn);

    logic.switchOn = false;
    bench.refresh();
    EXPECT_FALSE(arm.armSignalOn);
    logic.switchOn = true;
    bench.refresh();
    EXPECT_EQ(arm.armPendingJobs, 2);

    arm.armPendingJobs = 1000;
    arm.armSignalOn = false;
    bench.refresh();
    EXPECT_EQ(arm.armPendingJobs, 1000);

    // In continuous mode the signal is a plain enable.
    arm.armContinuous = true;
    logic.switchOn = false;
    bench.refresh();
    EXPECT_FALSE(arm.armSignalOn);
    EXPECT_EQ(arm.armPendingJobs, 0);
}

TEST(Switching, ASourceThatJustGot5VStartsNoJob)
{
    SignalBench bench;
    Tile& logic = bench.onLogic(LOGIC_SWITCH, 1, 1);
    logic.switchOn = true;
    Tile& arm = build(bench.game, ARM, 10, 10);
    bench.wire(1, 1, 10, 10);
    bench.setPower(false);
    EXPECT_FALSE(arm.armSignalOn);

    bench.setPower(true);
    EXPECT_TRUE(arm.armSignalOn);
    EXPECT_EQ(arm.armPendingJobs, 0);
    bench.refresh();
    EXPECT_EQ(arm.armPendingJobs, 0);
}

TEST(Switching, ASourceWithout5VSwitchesOffAndCancelsWhatItOwed)
{
    SignalBench bench;
    Tile& sensor = setTile(bench.game, 1, 1, SENSOR);  // on no 5V cable
    sensor.signalOut = true;
    Tile& source = setTile(bench.game, 10, 10, SOURCE, EAST);
    source.sourceRunning = true;
    Tile& arm = build(bench.game, ARM, 12, 10);
    arm.armPendingJobs = 4;
    Tile& ejector = setTile(bench.game, 14, 10, EJECTOR, EAST);
    ejector.ejectorJobs = 2;
    Tile& lamp = bench.onLogic(SIGNAL_LAMP, 16, 10);
    bench.wire(1, 1, 10, 10);
    bench.wire(1, 1, 12, 10);
    bench.wire(1, 1, 14, 10);
    bench.wire(1, 1, 16, 10);
    bench.refresh();

    EXPECT_FALSE(sensor.signalOut);
    EXPECT_FALSE(source.sourceRunning);
    EXPECT_EQ(arm.armPendingJobs, 0);
    EXPECT_EQ(ejector.ejectorJobs, 0);
    EXPECT_FALSE(ejector.ejectorActive);
    EXPECT_FALSE(lamp.signalOut);
}

TEST(Switching, WithoutACommandMachinesKeepTheirSwitches)
{
    SignalBench bench;
    Tile& sensor = bench.onSensor(1, 1);
    sensor.limit = 0;  // 0 is not below 0: the output is off and ELSE says no change
    Tile& storage = setTile(bench.game, 10, 10, STORAGE, EAST);
    storage.storageOutputOn = true;
    bench.wire(1, 1, 10, 10);
    bench.refresh();
    EXPECT_TRUE(storage.storageOutputOn);
    EXPECT_FALSE(sensor.signalOut);
}

TEST(Switching, ArmsAndDistributorsLetGoWhenTheirWireIsGone)
{
    SignalBench bench;
    Tile& arm = build(bench.game, ARM, 10, 10);
    arm.armPendingJobs = 5;
    arm.armSignalOn = true;
    Tile& distributor = build(bench.game, DISTRIBUTOR, 12, 10);
    distributor.signalSelectsB = true;
    Tile& source = setTile(bench.game, 14, 10, SOURCE, EAST);
    source.sourceRunning = true;
    bench.refresh();
    EXPECT_EQ(arm.armPendingJobs, 0);
    EXPECT_FALSE(arm.armSignalOn);
    EXPECT_FALSE(distributor.signalSelectsB);
    EXPECT_TRUE(source.sourceRunning);
}

TEST(Switching, AStepperSwitchesThroughTheWireOfItsStep)
{
    SignalBench bench;
    Tile& button = bench.onLogic(LOGIC_BUTTON, 1, 1);
    bench.onLogic(LOGIC_STEPPER, 2, 1);
    Tile& sink = setTile(bench.game, 10, 10, SINK);
    Tile& other = setTile(bench.game, 12, 10, SINK);
    bench.wire(1, 1, 2, 1);
    bench.wire(2, 1, 10, 10, 0, 1);
    bench.wire(2, 1, 12, 10, 0, 0);
    bench.refresh();
    bench.press(button);
    EXPECT_FALSE(sink.sinkAccepting);
    EXPECT_TRUE(other.sinkAccepting);
    bench.press(button);
    EXPECT_TRUE(sink.sinkAccepting);
    EXPECT_FALSE(other.sinkAccepting);
}
