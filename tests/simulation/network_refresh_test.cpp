#include <gtest/gtest.h>

#include "allocation_counter.h"
#include "support/signal_bench.h"

TEST(NetworkRefresh, ASettledWorldRefreshesWithoutAllocating)
{
    SignalBench bench;
    build(bench.game, POWER_POLE, 10, 10);
    bench.game.powerLinks.push_back(Link{SignalBench::SUPPLY_X, SignalBench::SUPPLY_Y + 1, 10, 10});
    for (int x = 8; x <= 12; ++x)
        build(bench.game, ARM, x, 12);
    build(bench.game, DISTRIBUTOR, 8, 8);
    bench.game.items.emplace_back(8, 12, EAST, COAL).carried = true;
    Tile& sensor = bench.onSensor(30, 30);
    sensor.sensorWatchItems = true;
    layBelt(bench.game, 31, 30, EAST);
    bench.game.items.emplace_back(31, 30, EAST, COAL);
    setTile(bench.game, 40, 40, STORAGE, EAST).storageCargo = {COAL};
    bench.measure(30, 30, 40, 40);
    bench.onLogic(LOGIC_CLOCK, 32, 32);
    bench.onLogic(LOGIC_NOT, 33, 32);
    bench.wire(32, 32, 33, 32);
    bench.wire(33, 32, 10, 12);
    bench.wire(30, 30, 12, 12);
    bench.refresh(0.1f);
    bench.refresh(0.1f);

    startCountingAllocations();
    for (int i = 0; i < 10; ++i)
        bench.refresh(0.1f);
    EXPECT_EQ(stopCountingAllocations(), 0);
}

TEST(NetworkRefresh, ACopiedWorldStartsWithItsOwnWorkingTables)
{
    SignalBench bench;
    Tile& lamp = bench.onLogic(SIGNAL_LAMP, 2, 1);
    Tile& source = bench.onLogic(LOGIC_SWITCH, 1, 1);
    source.switchOn = true;
    bench.wire(1, 1, 2, 1);
    bench.refresh();
    Game copy = bench.game;
    copy.updateNetworks(0.0f);
    EXPECT_TRUE(copy.tileAt(2, 1).signalOut);
    EXPECT_TRUE(lamp.signalOut);
}
