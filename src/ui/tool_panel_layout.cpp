#include "ui/tool_panel_layout.h"

#include <algorithm>
#include <span>

namespace {

constexpr int POPUP_HEADER_HEIGHT = 28;
constexpr int POPUP_ROW_PITCH = 48;
constexpr int POPUP_COLUMN_WIDTH = 168;
constexpr int LOGIC_MEMBER_COUNT = 12;
constexpr int LOW_VIEW_HEIGHT = 177;  // at most this high, the logic pop-up is one row

constexpr std::array<Tool, 2> WATER_MEMBERS = {TOOL_WATER_SOURCE, TOOL_WATER_PIPE};
constexpr std::array<Tool, 5> POWER_MEMBERS = {TOOL_COAL_GENERATOR, TOOL_POWER_POLE, TOOL_POWER_LINE, TOOL_POWER_SUPPLY,
                                               TOOL_DC_LINE};
constexpr std::array<Tool, 3> SIGNAL_MEMBERS = {TOOL_SENSOR, TOOL_SIGNAL_MEASURE_LINE, TOOL_SIGNAL_CONTROL_LINE};
constexpr std::array<Tool, LOGIC_MEMBER_COUNT> LOGIC_MEMBERS = {
    TOOL_LOGIC_AND,   TOOL_LOGIC_OR,    TOOL_LOGIC_XOR,    TOOL_LOGIC_NOT,    TOOL_SIGNAL_LAMP,   TOOL_LOGIC_COUNTER,
    TOOL_LOGIC_TIMER, TOOL_LOGIC_CLOCK, TOOL_LOGIC_SWITCH, TOOL_LOGIC_BUTTON, TOOL_LOGIC_STEPPER, TOOL_LOGIC_RS,
};

// Members in increasing tool number, as their pop-up lists them.
std::span<const Tool> groupMembers(Tool group)
{
    switch (group) {
    case WATER_GROUP:
        return WATER_MEMBERS;
    case POWER_GROUP:
        return POWER_MEMBERS;
    case SIGNAL_GROUP:
        return SIGNAL_MEMBERS;
    case LOGIC_GROUP:
        return LOGIC_MEMBERS;
    default:
        return {};
    }
}

int indexIn(std::span<const Tool> tools, Tool tool)
{
    const auto found = std::find(tools.begin(), tools.end(), tool);
    return found == tools.end() ? -1 : static_cast<int>(found - tools.begin());
}

// Columns of a group's pop-up: the logic group spreads over as many as the viewport's height needs.
int popupColumns(Tool group, int viewHeight)
{
    if (group != LOGIC_GROUP) return 1;
    if (viewHeight <= LOW_VIEW_HEIGHT) return LOGIC_MEMBER_COUNT;
    const int rows = (viewHeight - 82) / POPUP_ROW_PITCH;
    return (rows + LOGIC_MEMBER_COUNT - 1) / rows;
}

}  // namespace

void clampToolPanelPosition(int& panelX, int& panelY, int viewWidth, int viewHeight)
{
    const int limitX = viewWidth - TOOL_PANEL_WIDTH;
    const int limitY = viewHeight - TOOL_PANEL_HEIGHT - BOTTOM_BAR_SPACE;
    panelX = limitX < 1 ? 0 : std::clamp(panelX, 0, limitX);
    panelY = limitY < 1 ? 0 : std::clamp(panelY, 0, limitY);
}

Tool toolGroupOf(Tool tool)
{
    for (Tool group = WATER_GROUP; group <= LOGIC_GROUP; ++group) {
        if (indexIn(groupMembers(group), tool) >= 0) return group;
    }
    return -1;
}

ScreenRect toolGroupPopupRect(Tool group, int panelX, int panelY, int viewWidth, int viewHeight)
{
    const int members = static_cast<int>(groupMembers(group).size());
    if (members == 0) return {};
    const int columns = popupColumns(group, viewHeight);
    const int rows = (members + columns - 1) / columns;
    const int width = std::min(viewWidth, columns * POPUP_COLUMN_WIDTH);
    const int height = rows * POPUP_ROW_PITCH + POPUP_HEADER_HEIGHT;
    int left = panelX + TOOL_PANEL_WIDTH + 8;
    if (left + width > viewWidth) left = panelX - width - 8;
    left = std::clamp(left, 0, std::max(viewWidth - width, 0));
    const int top = std::clamp(panelY + 267, 0, std::max(viewHeight - BOTTOM_BAR_SPACE - height, 0));
    return {left, top, width, height};
}

ScreenRect toolButtonRect(Tool tool, int panelX, int panelY, int viewWidth, int viewHeight)
{
    const int editIndex = indexIn(EDIT_ROW, tool);
    if (editIndex >= 0) return {panelX + 8 + editIndex * 72, panelY + 333, 64, 32};
    const Tool group = toolGroupOf(tool);
    if (group >= 0) {
        const ScreenRect popup = toolGroupPopupRect(group, panelX, panelY, viewWidth, viewHeight);
        const int member = indexIn(groupMembers(group), tool);
        const int columns = popupColumns(group, viewHeight);
        const int gaps = columns == 1 ? 16 : columns * 8 + 8;
        const int width = (popup.width - gaps) / columns;
        return {popup.left + 8 + (member % columns) * (width + 8),
                popup.top + POPUP_HEADER_HEIGHT + (member / columns) * POPUP_ROW_PITCH, width, 40};
    }
    const int place = indexIn(BUILD_PALETTE, tool);
    if (place < 0) return {};
    return {panelX + 8 + (place % 3) * 72, panelY + 28 + (place / 3) * 41, 64, 40};
}

bool toolPanelHitTest(int px, int py, int panelX, int panelY, Tool openGroup, int viewWidth, int viewHeight)
{
    return contains(ScreenRect{panelX, panelY, TOOL_PANEL_WIDTH, TOOL_PANEL_HEIGHT}, px, py) ||
           contains(toolGroupPopupRect(openGroup, panelX, panelY, viewWidth, viewHeight), px, py);
}

Tool toolAtPoint(int px, int py, int panelX, int panelY, Tool openGroup, int viewWidth, int viewHeight)
{
    if (contains(toolGroupPopupRect(openGroup, panelX, panelY, viewWidth, viewHeight), px, py)) {
        for (Tool member : groupMembers(openGroup)) {
            if (contains(toolButtonRect(member, panelX, panelY, viewWidth, viewHeight), px, py)) return member;
        }
        return -1;
    }
    for (Tool tool = 0; tool < TOOL_BUTTON_COUNT; ++tool) {
        if (toolGroupOf(tool) < 0 && contains(toolButtonRect(tool, panelX, panelY, viewWidth, viewHeight), px, py)) {
            return tool;
        }
    }
    return -1;
}
