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
#include "machines/filler_control.h"
#include "machines/generator_control.h"
#include "machines/injection_molder_control.h"
#include "machines/oven_control.h"
#include "machines/power_pole_control.h"
#include "machines/power_supply_control.h"
#include "machines/smelter_control.h"
#include "machines/storage_control.h"

// Logic components.
#include "logic/logic_controls.h"

// One table, filled in one place: each control class's object is entered at
// its type. The objects are built at the first call and never change.
const Control& controlForType(int type)
{
    static const Control plain;

    // Transport and trade controls.
    static const BeltControl belt;
    static const SourceControl source;
    static const SinkControl sink;
    static const ArmControl arm{ARM};
    static const LongArmControl longArm{LONG_ARM};
    static const DistributorControl distributor;
    static const MixerControl mixer;
    static const BridgeControl bridge;
    static const TunnelControl tunnel;
    static const ShopControl shop;
    static const EjectorControl ejector;

    // Production and power controls.
    static const OvenControl oven;
    static const SmelterControl smelter;
    static const FillerControl filler;
    static const StorageControl storage;
    static const GeneratorControl generator;
    static const PowerPoleControl powerPole;
    static const InjectionMolderControl injectionMolder;
    static const PowerSupplyControl powerSupply;

    // Logic components.
    static const AndControl andGate;
    static const OrControl orGate;
    static const XorControl xorGate;
    static const NotControl notGate;
    static const SignalLampControl signalLamp;
    static const CounterControl counter;
    static const TimerControl timer;
    static const ClockControl clockControl;
    static const SwitchControl switchControl;
    static const ButtonControl button;
    static const StepperControl stepper;
    static const RsControl rsLatch;

    using Entry = std::reference_wrapper<const Control>;
    static const std::array<Entry, 37> table = {
        belt,         // 2 BELT
        source,       // 3 SOURCE
        sink,         // 4 SINK
        arm,          // 5 ARM
        longArm,      // 6 LONG_ARM
        distributor,  // 7 DISTRIBUTOR
        distributor,  // 8 DISTRIBUTOR_SECOND
        mixer,        // 9 MIXER
        mixer,        // 10 MIXER_SECOND

        oven,     // 11 OVEN
        smelter,  // 12 SMELTER
        filler,   // 13 FILLER

        bridge,  // 14 BRIDGE

        storage,  // 15 STORAGE

        tunnel,  // 16 TUNNEL
        tunnel,  // 17 TUNNEL_EXIT
        shop,    // 18 SHOP

        generator,        // 19 COAL_GENERATOR
        powerPole,        // 20 POWER_POLE
        injectionMolder,  // 21 INJECTION_MOLDER

        plain,  // 22 WATER_SOURCE
        plain,  // 23 WATER_PIPE
        plain,  // 24 SENSOR

        ejector,  // 25 EJECTOR

        andGate,        // 26 LOGIC_AND
        orGate,         // 27 LOGIC_OR
        xorGate,        // 28 LOGIC_XOR
        notGate,        // 29 LOGIC_NOT
        signalLamp,     // 30 SIGNAL_LAMP
        counter,        // 31 LOGIC_COUNTER
        timer,          // 32 LOGIC_TIMER
        clockControl,   // 33 LOGIC_CLOCK
        switchControl,  // 34 LOGIC_SWITCH
        button,         // 35 LOGIC_BUTTON
        stepper,        // 36 LOGIC_STEPPER

        powerSupply,  // 37 POWER_SUPPLY

        rsLatch,  // 38 LOGIC_RS
    };
    unsigned index = static_cast<unsigned>(type) - 2u;
    if (index >= table.size()) return plain;
    return table[index];
}
