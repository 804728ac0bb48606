#pragma once

#include <array>

#include "editing/tool.h"
#include "ui/hud_layout.h"

// Where the floating tool panel's buttons and group pop-ups lie. (panelX, panelY) is
// the panel's top left corner, openGroup the group whose pop-up is open or -1.

constexpr int TOOL_PANEL_WIDTH = 224;
constexpr int TOOL_PANEL_HEIGHT = 423;
constexpr int TOOL_PANEL_TITLE_HEIGHT = 20;  // the handle by which the panel is dragged

// The build section, in panel order.
constexpr std::array<Tool, 21> BUILD_PALETTE = {
    TOOL_SELECT,           TOOL_SOURCE,      TOOL_SINK,    TOOL_BELT,   TOOL_ARM,
    TOOL_LONG_ARM,         TOOL_DISTRIBUTOR, TOOL_MIXER,   TOOL_OVEN,   TOOL_SMELTER,
    TOOL_FILLER,           TOOL_BRIDGE,      TOOL_STORAGE, TOOL_TUNNEL, TOOL_SHOP,
    TOOL_INJECTION_MOLDER, TOOL_EJECTOR,     WATER_GROUP,  POWER_GROUP, SIGNAL_GROUP,
    LOGIC_GROUP,
};

// The edit row under the build section: buttons with a label and no icon.
constexpr std::array<Tool, 3> EDIT_ROW = {TOOL_DELETE, TOOL_BELT_SPEED, TOOL_DIRECTION};

// Keeps the panel, with room for the bottom bar, inside the viewport.
void clampToolPanelPosition(int& panelX, int& panelY, int viewWidth, int viewHeight);

// The group button whose pop-up holds the tool; -1 for a tool of no group.
Tool toolGroupOf(Tool tool);

// An empty rectangle for anything but a group button.
ScreenRect toolGroupPopupRect(Tool group, int panelX, int panelY, int viewWidth, int viewHeight);

// Group members lie in their group's pop-up; tool 27 and unknown numbers get an empty rectangle.
ScreenRect toolButtonRect(Tool tool, int panelX, int panelY, int viewWidth, int viewHeight);

bool toolPanelHitTest(int px, int py, int panelX, int panelY, Tool openGroup, int viewWidth, int viewHeight);

// The tool or group button under the point, -1 for none. A point inside the open pop-up
// only finds that pop-up's members, whatever lies beneath it.
Tool toolAtPoint(int px, int py, int panelX, int panelY, Tool openGroup, int viewWidth, int viewHeight);
