#pragma once

#include <SDL.h>

#include "world/language.h"

class Game;
struct Shell;

// The window's own events: a new size lays the view out anew, a lost focus lets go
// of everything the pointer held. Both are seen in recording mode too.
void handleWindowEvent(Shell& shell, const SDL_WindowEvent& event);

// F11: the window goes from full screen back to windowed, or from windowed to
// desktop full screen. Either way the settings countdown for its size starts anew.
void toggleFullScreen(Shell& shell);

// A language chosen while the game runs: the interface speaks it from the next frame
// on, and the window title is renewed then too rather than at its next change.
void switchLanguage(Game& game, Language value);
