#pragma once

struct Tile;

// The rules by which a logic component's fields change in one signal refresh.
// The signal step gathers inputA and inputB first, then calls these.

constexpr float LOGIC_PULSE_SECONDS = 0.18f;
constexpr int COUNTER_LIMIT_MIN = 1;
constexpr int COUNTER_LIMIT_MAX = 1000000;
// A timer's or clock's period in whole seconds.
constexpr int LOGIC_PERIOD_MIN = 1;
constexpr int LOGIC_PERIOD_MAX = 3600;

// What a switch wire from this source carries: a stepper drives only the wire
// of its present step.
bool wireSignal(const Tile& source, int outputIndex);

// Without 5V the output and pulses go off; every memory stays.
void switchOffWithout5V(Tile& tile);

// When 5V has just come back here or at a source feeding the tile, the edge
// memories take the present input, so a level already on is no rising edge.
void resynchroniseEdges(Tile& tile, bool sourceJustSupplied);

// AND, OR, XOR, NOT and signal lamp: the output from the two inputs.
void evaluateGate(Tile& tile);
// RS latch: the memory from set (A) and reset (B), shown at the output.
void evaluateLatch(Tile& tile);
// Counter: a pulse on every limit-th rising edge.
void evaluateCounter(Tile& tile);
// The world step's countdown of a counter's pulse.
void countDownCounterPulse(Tile& tile, float seconds);
// Timer: a rising edge starts it, one pulse when its period has run out.
void evaluateTimer(Tile& tile, float dt);
// Clock: a pulse every period while enabled; wired, input A enables it.
void evaluateClock(Tile& tile, float dt, bool wired);
void evaluateSwitch(Tile& tile);
void evaluateButton(Tile& tile);
// Stepper: each rising edge selects the next of its four outputs.
void evaluateStepper(Tile& tile);

// The rule of the tile's type, for a powered tile whose edges are in step.
void evaluateLogicRule(Tile& tile, float dt, bool wired);

// One whole refresh of a logic tile whose inputs are gathered: the 5V rule,
// edge resynchronisation, then its type's rule.
void refreshLogicTile(Tile& tile, float dt, bool wired, bool sourceJustSupplied);
