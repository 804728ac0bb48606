#include <gtest/gtest.h>

#include <vector>

#include "logic/logic_controls.h"
#include "logic/logic_rules.h"
#include "world/control.h"
#include "world/game.h"

namespace {

// A freshly built component with 5V.
Tile poweredComponent(ControlType type)
{
    Game game;
    EXPECT_TRUE(controlForType(type).place(game, 1, 1));
    Tile tile = game.tileAt(1, 1);
    tile.dcSupplied = true;
    return tile;
}

void refresh(Tile& tile, bool a, float dt = 0.0f, bool wired = true)
{
    tile.inputA = a;
    refreshLogicTile(tile, dt, wired, false);
}

// Drives input A low then high once.
void pulseInput(Tile& tile)
{
    refresh(tile, false);
    refresh(tile, true);
}

}  // namespace

TEST(LogicGates, LatchResetWinsAndHoldsWithoutSignal)
{
    EXPECT_FALSE(RsControl::evaluate(true, true, false));
    EXPECT_TRUE(RsControl::evaluate(false, false, true));
    EXPECT_TRUE(RsControl::evaluate(true, false, false));

    Tile latch = poweredComponent(LOGIC_RS);
    latch.inputA = true;
    latch.inputB = true;
    refreshLogicTile(latch, 0.0f, true, false);
    EXPECT_FALSE(latch.signalOut);
    latch.inputB = false;
    refreshLogicTile(latch, 0.0f, true, false);
    latch.inputA = false;
    refreshLogicTile(latch, 0.0f, true, false);
    EXPECT_TRUE(latch.signalOut);
    EXPECT_TRUE(latch.rsState);
}

TEST(LogicGates, NotIgnoresInputBAndTheLampShowsA)
{
    EXPECT_TRUE(NotControl::evaluate(false, true));
    Tile notGate = poweredComponent(LOGIC_NOT);
    notGate.inputB = true;
    refresh(notGate, false);
    EXPECT_TRUE(notGate.signalOut);

    Tile lamp = poweredComponent(SIGNAL_LAMP);
    refresh(lamp, true);
    EXPECT_TRUE(lamp.signalOut);
}

TEST(LogicCounter, PulsesOnTheLimitthRisingEdgeAndStartsAgain)
{
    Tile counter = poweredComponent(LOGIC_COUNTER);
    counter.limit = 3;
    pulseInput(counter);
    pulseInput(counter);
    EXPECT_FALSE(counter.signalOut);
    EXPECT_EQ(counter.counterCount, 2);
    pulseInput(counter);
    EXPECT_TRUE(counter.signalOut);
    EXPECT_EQ(counter.counterCount, 0);
    EXPECT_FLOAT_EQ(counter.counterPulse, LOGIC_PULSE_SECONDS);

    // A level that stays on counts once.
    refresh(counter, true);
    EXPECT_EQ(counter.counterCount, 0);

    // The world step runs the pulse down and the output goes off with it.
    countDownCounterPulse(counter, 0.1f);
    EXPECT_TRUE(counter.signalOut);
    countDownCounterPulse(counter, 0.1f);
    EXPECT_FALSE(counter.signalOut);
    EXPECT_EQ(counter.counterPulse, 0.0f);
}

TEST(LogicCounter, LimitIsClampedToItsRange)
{
    for (int limit : {0, -5, 1}) {
        Tile counter = poweredComponent(LOGIC_COUNTER);
        counter.limit = limit;
        pulseInput(counter);
        EXPECT_TRUE(counter.signalOut) << limit;
    }
    Tile counter = poweredComponent(LOGIC_COUNTER);
    counter.limit = 2000000;
    counter.counterCount = 999999;
    pulseInput(counter);
    EXPECT_TRUE(counter.signalOut);
    EXPECT_EQ(counter.counterCount, 0);
}

TEST(LogicTimer, OnePulseAfterItsPeriodAndEdgesDoNotRestartIt)
{
    Tile timer = poweredComponent(LOGIC_TIMER);
    refresh(timer, true, 0.0f);
    EXPECT_TRUE(timer.running);
    refresh(timer, false, 1.0f);
    refresh(timer, true, 1.0f);  // a second edge while it runs
    EXPECT_FLOAT_EQ(timer.elapsed, 2.0f);
    EXPECT_FALSE(timer.signalOut);
    refresh(timer, true, 1.0f);
    EXPECT_TRUE(timer.signalOut);
    EXPECT_FLOAT_EQ(timer.pulse, LOGIC_PULSE_SECONDS);
    EXPECT_FALSE(timer.running);
    EXPECT_EQ(timer.elapsed, 0.0f);

    // With short steps the pulse lasts about 0.18 s.
    int onSteps = 0;
    for (int i = 0; i < 10; ++i) {
        refresh(timer, true, 0.05f);
        if (timer.signalOut) ++onSteps;
    }
    EXPECT_EQ(onSteps, 3);
}

TEST(LogicTimer, AnOvershootOfAPulseLengthGivesNoPulse)
{
    Tile timer = poweredComponent(LOGIC_TIMER);
    refresh(timer, true, 0.0f);
    refresh(timer, true, 2.0f);
    refresh(timer, true, 1.2f);
    EXPECT_FALSE(timer.running);
    EXPECT_FALSE(timer.signalOut);
    EXPECT_EQ(timer.pulse, 0.0f);

    // Overshot by 0.1 s the pulse is shortened to what is left of it.
    refresh(timer, false, 0.0f);
    refresh(timer, true, 0.0f);
    refresh(timer, true, 3.1f);
    EXPECT_TRUE(timer.signalOut);
    EXPECT_NEAR(timer.pulse, 0.08f, 1e-5f);
}

TEST(LogicClock, UnwiredTicksEveryPeriod)
{
    Tile clock = poweredComponent(LOGIC_CLOCK);
    clock.periodSeconds = 2;
    std::vector<int> ticks;
    for (int step = 1; step <= 40; ++step) {
        refresh(clock, false, 0.25f, false);
        if (clock.signalOut && clock.pulse == LOGIC_PULSE_SECONDS) ticks.push_back(step);
    }
    EXPECT_EQ(ticks, (std::vector<int>{8, 16, 24, 32, 40}));
    EXPECT_TRUE(clock.running);
}

TEST(LogicClock, WiredClockStaysSilentAndForgetsWhileItsInputIsOff)
{
    Tile clock = poweredComponent(LOGIC_CLOCK);
    refresh(clock, true, 2.5f);
    EXPECT_FLOAT_EQ(clock.elapsed, 2.5f);
    refresh(clock, false, 1.0f);
    EXPECT_FALSE(clock.running);
    EXPECT_EQ(clock.elapsed, 0.0f);
    EXPECT_FALSE(clock.signalOut);
    refresh(clock, false, 5.0f);
    EXPECT_FALSE(clock.signalOut);
    EXPECT_EQ(clock.elapsed, 0.0f);
}

TEST(LogicClock, LongStepKeepsThePhaseButGivesOnePulse)
{
    Tile clock = poweredComponent(LOGIC_CLOCK);
    refresh(clock, false, 6.1f, false);
    EXPECT_NEAR(clock.elapsed, 0.1f, 1e-5f);
    EXPECT_NEAR(clock.pulse, 0.08f, 1e-5f);
    refresh(clock, false, 4.0f, false);
    EXPECT_NEAR(clock.elapsed, 1.1f, 1e-5f);
    EXPECT_FALSE(clock.signalOut);

    // The period ran out 0.2 s before the end of this step: no pulse.
    Tile late = poweredComponent(LOGIC_CLOCK);
    refresh(late, false, 3.2f, false);
    EXPECT_FALSE(late.signalOut);
}

TEST(LogicSwitches, FollowThePlayer)
{
    Tile switchTile = poweredComponent(LOGIC_SWITCH);
    switchTile.switchOn = true;
    refresh(switchTile, false);
    EXPECT_TRUE(switchTile.signalOut);

    Tile button = poweredComponent(LOGIC_BUTTON);
    button.buttonPressed = true;
    refresh(button, false);
    EXPECT_TRUE(button.signalOut);
    button.buttonPressed = false;
    refresh(button, false);
    EXPECT_FALSE(button.signalOut);
}

TEST(LogicStepper, CyclesThroughItsFourOutputs)
{
    Tile stepper = poweredComponent(LOGIC_STEPPER);
    refresh(stepper, false);
    EXPECT_FALSE(stepper.signalOut);
    std::vector<int> steps;
    for (int i = 0; i < 5; ++i) {
        pulseInput(stepper);
        refresh(stepper, true);
        steps.push_back(stepper.stepperIndex);
    }
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 3, 0}));
    EXPECT_TRUE(stepper.signalOut);

    // Only the wire of the present step carries the signal.
    pulseInput(stepper);
    EXPECT_EQ(stepper.stepperIndex, 1);
    EXPECT_TRUE(wireSignal(stepper, 1));
    EXPECT_FALSE(wireSignal(stepper, 0));
    EXPECT_FALSE(wireSignal(stepper, 2));

    Tile andGate = poweredComponent(LOGIC_AND);
    andGate.signalOut = true;
    EXPECT_TRUE(wireSignal(andGate, 0));
}

TEST(LogicPower, Without5VOutputsGoOffAndMemoriesStay)
{
    Tile latch = poweredComponent(LOGIC_RS);
    refresh(latch, true);
    refresh(latch, false);
    latch.dcSupplied = false;
    refresh(latch, false);
    EXPECT_FALSE(latch.signalOut);
    EXPECT_TRUE(latch.rsState);
    // Without 5V nothing is evaluated: a reset is not taken either.
    latch.inputB = true;
    refreshLogicTile(latch, 0.0f, true, false);
    EXPECT_TRUE(latch.rsState);
    latch.inputB = false;
    latch.dcSupplied = true;
    latch.dcJustSupplied = true;
    refresh(latch, false);
    EXPECT_TRUE(latch.signalOut);

    Tile timer = poweredComponent(LOGIC_TIMER);
    refresh(timer, true, 0.0f);
    refresh(timer, true, 3.0f);
    timer.dcSupplied = false;
    refresh(timer, true, 0.05f);
    EXPECT_FALSE(timer.signalOut);
    EXPECT_EQ(timer.pulse, 0.0f);

    Tile counter = poweredComponent(LOGIC_COUNTER);
    counter.limit = 1;
    pulseInput(counter);
    counter.dcSupplied = false;
    refresh(counter, true);
    EXPECT_EQ(counter.counterPulse, 0.0f);
    countDownCounterPulse(counter, 1.0f);
    EXPECT_EQ(counter.counterPulse, 0.0f);
}

TEST(LogicPower, AnInputAlreadyOnWhen5VReturnsIsNoEdge)
{
    for (ControlType type : {LOGIC_COUNTER, LOGIC_TIMER, LOGIC_STEPPER}) {
        Tile tile = poweredComponent(type);
        tile.limit = 1;
        tile.dcSupplied = false;
        refresh(tile, true);
        tile.dcSupplied = true;
        tile.dcJustSupplied = true;
        refresh(tile, true);
        EXPECT_EQ(tile.counterCount, 0) << type;
        EXPECT_FALSE(tile.running) << type;
        EXPECT_EQ(tile.stepperIndex, -1) << type;
        EXPECT_FALSE(tile.signalOut) << type;
    }

    // The fresh 5V of a feeding source reaches the component too.
    Tile stepper = poweredComponent(LOGIC_STEPPER);
    stepper.inputA = true;
    refreshLogicTile(stepper, 0.0f, true, true);
    EXPECT_TRUE(stepper.dcJustSupplied);
    EXPECT_EQ(stepper.stepperIndex, -1);
}
