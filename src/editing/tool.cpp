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
    {Tool::SOURCE, SOURCE},
    {Tool::SINK, SINK},
    {Tool::BELT, BELT},
    {Tool::ARM, ARM},
    {Tool::LONG_ARM, LONG_ARM},
    {Tool::DISTRIBUTOR, DISTRIBUTOR},
    {Tool::MIXER, MIXER},
    {Tool::OVEN, OVEN},
    {Tool::SMELTER, SMELTER},
    {Tool::FILLER, FILLER},
    {Tool::BRIDGE, BRIDGE},
    {Tool::STORAGE, STORAGE},
    {Tool::TUNNEL, TUNNEL},
    {Tool::SHOP, SHOP},
    {Tool::COAL_GENERATOR, COAL_GENERATOR},
    {Tool::POWER_POLE, POWER_POLE},
    {Tool::INJECTION_MOLDER, INJECTION_MOLDER},
    {Tool::WATER_SOURCE, WATER_SOURCE},
    {Tool::WATER_PIPE, WATER_PIPE},
    {Tool::SENSOR, SENSOR},
    {Tool::EJECTOR, EJECTOR},
    {Tool::LOGIC_AND, LOGIC_AND},
    {Tool::LOGIC_OR, LOGIC_OR},
    {Tool::LOGIC_XOR, LOGIC_XOR},
    {Tool::LOGIC_NOT, LOGIC_NOT},
    {Tool::SIGNAL_LAMP, SIGNAL_LAMP},
    {Tool::LOGIC_COUNTER, LOGIC_COUNTER},
    {Tool::LOGIC_TIMER, LOGIC_TIMER},
    {Tool::LOGIC_CLOCK, LOGIC_CLOCK},
    {Tool::LOGIC_SWITCH, LOGIC_SWITCH},
    {Tool::LOGIC_BUTTON, LOGIC_BUTTON},
    {Tool::LOGIC_STEPPER, LOGIC_STEPPER},
    {Tool::LOGIC_RS, LOGIC_RS},
    {Tool::POWER_SUPPLY, POWER_SUPPLY},
};

}  // namespace

ControlType toolControlType(Tool tool)
{
    const auto* found = std::find_if(std::begin(TOOL_BUILDS), std::end(TOOL_BUILDS),
                                     [tool](const ToolBuild& build) { return build.tool == tool; });
    return found == std::end(TOOL_BUILDS) ? EMPTY : found->type;
}
