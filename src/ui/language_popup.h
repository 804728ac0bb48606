#pragma once

#include <SDL.h>

// The "SPRACHE" pop-up above the bottom bar: one row per language, its name as
// it stands in every language, the language in use lit and starred. The shell
// takes its clicks on the same rows of the HUD layout.

// storeFailed: the last choice could not be written to the settings file, which
// the pop-up says under its rows.
void drawLanguagePopup(SDL_Renderer* renderer, int viewWidth, int viewHeight, bool storeFailed);
