#pragma once

#include <SDL.h>

#include "render/design_grid.h"
#include "world/direction.h"
#include "world/language.h"

// Small drawing routines that give the panels and the map a common look.

constexpr int BUTTON_ACTIVE = 1;
constexpr int BUTTON_WARNING = 2;

// Fills the rectangle and outlines it; state 1 active, 2 warning, anything else
// neutral. Leaves the draw colour at the outline colour.
void drawButtonFrame(SDL_Renderer* renderer, int x, int y, int w, int h, int state);

// A closed triangle outline pointing in `dir`, centred in the rectangle, in the
// current draw colour; nothing for a value outside 1..4.
void drawDirectionArrow(SDL_Renderer* renderer, int x, int y, int w, int h, Direction dir);

// The colour of a 5V cable toggle: whether its network is supplied (on) and
// whether it is highlighted (emphasized).
PackedColor toggleButtonColor(bool on, bool emphasized);

// The flag of a language on a framed plate: the English one for every language
// but German. Touches nothing outside the plate and leaves the clip alone.
void drawLanguageIcon(SDL_Renderer* renderer, Language language, const SDL_Rect& rect);
