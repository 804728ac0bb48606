#include <array>
#include <functional>

#include "world/control.h"

// Transport and trade controls.
#include "machines/arm_control.h"
#include "machines/belt_control.h"
#include "machines/bridge_control.h"
#include "machines/distributor_control.h"
#include "machines/ejector_control.h"
#include "machines/mixer_control.h"
#include "machines/shop_control.h"
#include "machines/sink_control.h"
#include "machines/source_control.h"
#include "machines/tunnel_control.h"

// Production and power controls.

// Logic components.

// One table, filled in one place: each control class's object is entered at
// its type. The objects are built at the first call and never change.
const Control& controlForType(int type)
{
    static const Control plain;

    // Transport and trade controls.
    static const BeltControl belt;
    static const SourceControl source;
    static const SinkControl sink;
    static const ArmControl arm{ARM, 1};
    static const LongArmControl longArm{LONG_ARM, 2};
    static const DistributorControl distributor;
    static const MixerControl mixer;
    static const BridgeControl bridge;
    static const TunnelControl tunnel;
    static const ShopControl shop;
    static const EjectorControl ejector;

    // Production and power controls.

    // Logic components.

    using Entry = std::reference_wrapper<const Control>;
    static const std::array<Entry, 37> table = {
        belt,  // 2 BELT
        source,  // 3 SOURCE
        sink,  // 4 SINK
        arm,  // 5 ARM
        longArm,  // 6 LONG_ARM
        distributor,  // 7 DISTRIBUTOR
        distributor,  // 8 DISTRIBUTOR_SECOND
        mixer,  // 9 MIXER
        mixer,  // 10 MIXER_SECOND

        plain,  // 11 OVEN
        plain,  // 12 SMELTER
        plain,  // 13 FILLER

        bridge,  // 14 BRIDGE

        plain,  // 15 STORAGE

        tunnel,  // 16 TUNNEL
        tunnel,  // 17 TUNNEL_EXIT
        shop,  // 18 SHOP

        plain,  // 19 COAL_GENERATOR
        plain,  // 20 POWER_POLE
        plain,  // 21 INJECTION_MOLDER

        plain,  // 22 WATER_SOURCE
        plain,  // 23 WATER_PIPE
        plain,  // 24 SENSOR

        ejector,  // 25 EJECTOR

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
