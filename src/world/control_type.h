#pragma once

// Tile type numbers. They are stored in map files, so the values are fixed.
using ControlType = int;

constexpr ControlType EMPTY = 0;
constexpr ControlType PLAIN = 1;
constexpr ControlType BELT = 2;
constexpr ControlType SOURCE = 3;
constexpr ControlType SINK = 4;
constexpr ControlType ARM = 5;
constexpr ControlType LONG_ARM = 6;
constexpr ControlType DISTRIBUTOR = 7;
constexpr ControlType DISTRIBUTOR_SECOND = 8;
constexpr ControlType MIXER = 9;
constexpr ControlType MIXER_SECOND = 10;
constexpr ControlType OVEN = 11;
constexpr ControlType SMELTER = 12;
constexpr ControlType FILLER = 13;
constexpr ControlType BRIDGE = 14;
constexpr ControlType STORAGE = 15;
constexpr ControlType TUNNEL = 16;
constexpr ControlType TUNNEL_EXIT = 17;
constexpr ControlType SHOP = 18;
constexpr ControlType COAL_GENERATOR = 19;
constexpr ControlType POWER_POLE = 20;
constexpr ControlType INJECTION_MOLDER = 21;
constexpr ControlType WATER_SOURCE = 22;
constexpr ControlType WATER_PIPE = 23;
constexpr ControlType SENSOR = 24;
constexpr ControlType EJECTOR = 25;
constexpr ControlType LOGIC_AND = 26;
constexpr ControlType LOGIC_OR = 27;
constexpr ControlType LOGIC_XOR = 28;
constexpr ControlType LOGIC_NOT = 29;
constexpr ControlType SIGNAL_LAMP = 30;
constexpr ControlType LOGIC_COUNTER = 31;
constexpr ControlType LOGIC_TIMER = 32;
constexpr ControlType LOGIC_CLOCK = 33;
constexpr ControlType LOGIC_SWITCH = 34;
constexpr ControlType LOGIC_BUTTON = 35;
constexpr ControlType LOGIC_STEPPER = 36;
constexpr ControlType POWER_SUPPLY = 37;
constexpr ControlType LOGIC_RS = 38;

constexpr ControlType CONTROL_TYPE_COUNT = 39;

inline bool isArm(ControlType t) { return t == ARM || t == LONG_ARM; }
// Belts and bridge ramps: the tiles whose belt level moves items on.
inline bool isBeltOrBridge(ControlType t) { return t == BELT || t == BRIDGE; }
// Arms, distributors and mixers with both their tiles stand still without
// power; other controls need none.
inline bool runsOnlyWithPower(ControlType t) { return t >= ARM && t <= MIXER_SECOND; }

// Sensor, every logic component and the RS latch: the ends a 5V cable may join
// besides a 5V supply.
inline bool isSignalType(ControlType t)
{
    return t == SENSOR || (t >= LOGIC_AND && t <= LOGIC_STEPPER) || t == LOGIC_RS;
}
// Signal components whose output can drive a switch wire (all but the lamp).
inline bool isSignalSourceType(ControlType t) { return isSignalType(t) && t != SIGNAL_LAMP; }
// AND, OR, XOR, NOT, signal lamp, counter, timer, clock, switch, button,
// stepper and RS latch: the signal types but the sensor.
inline bool isLogicType(ControlType t) { return isSignalType(t) && t != SENSOR; }
// The signal types and the 5V supply: the tiles of a 5V network.
inline bool isDcNetworkType(ControlType t) { return isSignalType(t) || t == POWER_SUPPLY; }
// The machines a switch wire may switch and a measure wire may measure:
// source, sink, both arms, distributor, kiln, smelter, bottling plant,
// storage, coal generator, injection molder and ejector. Any int is asked,
// so that map values outside the types are simply refused.
bool isSwitchWireTarget(int type);
// Types whose own rule decides whether an item may enter; every other type refuses.
inline bool takesItemsIn(ControlType t)
{
    switch (t) {
    case BELT:
    case SINK:
    case DISTRIBUTOR:
    case MIXER:
    case MIXER_SECOND:
    case OVEN:
    case SMELTER:
    case FILLER:
    case BRIDGE:
    case STORAGE:
    case TUNNEL:
    case SHOP:
    case COAL_GENERATOR:
    case INJECTION_MOLDER:
        return true;
    default:
        return false;
    }
}
// Controls that carry a machine id and stamp it into what they produce.
bool isProducerType(ControlType t);
