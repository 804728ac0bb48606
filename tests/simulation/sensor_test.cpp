#include <gtest/gtest.h>

#include "support/signal_bench.h"

namespace {

constexpr int SENSOR_X = 10;
constexpr int SENSOR_Y = 10;

// The value the sensor compares: the smallest limit that its stock stays
// below, less one.
int measuredValue(SignalBench& bench, Tile& sensor)
{
    sensor.compareAbove = 0;
    for (int limit = 0; limit <= 30; ++limit) {
        sensor.limit = limit;
        bench.refresh();
        if (sensor.signalOut) return limit - 1;
    }
    return -1;
}

int stockOf(const Tile& machine, CargoType cargo)
{
    SignalBench bench;
    Tile& sensor = bench.onSensor(SENSOR_X, SENSOR_Y);
    sensor.sensorCargo = cargo;
    bench.game.tileAt(20, 20) = machine;
    bench.measure(SENSOR_X, SENSOR_Y, 20, 20);
    return measuredValue(bench, sensor);
}

Tile machineOf(ControlType type)
{
    Tile tile;
    tile.type = type;
    return tile;
}

// A camera sensor at (10, 10) watching the belt east of it.
struct CameraBench : SignalBench {
    Tile& sensor = onSensor(SENSOR_X, SENSOR_Y);

    CameraBench()
    {
        layBelt(game, SENSOR_X + 1, SENSOR_Y, EAST);
        sensor.sensorWatchItems = true;
        refresh();
    }

    CargoItem& putItem(CargoType cargo, std::uint64_t machineId = 0, std::uint64_t serial = 0)
    {
        CargoItem& item = game.items.emplace_back(SENSOR_X + 1, SENSOR_Y, EAST, cargo);
        item.id.machineId = machineId;
        item.id.serial = serial;
        return item;
    }
};

}  // namespace

TEST(Sensor, EachMachineReportsItsOwnStock)
{
    Tile source = machineOf(SOURCE);
    source.sourceProduced[COAL] = 4;
    EXPECT_EQ(stockOf(source, COAL), 4);

    Tile storage = machineOf(STORAGE);
    storage.storageCargo = {COAL, LOG, COAL};
    EXPECT_EQ(stockOf(storage, COAL), 2);

    Tile kiln = machineOf(OVEN);
    kiln.ovenOutputCount = 3;
    kiln.ovenInputCargo = {LOG, PLANKS, LOG};
    EXPECT_EQ(stockOf(kiln, COAL), 3);
    EXPECT_EQ(stockOf(kiln, LOG), 2);

    Tile smelter = machineOf(SMELTER);
    smelter.smelterInputCargo = {IRON_INGOT, IRON_ORE};
    smelter.smelterOutputCargo = {IRON_INGOT, STEEL_INGOT};
    EXPECT_EQ(stockOf(smelter, IRON_INGOT), 2);

    Tile generator = machineOf(COAL_GENERATOR);
    generator.generatorCoal = 5;
    EXPECT_EQ(stockOf(generator, COAL), 5);
    EXPECT_EQ(stockOf(generator, LOG), 0);

    Tile molder = machineOf(INJECTION_MOLDER);
    molder.molderGranulate = 6;
    molder.molderWater = 2;
    molder.molderOutputCount = 1;
    EXPECT_EQ(stockOf(molder, PLASTIC_GRANULATE), 6);
    EXPECT_EQ(stockOf(molder, WATER), 2);
    EXPECT_EQ(stockOf(molder, PLASTIC_GEAR), 1);

    Tile filler = machineOf(FILLER);
    filler.fillerBottles = 7;
    filler.fillerOutputCount = 2;
    EXPECT_EQ(stockOf(filler, EMPTY_BOTTLE), 7);
    EXPECT_EQ(stockOf(filler, FULL_BOTTLE), 2);
}

TEST(Sensor, StockOfSeveralMachinesAddsUpAndComparesEitherWay)
{
    SignalBench bench;
    Tile& sensor = bench.onSensor(SENSOR_X, SENSOR_Y);
    setTile(bench.game, 20, 20, COAL_GENERATOR).generatorCoal = 2;
    setTile(bench.game, 22, 20, STORAGE, EAST).storageCargo = {COAL, COAL};
    bench.measure(SENSOR_X, SENSOR_Y, 20, 20);
    bench.measure(SENSOR_X, SENSOR_Y, 22, 20);
    bench.measure(SENSOR_X, SENSOR_Y, 90, 20);  // outside the grid: skipped
    EXPECT_EQ(measuredValue(bench, sensor), 4);

    sensor.compareAbove = 1;
    sensor.limit = 3;
    bench.refresh();
    EXPECT_TRUE(sensor.signalOut);
    sensor.limit = 4;
    bench.refresh();
    EXPECT_FALSE(sensor.signalOut);
}

TEST(Sensor, ACameraCountsAnItemOfItsCargoOnTheWatchedBelt)
{
    CameraBench bench;
    bench.sensor.limit = 1;
    bench.refresh();
    EXPECT_TRUE(bench.sensor.signalOut);

    bench.putItem(LOG);
    bench.refresh();
    EXPECT_TRUE(bench.sensor.signalOut);

    bench.game.items.clear();
    bench.putItem(COAL);
    bench.refresh();
    EXPECT_FALSE(bench.sensor.signalOut);
    EXPECT_FLOAT_EQ(bench.sensor.sensorFlash, 0.32f);
    EXPECT_TRUE(bench.sensor.sensorSeenMatch);
}

TEST(Sensor, ACameraWithoutATargetIndexFollowsItsDirection)
{
    CameraBench bench;
    bench.sensor.dir = SOUTH;
    bench.sensor.sensorTargetIndex = 9;
    bench.sensor.limit = 1;
    layBelt(bench.game, SENSOR_X, SENSOR_Y + 1, SOUTH);
    bench.game.items.emplace_back(SENSOR_X, SENSOR_Y + 1, SOUTH, COAL);
    bench.refresh();
    EXPECT_FALSE(bench.sensor.signalOut);

    bench.sensor.sensorTargetIndex = 2;  // east, where nothing stands
    bench.refresh();
    EXPECT_TRUE(bench.sensor.signalOut);
}

TEST(Sensor, PulsesCountEachArrivalOnce)
{
    CameraBench bench;
    bench.sensor.sensorPerItem = true;
    Tile& ejector = setTile(bench.game, 20, 20, EJECTOR, EAST);
    Tile& source = setTile(bench.game, 22, 20, SOURCE, EAST);
    bench.wire(SENSOR_X, SENSOR_Y, 20, 20);
    bench.wire(SENSOR_X, SENSOR_Y, 22, 20);

    bench.putItem(COAL);
    for (int i = 0; i < 5; ++i)
        bench.refresh(0.1f);
    EXPECT_EQ(ejector.ejectorJobs, 1);
    EXPECT_TRUE(source.sourceRunning);  // THEN on the arrival only
    source.sourceRunning = false;
    bench.refresh();
    EXPECT_FALSE(source.sourceRunning);

    // An anonymous item of the same kind right behind it looks the same.
    bench.game.items.clear();
    bench.putItem(COAL);
    bench.refresh();
    EXPECT_EQ(ejector.ejectorJobs, 1);

    // After a gap it counts again.
    bench.game.items.clear();
    bench.refresh();
    bench.putItem(COAL);
    bench.refresh();
    EXPECT_EQ(ejector.ejectorJobs, 2);

    // Identified items count one by one.
    bench.game.items.clear();
    bench.putItem(COAL, 7, 1);
    bench.refresh();
    bench.game.items.clear();
    bench.putItem(COAL, 7, 2);
    bench.refresh();
    EXPECT_EQ(ejector.ejectorJobs, 4);

    // Other cargo is seen but sends nothing.
    bench.game.items.clear();
    bench.putItem(LOG);
    bench.refresh();
    EXPECT_EQ(ejector.ejectorJobs, 4);
    EXPECT_FALSE(bench.sensor.sensorSeenMatch);
}

TEST(Sensor, SingleJobArmsOfACameraLiveOnPulsesAlone)
{
    CameraBench bench;
    Tile& arm = build(bench.game, ARM, 20, 20);
    bench.wire(SENSOR_X, SENSOR_Y, 20, 20);
    bench.refresh();
    EXPECT_FALSE(arm.armSignalOn);  // the output is on, but no command reaches it
    EXPECT_EQ(arm.armPendingJobs, 0);

    bench.putItem(COAL);
    bench.refresh();
    bench.refresh();
    EXPECT_EQ(arm.armPendingJobs, 1);
}

TEST(Sensor, AnItemAlreadyThereWhen5VReturnsIsNoArrival)
{
    CameraBench bench;
    Tile& ejector = setTile(bench.game, 20, 20, EJECTOR, EAST);
    bench.wire(SENSOR_X, SENSOR_Y, 20, 20);
    bench.setPower(false);
    bench.putItem(COAL);
    bench.refresh();
    EXPECT_FALSE(bench.sensor.signalOut);

    bench.setPower(true);
    bench.refresh();
    bench.refresh();
    EXPECT_EQ(ejector.ejectorJobs, 0);
    EXPECT_EQ(bench.sensor.sensorFlash, 0.0f);
    EXPECT_TRUE(bench.sensor.sensorLastSeen.valid);
}
