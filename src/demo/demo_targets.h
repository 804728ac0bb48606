#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "editing/tool.h"

// Where the demo's pointer goes and which keys it sends, worked out from the names a
// script gives and the screen as it is when the command starts. Nothing here looks at
// the game; an unknown name gives nothing, and the player fails the command.

// A point in window pixels; the synthetic pointer moves between such points.
struct DemoPoint {
    float x = 0.0f;
    float y = 0.0f;

    friend bool operator==(const DemoPoint&, const DemoPoint&) = default;
};

// The key code and modifier bits of a KEY command.
struct DemoKey {
    std::int32_t code = 0;
    std::uint16_t modifier = 0;

    friend bool operator==(const DemoKey&, const DemoKey&) = default;
};

// The longest TEXT that fits one text-input event.
constexpr std::size_t DEMO_TEXT_MAX_BYTES = 31;

// A tool keyword, or "SIGNAL_LINE" for the switch-wire tool.
std::optional<Tool> demoToolNamed(std::string_view name);

// Named keys, or any one character as its lower-case key.
std::optional<DemoKey> demoKeyNamed(std::string_view name);

// A widget of the side panel or the menu dialog for a window of that size. The side
// panel's widgets are found where its panels draw them; the script opens the panel.
std::optional<DemoPoint> uiTargetPoint(std::string_view name, int windowWidth, int windowHeight);

// The screen centre of a tile, which may be fractional or off the map, under the camera.
DemoPoint tileCentreOnScreen(double tileX, double tileY, int tileSize, int cameraX, int cameraY);

// A camera that brings a tile to the middle of the visible map, as near as the map's
// edges allow, and where the tile's centre then lies on screen.
struct FocusMove {
    int cameraX = 0;
    int cameraY = 0;
    DemoPoint pointer;
};

FocusMove focusOnTile(double tileX, double tileY, int tileSize, int windowWidth, int windowHeight);
