#pragma once

#include <array>
#include <string_view>

#include "editing/tool.h"
#include "render/design_grid.h"

// How the tool palette shows each tool: its German label (translated when drawn)
// and the opaque colour of its icon plate, both by tool number.
extern const std::array<std::string_view, TOOL_COUNT> TOOL_LABELS;
extern const std::array<PackedColor, TOOL_COUNT> TOOL_COLORS;

// The label on the tool's button: a few long names are shortened there.
std::string_view toolButtonLabel(Tool tool);

// The colour the plate is filled with; the kiln, the smelter and the 5V cable
// darken theirs so that the icon on it shows.
PackedColor toolPlateColor(Tool tool);

// The distributor and the mixer draw their two-tile sprite instead of a plate.
bool toolHasPlate(Tool tool);

// "WASSER", "STROM", "SIGNAL", "LOGIK"; empty for anything but a group button.
std::string_view toolGroupName(Tool group);

// The member whose icon the group button shows while none of its members is chosen.
Tool toolGroupIconTool(Tool group);
