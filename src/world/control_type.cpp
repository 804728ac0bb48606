#include "world/control_type.h"

bool isProducerType(ControlType t)
{
    return t == SOURCE || t == OVEN || t == SMELTER || t == FILLER || t == INJECTION_MOLDER || t == WATER_SOURCE;
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
