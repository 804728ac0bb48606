#include "demo/demo_targets.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "ui/hud_layout.h"
#include "world/cargo.h"
#include "world/geometry.h"

namespace {

struct NamedKey {
    std::string_view name;
    DemoKey key;
};

constexpr NamedKey NAMED_KEYS[] = {
    {"CTRL+Z", {SDLK_z, KMOD_CTRL}}, {"F5", {SDLK_F5, 0}},         {"F9", {SDLK_F9, 0}},
    {"ESCAPE", {SDLK_ESCAPE, 0}},    {"ESC", {SDLK_ESCAPE, 0}},    {"SPACE", {SDLK_SPACE, 0}},
    {"PERIOD", {SDLK_PERIOD, 0}},    {"RETURN", {SDLK_RETURN, 0}}, {"ENTER", {SDLK_RETURN, 0}},
};

DemoPoint at(int x, int y) { return {static_cast<float>(x), static_cast<float>(y)}; }

// The widgets named whole: side-panel points left of S, menu points in the dialog D.
std::optional<DemoPoint> fixedTarget(std::string_view name, int s, const ScreenRect& d, int windowHeight)
{
    struct Target {
        std::string_view name;
        int x;
        int y;
    };
    const int dialogBottomRow = d.top + d.height - 34;
    const Target targets[] = {
        {"SOURCE_TOGGLE", s + 32, 82},
        {"SINK_TOGGLE", s + 32, 82},
        {"SIDEBAR_CLOSE", s + 298, 20},
        {"MAIN_NEW", d.left + 30 + (d.width - 60) / 2, d.top + 240},
        {"CONFIRM", d.left + 230, dialogBottomRow},
        {"CANCEL", d.left + 80, dialogBottomRow},
        {"STORAGE_OUTPUT", s + 87, 450},
        {"GENERATOR_TOGGLE", s + 160, 185},
        {"INJECTION_TOGGLE", s + 160, 225},
        {"EJECTOR_TOGGLE", s + 160, 133},
        {"ARM_ALL", s + 155, 322},
        {"ARM_NONE", s + 255, 322},
        {"ROTATE", s + 80, windowHeight - 25},
    };
    for (const Target& target : targets) {
        if (target.name == name) return at(target.x, target.y);
    }
    return std::nullopt;
}

// The place in `choices` of the one character behind the prefix; -1 for any other form.
int suffixChoice(std::string_view name, std::string_view prefix, std::string_view choices)
{
    if (!name.starts_with(prefix) || name.size() != prefix.size() + 1) return -1;
    const std::size_t place = choices.find(name.back());
    return place == std::string_view::npos ? -1 : static_cast<int>(place);
}

// The widgets of a row or grid, named by a prefix and the widget's place.
std::optional<DemoPoint> indexedTarget(std::string_view name, int s)
{
    if (const int direction = suffixChoice(name, "DIRECTION_", "NESW"); direction >= 0) {
        return at(s + 42 + 76 * direction, 164);
    }
    if (const int speed = suffixChoice(name, "BELT_SPEED_", "012345"); speed >= 0) return at(s + 24 + 38 * speed, 93);
    if (const int level = suffixChoice(name, "BELT_PAINT_SPEED_", "012345"); level >= 0) {
        return at(s + 24 + 38 * level, 153);
    }
    constexpr std::string_view cargoPrefix = "SOURCE_CARGO_";
    if (name.starts_with(cargoPrefix)) {
        const CargoType cargo = cargoTypeFromKeyword(name.substr(cargoPrefix.size()));
        if (isCargoType(cargo)) return at(s + 55 + 100 * (cargo % 3), 158 + 65 * (cargo / 3));
    }
    return std::nullopt;
}

}  // namespace

std::optional<Tool> demoToolNamed(std::string_view name)
{
    if (name == "SIGNAL_LINE") return TOOL_SIGNAL_CONTROL_LINE;
    if (name.empty()) return std::nullopt;  // tool 27 has no keyword
    const auto found = std::find(TOOL_KEYWORDS.begin(), TOOL_KEYWORDS.end(), name);
    if (found == TOOL_KEYWORDS.end()) return std::nullopt;
    return static_cast<Tool>(found - TOOL_KEYWORDS.begin());
}

std::optional<DemoKey> demoKeyNamed(std::string_view name)
{
    for (const NamedKey& named : NAMED_KEYS) {
        if (named.name == name) return named.key;
    }
    if (name.size() != 1) return std::nullopt;
    // Lower case in the C locale: only A to Z change.
    const auto c = static_cast<unsigned char>(name.front());
    return DemoKey{(c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c, 0};
}

std::optional<DemoPoint> uiTargetPoint(std::string_view name, int windowWidth, int windowHeight)
{
    const int s = viewWidthFor(windowWidth);
    if (auto point = fixedTarget(name, s, dialogRect(windowWidth, windowHeight), windowHeight)) return point;
    return indexedTarget(name, s);
}

DemoPoint tileCentreOnScreen(double tileX, double tileY, int tileSize, int cameraX, int cameraY)
{
    const int half = tileSize / 2;
    return {static_cast<float>(tileX * tileSize - cameraX + half),
            static_cast<float>(tileY * tileSize - cameraY + half)};
}

FocusMove focusOnTile(double tileX, double tileY, int tileSize, int windowWidth, int windowHeight)
{
    const int visibleWidth = viewWidthFor(windowWidth);
    const auto px = static_cast<float>((tileX + 0.5) * tileSize);
    const auto py = static_cast<float>((tileY + 0.5) * tileSize);
    const int maxX = std::max(GRID_WIDTH * tileSize - visibleWidth, 0);
    const int maxY = std::max(GRID_HEIGHT * tileSize - windowHeight, 0);
    // Rounded before the clamp, half away from zero.
    FocusMove move;
    move.cameraX = std::clamp(static_cast<int>(std::lround(px - visibleWidth / 2.0f)), 0, maxX);
    move.cameraY = std::clamp(static_cast<int>(std::lround(py - windowHeight / 2.0f)), 0, maxY);
    move.pointer = {px - static_cast<float>(move.cameraX), py - static_cast<float>(move.cameraY)};
    return move;
}
