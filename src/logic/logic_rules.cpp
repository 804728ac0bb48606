#include "logic/logic_rules.h"

#include <algorithm>
#include <cmath>

#include "logic/logic_controls.h"
#include "world/tile.h"

namespace {

bool risingEdge(bool input, bool previous) { return input && !previous; }

// A pulse that starts `overshoot` seconds late, so that it ends on time.
float latePulse(float overshoot) { return std::max(LOGIC_PULSE_SECONDS - overshoot, 0.0f); }

void showPulse(Tile& tile) { tile.signalOut = tile.pulse > 0.0f; }

void lowerPulse(Tile& tile, float dt) { tile.pulse = std::max(tile.pulse - dt, 0.0f); }

}  // namespace

bool wireSignal(const Tile& source, int outputIndex)
{
    if (source.type == LOGIC_STEPPER && source.stepperIndex != outputIndex) return false;
    return source.signalOut;
}

void switchOffWithout5V(Tile& tile)
{
    tile.signalOut = false;
    tile.pulse = 0.0f;
    tile.counterPulse = 0.0f;
}

void resynchroniseEdges(Tile& tile, bool sourceJustSupplied)
{
    if (sourceJustSupplied) tile.dcJustSupplied = true;
    if (!tile.dcJustSupplied) return;
    tile.prevInput = tile.inputA;
    tile.counterPrevInput = tile.inputA;
}

void evaluateGate(Tile& tile)
{
    const bool a = tile.inputA;
    const bool b = tile.inputB;
    switch (tile.type) {
    case LOGIC_AND:
        tile.signalOut = AndControl::evaluate(a, b);
        break;
    case LOGIC_OR:
        tile.signalOut = OrControl::evaluate(a, b);
        break;
    case LOGIC_XOR:
        tile.signalOut = XorControl::evaluate(a, b);
        break;
    case LOGIC_NOT:
        tile.signalOut = NotControl::evaluate(a, b);
        break;
    case SIGNAL_LAMP:
        tile.signalOut = SignalLampControl::evaluate(a, b);
        break;
    default:
        break;
    }
}

void evaluateLatch(Tile& tile)
{
    tile.rsState = RsControl::evaluate(tile.inputA, tile.inputB, tile.rsState);
    tile.signalOut = tile.rsState;
}

void evaluateCounter(Tile& tile)
{
    tile.signalOut = false;
    if (risingEdge(tile.inputA, tile.counterPrevInput)) {
        ++tile.counterCount;
        if (tile.counterCount >= std::clamp(tile.limit, COUNTER_LIMIT_MIN, COUNTER_LIMIT_MAX)) {
            tile.counterCount = 0;
            tile.counterPulse = LOGIC_PULSE_SECONDS;
        }
    }
    tile.counterPrevInput = tile.inputA;
    tile.signalOut = tile.counterPulse > 0.0f;
}

void countDownCounterPulse(Tile& tile, float seconds)
{
    if (tile.type != LOGIC_COUNTER || !tile.dcSupplied || tile.counterPulse <= 0.0f) return;
    tile.counterPulse -= seconds;
    if (tile.counterPulse > 0.0f) return;
    tile.counterPulse = 0.0f;
    tile.signalOut = false;
}

void evaluateTimer(Tile& tile, float dt)
{
    lowerPulse(tile, dt);
    // A rising edge while it runs does not restart it.
    if (!tile.running && risingEdge(tile.inputA, tile.prevInput)) {
        tile.running = true;
        tile.elapsed = 0.0f;
    }
    tile.prevInput = tile.inputA;
    if (tile.running && dt > 0.0f) {
        tile.elapsed += dt;
        const float period = static_cast<float>(tile.periodSeconds);
        if (tile.elapsed >= period) {
            tile.pulse = latePulse(tile.elapsed - period);
            tile.running = false;
            tile.elapsed = 0.0f;
        }
    }
    showPulse(tile);
}

void evaluateClock(Tile& tile, float dt, bool wired)
{
    lowerPulse(tile, dt);
    tile.running = !wired || tile.inputA;
    tile.prevInput = tile.inputA;
    if (!tile.running) {
        // Input off resets the clock.
        tile.elapsed = 0.0f;
        tile.pulse = 0.0f;
        tile.signalOut = false;
        return;
    }
    if (dt > 0.0f) {
        tile.elapsed += dt;
        const float period = static_cast<float>(tile.periodSeconds);
        if (tile.elapsed >= period) {
            // One pulse per refresh, however many periods it spans; the phase is kept.
            tile.pulse = latePulse(std::fmod(tile.elapsed - period, period));
            tile.elapsed = std::fmod(tile.elapsed, period);
        }
    }
    showPulse(tile);
}

void evaluateSwitch(Tile& tile) { tile.signalOut = tile.switchOn; }

void evaluateButton(Tile& tile) { tile.signalOut = tile.buttonPressed; }

void evaluateStepper(Tile& tile)
{
    if (risingEdge(tile.inputA, tile.prevInput)) tile.stepperIndex = (tile.stepperIndex + 1) % 4;
    tile.prevInput = tile.inputA;
    tile.signalOut = tile.stepperIndex >= 0;
}

void evaluateLogicRule(Tile& tile, float dt, bool wired)
{
    switch (tile.type) {
    case LOGIC_AND:
    case LOGIC_OR:
    case LOGIC_XOR:
    case LOGIC_NOT:
    case SIGNAL_LAMP:
        evaluateGate(tile);
        break;
    case LOGIC_RS:
        evaluateLatch(tile);
        break;
    case LOGIC_COUNTER:
        evaluateCounter(tile);
        break;
    case LOGIC_TIMER:
        evaluateTimer(tile, dt);
        break;
    case LOGIC_CLOCK:
        evaluateClock(tile, dt, wired);
        break;
    case LOGIC_SWITCH:
        evaluateSwitch(tile);
        break;
    case LOGIC_BUTTON:
        evaluateButton(tile);
        break;
    case LOGIC_STEPPER:
        evaluateStepper(tile);
        break;
    default:
        break;
    }
}

void refreshLogicTile(Tile& tile, float dt, bool wired, bool sourceJustSupplied)
{
    if (!tile.dcSupplied) {
        switchOffWithout5V(tile);
        return;
    }
    resynchroniseEdges(tile, sourceJustSupplied);
    evaluateLogicRule(tile, dt, wired);
}
