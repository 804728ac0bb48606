#pragma once

#include <SDL.h>

struct Shell;

// Mouse presses on everything drawn over and beside the map: the sensor's cargo
// choice, the language button and its pop-up, the menu, the bottom bar, the
// settings window, the side panel with its overviews, panels and inspectors, the
// tool panel and the minimap. They are tested in that order against the rectangles
// the drawing uses; a press one of them takes never reaches the map, and a left
// press on the side panel never does.

// The press of a mouse button, before the map sees it; true when a panel took it.
// Presses the map's own handling takes first (while a link end is carried, a number
// is typed or a wire drag waits for its release) are left to it, and so are right
// presses past the cargo choice and the language pop-up.
bool takePanelPress(Shell& shell, const SDL_MouseButtonEvent& press);
