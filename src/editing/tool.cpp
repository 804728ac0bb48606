#include "editing/tool.h"

#include <algorithm>
#include <iterator>

namespace {

struct ToolBuild {
    Tool tool;
    ControlType type;
};

// Every tool that puts down a control; the RS latch tool builds type 38 and
// the 5V supply tool type 37, out of the order of the other logic tools.
constexpr ToolBuild TOOL_BUILDS[] = {
    {TOOL_SOURCE, SOURCE},
    {TOOL_SINK, SINK},
    {TOOL_BELT, BELT},
    {TOOL_ARM, ARM},
    {TOOL_LONG_ARM, LONG_ARM},
    {TOOL_DISTRIBUTOR, DISTRIBUTOR},
    {TOOL_MIXER, MIXER},
    {TOOL_OVEN, OVEN},
    {TOOL_SMELTER, SMELTER},
    {TOOL_FILLER, FILLER},
    {TOOL_BRIDGE, BRIDGE},
    {TOOL_STORAGE, STORAGE},
    {TOOL_TUNNEL, TUNNEL},
    {TOOL_SHOP, SHOP},
    {TOOL_COAL_GENERATOR, COAL_GENERATOR},
    {TOOL_POWER_POLE, POWER_POLE},
    {TOOL_INJECTION_MOLDER, INJECTION_MOLDER},
    {TOOL_WATER_SOURCE, WATER_SOURCE},
    {TOOL_WATER_PIPE, WATER_PIPE},
    {TOOL_SENSOR, SENSOR},
    {TOOL_EJECTOR, EJECTOR},
    {TOOL_LOGIC_AND, LOGIC_AND},
    {TOOL_LOGIC_OR, LOGIC_OR},
    {TOOL_LOGIC_XOR, LOGIC_XOR},
    {TOOL_LOGIC_NOT, LOGIC_NOT},
    {TOOL_SIGNAL_LAMP, SIGNAL_LAMP},
    {TOOL_LOGIC_COUNTER, LOGIC_COUNTER},
    {TOOL_LOGIC_TIMER, LOGIC_TIMER},
    {TOOL_LOGIC_CLOCK, LOGIC_CLOCK},
    {TOOL_LOGIC_SWITCH, LOGIC_SWITCH},
    {TOOL_LOGIC_BUTTON, LOGIC_BUTTON},
    {TOOL_LOGIC_STEPPER, LOGIC_STEPPER},
    {TOOL_LOGIC_RS, LOGIC_RS},
    {TOOL_POWER_SUPPLY, POWER_SUPPLY},
};

}  // namespace

ControlType toolControlType(Tool tool)
{
    const auto* found = std::find_if(std::begin(TOOL_BUILDS), std::end(TOOL_BUILDS),
                                     [tool](const ToolBuild& build) { return build.tool == tool; });
    return found == std::end(TOOL_BUILDS) ? EMPTY : found->type;
}
