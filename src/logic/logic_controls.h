#pragma once

#include "world/control.h"
#include "world/control_type.h"

// The limit a newly built counter counts to.
constexpr int COUNTER_PLACED_LIMIT = 99999;

// AND, OR, XOR and the RS latch take two switch wires, on inputs A and B.
inline bool hasTwoInputs(ControlType t) { return t == LOGIC_AND || t == LOGIC_OR || t == LOGIC_XOR || t == LOGIC_RS; }

// Logic components (26..36 and 38): build only on a free tile, never turn,
// take no cargo and are cleared by the demolish command, not by remove.
class LogicControl : public Control {
  public:
    explicit LogicControl(ControlType type) : type_(type) {}

    bool place(ControlGrid& grid, int x, int y) const override;

  private:
    ControlType type_;
};

class AndControl : public LogicControl {
  public:
    AndControl() : LogicControl(LOGIC_AND) {}
    static bool evaluate(bool a, bool b) { return a && b; }
};

class OrControl : public LogicControl {
  public:
    OrControl() : LogicControl(LOGIC_OR) {}
    static bool evaluate(bool a, bool b) { return a || b; }
};

class XorControl : public LogicControl {
  public:
    XorControl() : LogicControl(LOGIC_XOR) {}
    static bool evaluate(bool a, bool b) { return a != b; }
};

class NotControl : public LogicControl {
  public:
    NotControl() : LogicControl(LOGIC_NOT) {}
    static bool evaluate(bool a, bool /*b*/) { return !a; }
};

class SignalLampControl : public LogicControl {
  public:
    SignalLampControl() : LogicControl(SIGNAL_LAMP) {}
    static bool evaluate(bool a, bool /*b*/) { return a; }
};

class RsControl : public LogicControl {
  public:
    RsControl() : LogicControl(LOGIC_RS) {}
    // Reset wins; with neither input on the latch holds q.
    static bool evaluate(bool set, bool reset, bool q) { return !reset && (set || q); }
};

class CounterControl : public LogicControl {
  public:
    CounterControl() : LogicControl(LOGIC_COUNTER) {}
};

class TimerControl : public LogicControl {
  public:
    TimerControl() : LogicControl(LOGIC_TIMER) {}
};

class ClockControl : public LogicControl {
  public:
    ClockControl() : LogicControl(LOGIC_CLOCK) {}
};

class SwitchControl : public LogicControl {
  public:
    SwitchControl() : LogicControl(LOGIC_SWITCH) {}
};

class ButtonControl : public LogicControl {
  public:
    ButtonControl() : LogicControl(LOGIC_BUTTON) {}
};

class StepperControl : public LogicControl {
  public:
    StepperControl() : LogicControl(LOGIC_STEPPER) {}
};
