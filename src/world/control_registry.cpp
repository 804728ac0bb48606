#include <array>

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

namespace {

// Every control object once, built together at the first call; one guard
// instead of one per object, as the item steps ask for controls all the time.
struct Registry {
    Registry() = default;
    Registry(const Registry&) = delete;  // the table points into the object itself
    Registry& operator=(const Registry&) = delete;

    Control plain;
    BeltControl belt;
    SourceControl source;
    SinkControl sink;
    ArmControl arm{ARM};
    LongArmControl longArm{LONG_ARM};
    DistributorControl distributor;
    MixerControl mixer;
    BridgeControl bridge;
    TunnelControl tunnel;
    ShopControl shop;
    EjectorControl ejector;
    OvenControl oven;
    SmelterControl smelter;
    FillerControl filler;
    StorageControl storage;
    GeneratorControl generator;
    PowerPoleControl powerPole;
    InjectionMolderControl injectionMolder;
    PowerSupplyControl powerSupply;
    AndControl andGate;
    OrControl orGate;
    XorControl xorGate;
    NotControl notGate;
    SignalLampControl signalLamp;
    CounterControl counter;
    TimerControl timer;
    ClockControl clockControl;
    SwitchControl switchControl;
    ButtonControl button;
    StepperControl stepper;
    RsControl rsLatch;
    std::array<const Control*, 37> table{
        &belt,             // 2 BELT
        &source,           // 3 SOURCE
        &sink,             // 4 SINK
        &arm,              // 5 ARM
        &longArm,          // 6 LONG_ARM
        &distributor,      // 7 DISTRIBUTOR
        &distributor,      // 8 DISTRIBUTOR_SECOND
        &mixer,            // 9 MIXER
        &mixer,            // 10 MIXER_SECOND
        &oven,             // 11 OVEN
        &smelter,          // 12 SMELTER
        &filler,           // 13 FILLER
        &bridge,           // 14 BRIDGE
        &storage,          // 15 STORAGE
        &tunnel,           // 16 TUNNEL
        &tunnel,           // 17 TUNNEL_EXIT
        &shop,             // 18 SHOP
        &generator,        // 19 COAL_GENERATOR
        &powerPole,        // 20 POWER_POLE
        &injectionMolder,  // 21 INJECTION_MOLDER
        &plain,            // 22 WATER_SOURCE
        &plain,            // 23 WATER_PIPE
        &plain,            // 24 SENSOR
        &ejector,          // 25 EJECTOR
        &andGate,          // 26 LOGIC_AND
        &orGate,           // 27 LOGIC_OR
        &xorGate,          // 28 LOGIC_XOR
        &notGate,          // 29 LOGIC_NOT
        &signalLamp,       // 30 SIGNAL_LAMP
        &counter,          // 31 LOGIC_COUNTER
        &timer,            // 32 LOGIC_TIMER
        &clockControl,     // 33 LOGIC_CLOCK
        &switchControl,    // 34 LOGIC_SWITCH
        &button,           // 35 LOGIC_BUTTON
        &stepper,          // 36 LOGIC_STEPPER
        &powerSupply,      // 37 POWER_SUPPLY
        &rsLatch,          // 38 LOGIC_RS
    };
};

}  // namespace

// One table, filled in one place: each control class's object is entered at
// its type. The objects are built at the first call and never change.
const Control& controlForType(int type)
{
    static const Registry registry;
    const unsigned index = static_cast<unsigned>(type) - 2u;
    if (index >= registry.table.size()) return registry.plain;
    return *registry.table[index];
}
