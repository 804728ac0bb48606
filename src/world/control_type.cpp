#include "world/control_type.h"

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

bool isSwitchWireTarget(int type)
{
    switch (type) {
    case SOURCE:
    case SINK:
    case ARM:
    case LONG_ARM:
    case DISTRIBUTOR:
    case OVEN:
    case SMELTER:
    case FILLER:
    case STORAGE:
    case COAL_GENERATOR:
    case INJECTION_MOLDER:
    case EJECTOR:
        return true;
    default:
        return false;
    }
}
