#include "world/control_type.h"

bool isSignalType(ControlType t) { return t == SENSOR || (t >= LOGIC_AND && t <= LOGIC_STEPPER) || t == LOGIC_RS; }

bool isSignalSourceType(ControlType t) { return isSignalType(t) && t != SIGNAL_LAMP; }

bool isProducerType(ControlType t)
{
    return t == SOURCE || t == OVEN || t == SMELTER || t == FILLER || t == INJECTION_MOLDER || t == WATER_SOURCE;
}

bool takesItemsIn(ControlType t)
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
