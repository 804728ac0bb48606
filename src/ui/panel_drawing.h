#pragma once

#include <SDL.h>

#include <string_view>

#include "render/design_grid.h"
#include "ui/hud_layout.h"

// Drawing steps the panels share. Each sets its colour first and leaves it set.

inline SDL_Rect sdlRect(const ScreenRect& r) { return {r.left, r.top, r.width, r.height}; }

void fillRect(SDL_Renderer* renderer, const SDL_Rect& rect, PackedColor colour);
void outlineRect(SDL_Renderer* renderer, const SDL_Rect& rect, PackedColor colour);

// A German phrase in the current language.
void drawPhrase(SDL_Renderer* renderer, std::string_view phrase, int x, int y, PackedColor colour, int scale = 1);

// The look every panel and window of the side panel shares: a dark background, a
// title and a line under it.
void drawPanelFrame(SDL_Renderer* renderer, const SDL_Rect& rect, const char* title);
