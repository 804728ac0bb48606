#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "support/signal_bench.h"

namespace {

// Counts heap allocations while a refresh runs.
bool countingAllocations = false;
long allocationCount = 0;

}  // namespace

void* operator new(std::size_t size)
{
    if (countingAllocations) ++allocationCount;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

// Kept out of line so the compiler never pairs a new expression with free().
[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

TEST(NetworkRefresh, ASettledWorldRefreshesWithoutAllocating)
{
    SignalBench bench;
    build(bench.game, POWER_POLE, 10, 10);
    bench.game.powerLinks.push_back(Link{SignalBench::SUPPLY_X, SignalBench::SUPPLY_Y + 1, 10, 10});
    for (int x = 8; x <= 12; ++x) build(bench.game, ARM, x, 12);
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

    allocationCount = 0;
    countingAllocations = true;
    for (int i = 0; i < 10; ++i) bench.refresh(0.1f);
    countingAllocations = false;
    EXPECT_EQ(allocationCount, 0);
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
