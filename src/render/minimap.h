#pragma once

#include <SDL.h>

#include <vector>

#include "render/design_grid.h"
#include "render/map_scroll.h"
#include "render/minimap_scale.h"
#include "world/game.h"

// The whole map at two pixels a tile in a translucent box: each built tile in
// its type's colour, tiles with a warning in red, and a frame round the part
// of the map the view shows.

// The colour of a built tile of the type on the minimap.
PackedColor minimapTileColor(ControlType type);

// The frame of the view: viewWidth x viewHeight pixels of map at the scroll.
SDL_Rect minimapViewFrame(const SDL_Rect& box, const MapScroll& scroll, int viewWidth, int viewHeight);

// warnings: the frame's Game::mapWarnings; a list of another size counts as no warnings.
void drawMinimap(SDL_Renderer* renderer, const Game& game, const std::vector<unsigned>& warnings, const SDL_Rect& box,
                 const MapScroll& scroll, int viewWidth, int viewHeight);
