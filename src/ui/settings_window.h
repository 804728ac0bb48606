#pragma once

#include <SDL.h>

#include <filesystem>
#include <optional>
#include <string_view>

#include "ui/hud_layout.h"

class Game;

// The small "GLOBALE EINSTELLUNGEN" window over the bottom bar with the two switches
// that act on the whole game: whether all sources work and whether sound plays.

ScreenRect settingsWindowRect(int viewHeight);
ScreenRect sourcesSwitchRect(int viewHeight);
ScreenRect soundSwitchRect(int viewHeight);

std::string_view sourcesSwitchLabel(bool sourcesEnabled);
std::string_view soundSwitchLabel(bool soundEnabled);

void drawSettingsWindow(SDL_Renderer* renderer, int viewHeight, bool sourcesEnabled, bool soundEnabled);

struct SettingsWindowPress {
    bool inside = false;  // a press inside keeps the window open whatever it hit
    bool sourcesToggled = false;
    bool soundToggled = false;
    // What the sound engine is to be set to; none while a time skip keeps it muted,
    // whose end applies the switch.
    std::optional<bool> mute;
};

// A left press: the sources switch flips the world's flag; the sound switch flips the
// sound flag and, when the directory is known, stores it in the settings file (a
// failed write is logged and the switch keeps its new value).
SettingsWindowPress pressSettingsWindow(int px, int py, int viewHeight, Game& game, bool& soundEnabled,
                                        bool skipPending, const std::optional<std::filesystem::path>& directory);
