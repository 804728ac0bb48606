#include "ui/settings_window.h"

#include <algorithm>
#include <string>

#include "persistence/settings.h"
#include "render/bitmap_font.h"
#include "render/design_grid.h"
#include "render/widgets.h"
#include "ui/panel_drawing.h"
#include "world/game.h"

namespace {

constexpr int WINDOW_RISE = 200;  // the window's top above the viewport's bottom
constexpr int WINDOW_LEFT = 10;
constexpr int WINDOW_WIDTH = 280;
constexpr int WINDOW_HEIGHT = 140;

int windowTop(int viewHeight) { return std::max(0, viewHeight - WINDOW_RISE); }

int switchState(bool on) { return on ? BUTTON_ACTIVE : BUTTON_WARNING; }

void drawSwitch(SDL_Renderer* renderer, const ScreenRect& r, bool on, std::string_view label)
{
    // The label takes the frame's colour, which the button leaves set.
    drawButtonFrame(renderer, r.left, r.top, r.width, r.height, switchState(on));
    drawText(renderer, std::string(label).c_str(), r.left + 8, r.top + 11, 1);
}

}  // namespace

ScreenRect settingsWindowRect(int viewHeight)
{
    return {WINDOW_LEFT, windowTop(viewHeight), WINDOW_WIDTH, WINDOW_HEIGHT};
}

ScreenRect sourcesSwitchRect(int viewHeight) { return {20, windowTop(viewHeight) + 42, 260, 34}; }

ScreenRect soundSwitchRect(int viewHeight) { return {20, windowTop(viewHeight) + 84, 260, 34}; }

std::string_view sourcesSwitchLabel(bool sourcesEnabled)
{
    return sourcesEnabled ? "ALLE QUELLEN AKTIV" : "ALLE QUELLEN AUS";
}

std::string_view soundSwitchLabel(bool soundEnabled) { return soundEnabled ? "TON AN" : "TON AUS"; }

void drawSettingsWindow(SDL_Renderer* renderer, int viewHeight, bool sourcesEnabled, bool soundEnabled)
{
    const SDL_Rect area = sdlRect(settingsWindowRect(viewHeight));
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    fillRect(renderer, area, packColor(19, 25, 30, 245));
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    outlineRect(renderer, area, packColor(101, 123, 133));
    drawPhrase(renderer, "GLOBALE EINSTELLUNGEN", 20, area.y + 12, packColor(221, 234, 239));
    drawSwitch(renderer, sourcesSwitchRect(viewHeight), sourcesEnabled, sourcesSwitchLabel(sourcesEnabled));
    drawSwitch(renderer, soundSwitchRect(viewHeight), soundEnabled, soundSwitchLabel(soundEnabled));
}

SettingsWindowPress pressSettingsWindow(int px, int py, int viewHeight, Game& game, bool& soundEnabled,
                                        bool skipPending, const std::optional<std::filesystem::path>& directory)
{
    SettingsWindowPress press;
    press.inside = contains(settingsWindowRect(viewHeight), px, py);
    if (contains(sourcesSwitchRect(viewHeight), px, py)) {
        game.sourcesEnabled = !game.sourcesEnabled;
        press.sourcesToggled = true;
    } else if (contains(soundSwitchRect(viewHeight), px, py)) {
        soundEnabled = !soundEnabled;
        press.soundToggled = true;
        if (!skipPending) press.mute = !soundEnabled;
        if (directory && !saveSoundSetting(*directory, soundEnabled)) {
            SDL_Log("Toneinstellung konnte nicht gespeichert werden");
        }
    }
    return press;
}
