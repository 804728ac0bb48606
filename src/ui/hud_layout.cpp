#include "ui/hud_layout.h"

#include <algorithm>

#include "world/geometry.h"

namespace {

constexpr int BOTTOM_BAR_HEIGHT = 44;
constexpr int BAR_FIELDS_START = 518;
constexpr int BAR_FIELDS_NEED = 554;  // viewport width at which the fields start to grow
constexpr int BAR_FIELDS_FULL = 336;  // growth at which they are full width
constexpr int BAR_FIELD_FULL_WIDTH = 112;
constexpr int LANGUAGE_BUTTON_GAP = 32;  // the language button stands between fields 0 and 1
constexpr int SAVE_ICON_SIZE = 22;
constexpr int LANGUAGE_POPUP_WIDTH = 270;
constexpr int LANGUAGE_POPUP_HEIGHT = 134;
constexpr int MINIMAP_WIDTH = 168;
constexpr int MINIMAP_HEIGHT = 128;

int barTop(int viewHeight) { return std::max(0, viewHeight - BOTTOM_BAR_SPACE); }

int fieldGrowth(int viewWidth) { return viewWidth - BAR_FIELDS_NEED; }

int fieldWidth(int viewWidth)
{
    const int growth = fieldGrowth(viewWidth);
    if (growth <= 0) return 0;
    return growth < BAR_FIELDS_FULL ? growth / 3 : BAR_FIELD_FULL_WIDTH;
}

int saveIconSize(int viewWidth)
{
    const int growth = fieldGrowth(viewWidth);
    if (growth <= 0) return 0;
    if (growth >= BAR_FIELDS_FULL) return SAVE_ICON_SIZE;
    return std::clamp(growth / 3 - 3, 0, SAVE_ICON_SIZE);
}

}  // namespace

int viewWidthFor(int windowWidth) { return std::max(0, windowWidth - SIDE_PANEL_WIDTH); }

ScreenRect sidePanelRect(int windowWidth, int windowHeight)
{
    return {viewWidthFor(windowWidth), 0, SIDE_PANEL_WIDTH, windowHeight};
}

ScreenRect sidePanelContentRect(int windowWidth, int windowHeight)
{
    return {viewWidthFor(windowWidth), SIDE_PANEL_TOP_BAR_HEIGHT, SIDE_PANEL_WIDTH,
            windowHeight - SIDE_PANEL_TOP_BAR_HEIGHT};
}

ScreenRect bottomBarRect(int viewWidth, int viewHeight)
{
    return {10, barTop(viewHeight), std::max(0, std::min(viewWidth - 20, 500)), BOTTOM_BAR_HEIGHT};
}

ScreenRect skipDayButtonRect(int, int viewHeight) { return {355, barTop(viewHeight) + 7, 30, 30}; }

ScreenRect skipToMonthButtonRect(int, int viewHeight) { return {388, barTop(viewHeight) + 7, 32, 30}; }

ScreenRect bottomBarFieldRect(int viewWidth, int viewHeight, int field)
{
    const int width = fieldWidth(viewWidth);
    const int left = BAR_FIELDS_START + field * (width + 2) + (field != SETTINGS_FIELD ? LANGUAGE_BUTTON_GAP : 0);
    return {left, barTop(viewHeight), width, BOTTOM_BAR_HEIGHT};
}

ScreenRect languageButtonRect(int viewWidth, int viewHeight)
{
    const ScreenRect settings = bottomBarFieldRect(viewWidth, viewHeight, SETTINGS_FIELD);
    return {settings.left + settings.width + 2, barTop(viewHeight), 30, BOTTOM_BAR_HEIGHT};
}

ScreenRect saveButtonIconRect(int viewWidth, int viewHeight)
{
    const ScreenRect save = bottomBarFieldRect(viewWidth, viewHeight, SAVE_FIELD);
    const int size = saveIconSize(viewWidth);
    return {save.left + save.width - size - 3, save.top + (BOTTOM_BAR_HEIGHT - size) / 2, size, size};
}

ScreenRect languagePopupRect(int viewWidth, int viewHeight)
{
    const ScreenRect settings = bottomBarFieldRect(viewWidth, viewHeight, SETTINGS_FIELD);
    const int left = settings.left + settings.width + 2;
    return {std::clamp(left, 0, std::max(viewWidth - LANGUAGE_POPUP_WIDTH, 0)),
            std::max(0, barTop(viewHeight) - LANGUAGE_POPUP_HEIGHT - 4), LANGUAGE_POPUP_WIDTH, LANGUAGE_POPUP_HEIGHT};
}

ScreenRect languagePopupRowRect(int viewWidth, int viewHeight, int row)
{
    const ScreenRect popup = languagePopupRect(viewWidth, viewHeight);
    return {popup.left + 10, popup.top + 30 + 36 * row, popup.width - 20, 32};
}

ScreenRect minimapRect(int viewWidth, int viewHeight)
{
    return {std::max(0, viewWidth - MINIMAP_WIDTH - 10), std::max(0, viewHeight - MINIMAP_HEIGHT - 10), MINIMAP_WIDTH,
            MINIMAP_HEIGHT};
}

TilePoint minimapToTile(int minimapX, int minimapY, int px, int py)
{
    const int mapWidth = GRID_WIDTH * MINIMAP_PIXELS_PER_TILE;
    const int mapHeight = GRID_HEIGHT * MINIMAP_PIXELS_PER_TILE;
    return {std::clamp(px - minimapX - MINIMAP_BORDER, 0, mapWidth - 1) / MINIMAP_PIXELS_PER_TILE,
            std::clamp(py - minimapY - MINIMAP_BORDER, 0, mapHeight - 1) / MINIMAP_PIXELS_PER_TILE};
}

ScreenRect dialogRect(int windowWidth, int windowHeight)
{
    const int width = std::clamp(windowWidth - 40, 320, 680);
    const int height = std::clamp(windowHeight - 40, 360, 600);
    return {(windowWidth - width) / 2, (windowHeight - height) / 2, width, height};
}

ScreenRect choiceGridCellRect(const ScreenRect& panel, int cell)
{
    const int columnWidth = (panel.width - 20) / 3;
    int pitch = 22;
    int height = 20;
    if (panel.height >= 172) {
        pitch = std::min((panel.height - 62) / 5, 60);
        height = pitch - 2;
    }
    return {panel.left + 8 + (cell % 3) * (columnWidth + 2), panel.top + 60 + (cell / 3) * pitch, columnWidth, height};
}
