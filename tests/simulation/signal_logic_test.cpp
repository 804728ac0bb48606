#include <gtest/gtest.h>

#include "support/signal_bench.h"

namespace {

// A switch that starts a timer of period 3; the first refresh brought the 5V.
struct TimerBench : SignalBench {
    Tile& start = onLogic(LOGIC_SWITCH, 1, 1);
    Tile& timer = onLogic(LOGIC_TIMER, 2, 1);

    TimerBench()
    {
        wire(1, 1, 2, 1);
        refresh();
    }
};

}  // namespace

TEST(SignalLogic, ATimerPulsesOncePeriodAfterItsStart)
{
    TimerBench bench;
    Tile& timer = bench.timer;
    bench.start.switchOn = true;
    bench.refresh(1.0f);
    bench.start.switchOn = false;
    bench.refresh(1.0f);
    bench.start.switchOn = true;  // an edge while it runs is ignored
    EXPECT_FALSE(timer.signalOut);
    bench.refresh(1.0f);
    EXPECT_TRUE(timer.signalOut);
    EXPECT_FLOAT_EQ(timer.pulse, 0.18f);
    EXPECT_FALSE(timer.running);
    bench.refresh(0.1f);
    EXPECT_TRUE(timer.signalOut);
    bench.refresh(0.1f);
    EXPECT_FALSE(timer.signalOut);
}

TEST(SignalLogic, AStepOvershootingThePulseGivesNone)
{
    TimerBench bench;
    Tile& timer = bench.timer;
    bench.start.switchOn = true;
    bench.refresh(1.0f);
    bench.refresh(1.0f);
    bench.refresh(1.2f);
    EXPECT_FALSE(timer.signalOut);
    EXPECT_FALSE(timer.running);
    EXPECT_EQ(timer.pulse, 0.0f);
}

TEST(SignalLogic, ClocksRunFreeOrWhileTheirInputIsOn)
{
    SignalBench bench;
    Tile& free = bench.onLogic(LOGIC_CLOCK, 1, 1);
    free.periodSeconds = 2;
    Tile& enable = bench.onLogic(LOGIC_SWITCH, 1, 2);
    Tile& wired = bench.onLogic(LOGIC_CLOCK, 2, 2);
    bench.wire(1, 2, 2, 2);
    bench.refresh(1.0f);
    EXPECT_FALSE(free.signalOut);
    bench.refresh(1.0f);
    EXPECT_TRUE(free.signalOut);
    bench.refresh(0.0f);  // no time passes: the pulse holds
    EXPECT_TRUE(free.signalOut);
    EXPECT_FALSE(wired.running);

    enable.switchOn = true;
    bench.refresh(1.5f);
    EXPECT_FLOAT_EQ(wired.elapsed, 1.5f);
    enable.switchOn = false;
    bench.refresh(0.5f);
    EXPECT_EQ(wired.elapsed, 0.0f);
    EXPECT_FALSE(wired.signalOut);
}

TEST(SignalLogic, ACounterPulsesOnItsLimitthEdge)
{
    SignalBench bench;
    Tile& button = bench.onLogic(LOGIC_BUTTON, 1, 1);
    Tile& counter = bench.onLogic(LOGIC_COUNTER, 2, 1);
    counter.limit = 3;
    bench.wire(1, 1, 2, 1);
    bench.refresh();

    bench.press(button);
    bench.press(button);
    EXPECT_EQ(counter.counterCount, 2);
    EXPECT_FALSE(counter.signalOut);
    button.buttonPressed = true;
    bench.refresh();  // no time passes, yet the edge counts
    EXPECT_TRUE(counter.signalOut);
    EXPECT_EQ(counter.counterCount, 0);

    counter.limit = 0;  // counts as 1
    button.buttonPressed = false;
    bench.refresh();
    counter.counterPulse = 0.0f;
    bench.press(button);
    EXPECT_GT(counter.counterPulse, 0.0f);
}

TEST(SignalLogic, TheLatchResetsWithPriorityAndRemembersThrough5VLoss)
{
    SignalBench bench;
    Tile& set = bench.onLogic(LOGIC_SWITCH, 1, 1);
    Tile& reset = bench.onLogic(LOGIC_SWITCH, 1, 2);
    Tile& latch = bench.onLogic(LOGIC_RS, 2, 1);
    bench.wire(1, 1, 2, 1, 0);
    bench.wire(1, 2, 2, 1, 1);
    set.switchOn = true;
    reset.switchOn = true;
    bench.refresh();
    EXPECT_FALSE(latch.signalOut);

    reset.switchOn = false;
    bench.refresh();
    set.switchOn = false;
    bench.refresh();
    EXPECT_TRUE(latch.signalOut);

    bench.setPower(false);
    EXPECT_FALSE(latch.signalOut);
    EXPECT_TRUE(latch.rsState);
    bench.setPower(true);
    EXPECT_TRUE(latch.signalOut);
}

TEST(SignalLogic, AChainSettlesInOneRefreshWhateverItsTileOrder)
{
    SignalBench bench;
    Tile& lamp = bench.onLogic(SIGNAL_LAMP, 1, 1);
    bench.onLogic(LOGIC_NOT, 2, 1);
    bench.onLogic(LOGIC_NOT, 3, 1);
    Tile& source = bench.onLogic(LOGIC_SWITCH, 4, 1);
    bench.wire(4, 1, 3, 1);
    bench.wire(3, 1, 2, 1);
    bench.wire(2, 1, 1, 1);
    bench.refresh();
    EXPECT_FALSE(lamp.signalOut);
    source.switchOn = true;
    bench.refresh();
    EXPECT_TRUE(lamp.signalOut);
    EXPECT_TRUE(lamp.inputA);

    // A wire set that fails validation freezes every output.
    bench.wire(1, 1, 3, 1, 1);
    source.switchOn = false;
    bench.refresh();
    EXPECT_TRUE(lamp.signalOut);
}

TEST(SignalLogic, AStepperDrivesOneOutputAtATime)
{
    SignalBench bench;
    Tile& button = bench.onLogic(LOGIC_BUTTON, 1, 1);
    Tile& stepper = bench.onLogic(LOGIC_STEPPER, 2, 1);
    Tile& lamp = bench.onLogic(SIGNAL_LAMP, 3, 1);
    bench.wire(1, 1, 2, 1);
    bench.wire(2, 1, 3, 1, 0, 2);
    bench.refresh();
    EXPECT_EQ(stepper.stepperIndex, -1);

    std::vector<int> steps;
    std::vector<bool> lit;
    for (int i = 0; i < 5; ++i) {
        bench.press(button);
        steps.push_back(stepper.stepperIndex);
        lit.push_back(lamp.signalOut);
    }
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 3, 0}));
    EXPECT_EQ(lit, (std::vector<bool>{false, false, true, false, false}));
}

TEST(SignalLogic, AnInputAlreadyOnWhen5VReturnsIsNoEdge)
{
    SignalBench bench;
    Tile& source = bench.onLogic(LOGIC_SWITCH, 1, 1);
    Tile& stepper = bench.onLogic(LOGIC_STEPPER, 2, 1);
    Tile& counter = bench.onLogic(LOGIC_COUNTER, 2, 2);
    Tile& lamp = bench.onLogic(SIGNAL_LAMP, 3, 1);
    bench.wire(1, 1, 2, 1);
    bench.wire(1, 1, 2, 2);
    bench.wire(2, 1, 3, 1, 0, 0);
    bench.refresh();

    bench.setPower(false);
    source.switchOn = true;
    bench.refresh();
    EXPECT_FALSE(stepper.signalOut);
    bench.setPower(true);
    EXPECT_EQ(stepper.stepperIndex, -1);
    EXPECT_EQ(counter.counterCount, 0);
    EXPECT_TRUE(lamp.dcJustSupplied);

    source.switchOn = false;
    bench.refresh();
    source.switchOn = true;
    bench.refresh();
    EXPECT_EQ(stepper.stepperIndex, 0);
    EXPECT_EQ(counter.counterCount, 1);
    EXPECT_TRUE(lamp.signalOut);
}
