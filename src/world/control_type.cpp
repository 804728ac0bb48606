#include "world/control_type.h"

bool isSignalType(ControlType t) { return t == SENSOR || (t >= LOGIC_AND && t <= LOGIC_STEPPER) || t == LOGIC_RS; }

bool isSignalSourceType(ControlType t) { return isSignalType(t) && t != SIGNAL_LAMP; }

bool isProducerType(ControlType t)
{
    return t == SOURCE || t == OVEN || t == SMELTER || t == FILLER || t == INJECTION_MOLDER || t == WATER_SOURCE;
}
