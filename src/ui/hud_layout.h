#pragma once

#include "persistence/save_menu_layout.h"
#include "render/minimap_scale.h"
#include "ui/camera.h"

// The screen layout over the map, worked out anew from the window or viewport size each
// time it is asked; drawing and hit tests call the same functions, so what is drawn is
// what is clicked. viewWidth and viewHeight are the map viewport's size.

// A rectangle in window pixels: the one the menu's layout already uses.
using ScreenRect = MenuRect;

constexpr int SIDE_PANEL_WIDTH = 320;
constexpr int SIDE_PANEL_TOP_BAR_HEIGHT = 48;
constexpr int BOTTOM_BAR_SPACE = 54;  // kept clear at the viewport's bottom for the bar
constexpr int BOTTOM_BAR_FIELD_COUNT = 3;
constexpr int SETTINGS_FIELD = 0;
constexpr int SAVE_FIELD = 1;
constexpr int STATISTICS_FIELD = 2;

// The map viewport is the window left of the side panel.
int viewWidthFor(int windowWidth);
ScreenRect sidePanelRect(int windowWidth, int windowHeight);
// Below the side panel's top bar: where every inspector and chooser is drawn.
ScreenRect sidePanelContentRect(int windowWidth, int windowHeight);

ScreenRect bottomBarRect(int viewWidth, int viewHeight);
ScreenRect skipDayButtonRect(int viewWidth, int viewHeight);
ScreenRect skipToMonthButtonRect(int viewWidth, int viewHeight);
// Settings, save and statistics fields share the width the viewport has beyond 554 pixels.
ScreenRect bottomBarFieldRect(int viewWidth, int viewHeight, int field);
ScreenRect languageButtonRect(int viewWidth, int viewHeight);
// The quick-save icon at the right end of the save field.
ScreenRect saveButtonIconRect(int viewWidth, int viewHeight);
ScreenRect languagePopupRect(int viewWidth, int viewHeight);
ScreenRect languagePopupRowRect(int viewWidth, int viewHeight, int row);

ScreenRect minimapRect(int viewWidth, int viewHeight);
// Any point, on the border or beyond it too, gives the nearest tile of the map.
TilePoint minimapToTile(int minimapX, int minimapY, int px, int py);

// The menu's dialog, centred in the whole window.
ScreenRect dialogRect(int windowWidth, int windowHeight);

// Cell of a three-column button grid in a panel, as the cargo choice uses it.
ScreenRect choiceGridCellRect(const ScreenRect& panel, int cell);
