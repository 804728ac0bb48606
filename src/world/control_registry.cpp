#include <array>
#include <functional>

#include "world/control.h"

// Transport and trade controls.

// Production and power controls.

// Logic components.

// One table, filled in one place: each control class's object is entered at
// its type. The objects are built at the first call and never change.
const Control& controlForType(int type)
{
    static const Control plain;

    // Transport and trade controls.

    // Production and power controls.

    // Logic components.

    using Entry = std::reference_wrapper<const Control>;
    static const std::array<Entry, 37> table = {
        plain,  // 2 BELT
        plain,  // 3 SOURCE
        plain,  // 4 SINK
        plain,  // 5 ARM
        plain,  // 6 LONG_ARM
        plain,  // 7 DISTRIBUTOR
        plain,  // 8 DISTRIBUTOR_SECOND
        plain,  // 9 MIXER
        plain,  // 10 MIXER_SECOND

        plain,  // 11 OVEN
        plain,  // 12 SMELTER
        plain,  // 13 FILLER

        plain,  // 14 BRIDGE

        plain,  // 15 STORAGE

        plain,  // 16 TUNNEL
        plain,  // 17 TUNNEL_EXIT
        plain,  // 18 SHOP

        plain,  // 19 COAL_GENERATOR
        plain,  // 20 POWER_POLE
        plain,  // 21 INJECTION_MOLDER

        plain,  // 22 WATER_SOURCE
        plain,  // 23 WATER_PIPE
        plain,  // 24 SENSOR

        plain,  // 25 EJECTOR

        plain,  // 26 LOGIC_AND
        plain,  // 27 LOGIC_OR
        plain,  // 28 LOGIC_XOR
        plain,  // 29 LOGIC_NOT
        plain,  // 30 SIGNAL_LAMP
        plain,  // 31 LOGIC_COUNTER
        plain,  // 32 LOGIC_TIMER
        plain,  // 33 LOGIC_CLOCK
        plain,  // 34 LOGIC_SWITCH
        plain,  // 35 LOGIC_BUTTON
        plain,  // 36 LOGIC_STEPPER

        plain,  // 37 POWER_SUPPLY

        plain,  // 38 LOGIC_RS
    };
    unsigned index = static_cast<unsigned>(type) - 2u;
    if (index >= table.size()) return plain;
    return table[index];
}
