#pragma once

#include <SDL.h>

#include <optional>
#include <string>
#include <string_view>

#include "ui/hud_layout.h"

// The one-line box beside the pointer that tells the status of the tile under
// it, so the player reads why a machine waits without selecting it.

constexpr int STATUS_TIP_HEIGHT = 24;

struct StatusTip {
    std::string text;  // a German phrase, translated when drawn
    ScreenRect box;
};

// The tip for the pointer at (px, py) over a tile of this status, in a view of
// the given size: none for an empty status. While paused the text says so
// first. The box fits the translated text and stays inside the view where the
// view is large enough, above the bottom bar's rows.
std::optional<StatusTip> statusTipAt(std::string_view status, bool paused, int px, int py, int viewWidth,
                                     int viewHeight);

void drawStatusTip(SDL_Renderer* renderer, const StatusTip& tip);
